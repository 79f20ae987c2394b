#include "Lib/Betrag.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <cstdint>
#include <limits>
#include <random>
#include <string>
#include <vector>

namespace {

struct Fall {
    const char* name;
    double in;
    double want;
};

const Fall kRunden[] = {
    {"half_up", 2.5, 3.0},
    {"half_neg", -2.5, -3.0},
    {"within_bias", 2.499999999995, 3.0},
    {"below_bias", 2.4999999999, 2.0},
    {"clearly_below", 2.49999, 2.0},
    {"zero", 0.0, 0.0},
    {"cent_case", 1234.565 * 100, 123457.0},
};

class RundenTest : public testing::TestWithParam<Fall> {};
TEST_P(RundenTest, HalfAwayFromZeroWithBias)
{
    const Fall& f = GetParam();
    EXPECT_DOUBLE_EQ(Runden(f.in), f.want) << "in=" << f.in;
}
INSTANTIATE_TEST_SUITE_P(Lib, RundenTest, testing::ValuesIn(kRunden),
                         [](const auto& i) { return std::string(i.param.name); });

const Fall kAbschneiden[] = {
    {"within_tolerance", 28.99995, 29.0},
    {"below_tolerance", 28.9998, 28.0},
    {"negative_within", -1.99995, -2.0},
    {"negative_plain", -1.5, -1.0},
    {"whole", 7.0, 7.0},
};

class AbschneidenTest : public testing::TestWithParam<Fall> {};
TEST_P(AbschneidenTest, CutsWithTolerance)
{
    const Fall& f = GetParam();
    EXPECT_DOUBLE_EQ(Abschneiden(f.in), f.want) << "in=" << f.in;
}
INSTANTIATE_TEST_SUITE_P(Lib, AbschneidenTest, testing::ValuesIn(kAbschneiden),
                         [](const auto& i) { return std::string(i.param.name); });

TEST(RundenExt, SameBiasInExtendedPrecision)
{
    const struct {
        long double in, want;
    } faelle[] = {{2.5L, 3.0L},
                  {-2.5L, -3.0L},
                  {2.499999999995L, 3.0L},
                  {2.4999999999L, 2.0L},
                  {-2.499999999995L, -3.0L},
                  {123456.49L, 123456.0L}};
    for (const auto& f : faelle)
        EXPECT_EQ(RundenExt(f.in), f.want) << "in=" << static_cast<double>(f.in);
}

TEST(AbschneidenExt, SmallerTolerance)
{
    EXPECT_EQ(AbschneidenExt(28.9999995L), 29.0L);
    EXPECT_EQ(AbschneidenExt(28.99995L), 28.0L);
    EXPECT_EQ(AbschneidenExt(-3.9999995L), -4.0L);
}

TEST(RundenInt, ClampsOutsideThe32BitRange)
{
    EXPECT_EQ(RundenInt(2.5), 3);
    EXPECT_EQ(RundenInt(-2.5), -3);
    EXPECT_EQ(RundenInt(1e12), std::numeric_limits<std::int32_t>::max());
    EXPECT_EQ(RundenInt(-1e12), std::numeric_limits<std::int32_t>::min());
    EXPECT_EQ(RundenInt(std::numeric_limits<double>::infinity()),
              std::numeric_limits<std::int32_t>::max());
    EXPECT_EQ(RundenInt(std::numeric_limits<double>::quiet_NaN()), 0);
}

struct DreisatzFall {
    const char* name;
    bool runden;
    unsigned char decimals;
    double a, b, c, want;
};

const DreisatzFall kDreisatz[] = {
    {"third_rounded", true, 2, 100, 3, 1, 33.33},
    {"two_thirds_cut", false, 0, 100, 3, 2, 66},
    {"divisor_zero", true, 2, 5, 0, 7, 5},
    {"two_thirds_rounded", true, 2, 100, 3, 2, 66.67},
    {"negative_rounded", true, 2, -100, 3, 2, -66.67},
};

class DreisatzTest : public testing::TestWithParam<DreisatzFall> {};
TEST_P(DreisatzTest, RuleOfThree)
{
    const DreisatzFall& f = GetParam();
    EXPECT_DOUBLE_EQ(Dreisatz(f.runden, f.decimals, f.a, f.b, f.c), f.want);
}
INSTANTIATE_TEST_SUITE_P(Lib, DreisatzTest, testing::ValuesIn(kDreisatz),
                         [](const auto& i) { return std::string(i.param.name); });

// The rule of three written out in full, every step taken: the shortcuts for a factor of 1 and
// for whole units must give the same bits.
double DreisatzAusgeschrieben(bool runden, unsigned char decimals, double a, double b, double c)
{
    if (b == 0)
        return a;
    const long double q = static_cast<long double>(a) / b * c;
    long double p = 1.0L;
    for (unsigned char i = 0; i < decimals; ++i)
        p *= 10.0L;
    const double scaled = static_cast<double>(q * p);
    const long double whole = runden ? Runden(scaled) : Abschneiden(scaled);
    return static_cast<double>(whole / p);
}

TEST(Dreisatz, FactorOneAndWholeUnitsGiveTheSameBitsAsTheFullRule)
{
    std::mt19937_64 zufall(31);
    std::uniform_real_distribution<double> betrag(-1e9, 1e9);
    const double faktoren[] = {1.0, 1.95583, 0.5112918811962185, 100.0, 3.0};
    for (int i = 0; i < 200000; ++i) {
        // Amounts near whole cents and halves, where rounding decides.
        double a = betrag(zufall);
        if (i % 3 == 0)
            a = std::round(a) + 0.5;
        else if (i % 3 == 1)
            a = std::round(a * 100) / 100;
        const double b = faktoren[zufall() % 5];
        const double c = faktoren[zufall() % 5];
        const auto decimals = static_cast<unsigned char>(zufall() % 4);
        const bool runden = (zufall() & 1) != 0;
        const double neu = Dreisatz(runden, decimals, a, b, c);
        const double alt = DreisatzAusgeschrieben(runden, decimals, a, b, c);
        ASSERT_EQ(std::signbit(neu), std::signbit(alt)) << a << ' ' << b << ' ' << c;
        ASSERT_EQ(neu, alt) << a << ' ' << b << ' ' << c << ' ' << int(decimals);
    }
}

TEST(EuroFaktor, DmUpTo2001)
{
    EXPECT_DOUBLE_EQ(EuroFaktor(1990), 1.95583);
    EXPECT_DOUBLE_EQ(EuroFaktor(2001), 1.95583);
    EXPECT_DOUBLE_EQ(EuroFaktor(2002), 1.0);
    EXPECT_DOUBLE_EQ(EuroFaktor(2026), 1.0);
}

TEST(IstGanzeZahl, OnlyWholeNumbersADoubleHoldsWithRoomToSpare)
{
    const struct {
        double x;
        bool ganz;
    } faelle[] = {{0.0, true},
                  {-0.0, true},
                  {450000, true},
                  {-17, true},
                  {0.5, false},
                  {-0.01, false},
                  {4503599627370495.0, true},
                  {4503599627370496.0, false},
                  {1e300, false},
                  {std::numeric_limits<double>::infinity(), false},
                  {std::numeric_limits<double>::quiet_NaN(), false}};
    for (const auto& f : faelle)
        EXPECT_EQ(IstGanzeZahl(f.x), f.ganz) << f.x;
}

// The constants of the amount core: the nearest values with 64 significant bits, written out
// exactly, whatever the machine's long double.
TEST(ExtKonstante, HoldsTheExtendedValueOnEveryMachine)
{
    static constexpr TExtKonstante kZwoelftel{1.0L / 12};
    static constexpr TExtKonstante kDreihundertsechzigstel{1.0L / 360};
    static constexpr TExtKonstante kMinusSpitzensatz{-0.42L};
    const struct {
        long double konstante;
        long double soll;
    } faelle[] = {{kRundungsKonstante, 0x8.00000000afebff1p-4L},
                  {kAbschneideToleranz, 0xd.1b71758e219652cp-17L},
                  {kAbschneideToleranzExt, 0x8.637bd05af6c69b6p-23L},
                  {kEinHundertstel, 0xa.3d70a3d70a3d70ap-10L},
                  {kFastEins, 0xf.fffef39085f4a12p-4L},
                  {kZwoelftel, 0xa.aaaaaaaaaaaaaabp-7L},
                  {kDreihundertsechzigstel, 0xb.60b60b60b60b60bp-12L},
                  {kMinusSpitzensatz, -0xd.70a3d70a3d70a3dp-5L}};
    for (const auto& f : faelle)
        EXPECT_EQ(f.konstante, f.soll) << static_cast<double>(f.soll);
}

// The whole part as the rule defines it, truncation itself: the reference the rounding core is
// held against.
struct TRechenkernAbschneidend {
    static long double GanzerTeil(long double x) { return std::trunc(x); }
    static long double GanzerTeilPositiv(long double x) { return std::trunc(x); }
    // The margin added to the double in extended precision and the sum truncated.
    static double Runden(double x)
    {
        return static_cast<double>(RundenExt<TRechenkernAbschneidend>(x));
    }
    static double Abschneiden(double x)
    {
        const long double e = x;
        return static_cast<double>(std::trunc(e >= 0 ? e + kAbschneideToleranz
                                                     : e - kAbschneideToleranz));
    }
    static long double AbschneidenAlsDouble(long double x)
    {
        return Abschneiden(static_cast<double>(x));
    }
};

bool BitGleich(long double a, long double b)
{
    return (a == b && std::signbit(a) == std::signbit(b)) || (std::isnan(a) && std::isnan(b));
}

const char* const kRoutinen[] = {"GanzerTeil",  "GanzerTeilPositiv", "RundenExt",
                                 "Runden",      "Abschneiden",       "AbschneidenExt",
                                 "AbschneidenAlsDouble"};

template <class Kern>
std::array<long double, std::size(kRoutinen)> AlleRoutinen(long double x)
{
    const double d = static_cast<double>(x);
    return {GanzerTeil<Kern>(x),
            x > 0 ? GanzerTeilPositiv<Kern>(x) : 0.0L,
            RundenExt<Kern>(x),
            Runden<Kern>(d),
            Abschneiden<Kern>(d),
            AbschneidenExt<Kern>(x),
            AbschneidenAlsDouble<Kern>(x)};
}

// Edge cases, the neighbourhood of every margin (a few units in the last place of the extended
// value and of the double on both sides) and every magnitude up to beyond 2^63, both signs.
std::vector<long double> Pruefwerte()
{
    constexpr long double kZwei63 = 0x1p63L;
    constexpr long double kUnendlich = std::numeric_limits<long double>::infinity();
    std::vector<long double> werte = {0.0L, 0.5L, 0.7L, 1.0L, 2.5L, 3.5L, 0.9999999999999999999L,
                                      2.499999999995L, 2.4999999999L, 28.99995L, 28.9999995L,
                                      5.9999L, 5.99989999L, 123456789.999999L, 98765.4321L,
                                      0x1p52L, 0x1p52L - 0.5L, 1e15L, kZwei63 - 1, kZwei63,
                                      1.5L * kZwei63, 1e30L, 1e300L, kUnendlich, 0x1p-1000L,
                                      0x1p-1001L, 0x1p-1080L,
                                      std::numeric_limits<long double>::denorm_min()};
    for (std::size_t i = 0, n = werte.size(); i < n; ++i)
        werte.push_back(-werte[i]);
    werte.push_back(std::numeric_limits<long double>::quiet_NaN());

    std::mt19937_64 gen(20261209);
    const long double raender[] = {0.0L, -0.0001L, -0.000001L, -0.50000000001L, 0.5L};
    for (int i = 0; i < 4000; ++i) {
        // Amounts up to 10^8 and whole parts of every power of two up to 2^53.
        const long double n =
            static_cast<long double>(i % 2 == 0 ? gen() % 100000000 : gen() >> (11 + i % 53));
        for (const long double rand : raender) {
            for (const long double vorzeichen : {1.0L, -1.0L}) {
                long double x = vorzeichen * (n + 1 + rand);
                double d = static_cast<double>(x);
                for (int k = 0; k < 12; ++k) {
                    x = std::nextafter(x, -kUnendlich);
                    d = std::nextafter(d, -HUGE_VAL);
                }
                for (int k = 0; k < 24; ++k) {
                    werte.push_back(x);
                    werte.push_back(d);
                    x = std::nextafter(x, kUnendlich);
                    d = std::nextafter(d, HUGE_VAL);
                }
            }
        }
    }
    std::uniform_real_distribution<double> exponent(-30, 66);
    for (int i = 0; i < 200000; ++i)
        werte.push_back(std::exp2(static_cast<long double>(exponent(gen))) *
                        ((gen() & 1) != 0 ? -1 : 1));
    return werte;
}

TEST(Rechenkern, GivesTheTruncatedResultsToTheBit)
{
    for (const long double x : Pruefwerte()) {
        const auto kern = AlleRoutinen<TRechenkern>(x);
        const auto soll = AlleRoutinen<TRechenkernAbschneidend>(x);
        for (std::size_t i = 0; i < kern.size(); ++i)
            ASSERT_TRUE(BitGleich(kern[i], soll[i]))
                << kRoutinen[i] << '(' << std::hexfloat << x << "): " << kern[i] << " != "
                << soll[i];
    }
    std::mt19937_64 zufall(42);
    std::uniform_real_distribution<double> betrag(-1e9, 1e9);
    const double faktoren[] = {0.0, 1.0, 1.95583, 0.5112918811962185, 100.0, 3.0, 7.0};
    for (int i = 0; i < 200000; ++i) {
        double a = betrag(zufall);
        if (i % 2 == 0)
            a = std::round(a) + 0.5;
        const double b = faktoren[zufall() % std::size(faktoren)];
        const double c = faktoren[zufall() % std::size(faktoren)];
        const auto decimals = static_cast<unsigned char>(zufall() % 4);
        const bool runden = (zufall() & 1) != 0;
        const double kern = Dreisatz(runden, decimals, a, b, c);
        const double soll = Dreisatz<TRechenkernAbschneidend>(runden, decimals, a, b, c);
        ASSERT_TRUE(BitGleich(kern, soll)) << a << ' ' << b << ' ' << c << ' ' << int(decimals);
    }
}

} // namespace

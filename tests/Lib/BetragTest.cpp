#include "Lib/Betrag.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <random>
#include <string>

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

TEST(GanzerTeil, WieTruncAuchAmRand)
{
    const long double zwei63 = 9223372036854775808.0L;
    const long double werte[] = {0.0L,
                                 -0.0L,
                                 0.5L,
                                 -0.5L,
                                 0.9999999999999999999L,
                                 -0.9999999999999999999L,
                                 1.0L,
                                 0.7L,
                                 -0.7L,
                                 2.5L,
                                 -2.5L,
                                 3.5L,
                                 -3.5L,
                                 zwei63 + 0.5L * zwei63,
                                 28.99995L,
                                 123456789.999999L,
                                 -98765.4321L,
                                 zwei63 - 1,
                                 zwei63,
                                 -zwei63,
                                 1e30L,
                                 -1e30L,
                                 std::numeric_limits<long double>::infinity(),
                                 -std::numeric_limits<long double>::infinity(),
                                 std::numeric_limits<long double>::denorm_min(),
                                 -std::numeric_limits<long double>::denorm_min()};
    for (const long double x : werte) {
        const long double soll = std::trunc(x);
        EXPECT_EQ(GanzerTeil(x), soll) << static_cast<double>(x);
        EXPECT_EQ(std::signbit(GanzerTeil(x)), std::signbit(soll)) << static_cast<double>(x);
    }
    for (long double x = -1000; x <= 1000; x += 0.125L)
        EXPECT_EQ(GanzerTeil(x), std::trunc(x)) << static_cast<double>(x);
    EXPECT_TRUE(std::isnan(GanzerTeil(std::numeric_limits<long double>::quiet_NaN())));
    // Every magnitude up to beyond 2^63, both signs, to the bit.
    std::mt19937_64 gen(20261209);
    std::uniform_real_distribution<double> exponent(-20, 66);
    for (int i = 0; i < 200000; ++i) {
        const long double x =
            std::exp2(static_cast<long double>(exponent(gen))) * ((gen() & 1) != 0 ? -1 : 1);
        const long double soll = std::trunc(x);
        ASSERT_TRUE(GanzerTeil(x) == soll && std::signbit(GanzerTeil(x)) == std::signbit(soll))
            << static_cast<double>(x);
    }
    EXPECT_EQ(GanzerTeil(-zwei63 + 1), -zwei63 + 1);
}

TEST(GanzerTeilPositiv, WieTruncUeberNull)
{
    // Above zero the rounding routines skip the sign repair: a zero must still come out +0.
    const long double werte[] = {std::numeric_limits<long double>::denorm_min(),
                                 0.3L,
                                 0.5L,
                                 0.9999999999999999999L,
                                 1.0L,
                                 1.5L,
                                 2.5L,
                                 28.99995L,
                                 9223372036854775808.0L,
                                 1e30L,
                                 std::numeric_limits<long double>::infinity()};
    for (const long double x : werte) {
        EXPECT_EQ(GanzerTeilPositiv(x), std::trunc(x)) << static_cast<double>(x);
        EXPECT_FALSE(std::signbit(GanzerTeilPositiv(x))) << static_cast<double>(x);
    }
    for (long double x = 0.0625L; x <= 1000; x += 0.0625L)
        ASSERT_EQ(GanzerTeilPositiv(x), std::trunc(x)) << static_cast<double>(x);
}

constexpr long double kUnendlich = std::numeric_limits<long double>::infinity();

// The reference: the value rounded to a double, cut, and widened again.
long double UeberDouble(long double x)
{
    return Abschneiden(static_cast<double>(x));
}

bool BitGleich(long double a, long double b)
{
    return (a == b && std::signbit(a) == std::signbit(b)) || (std::isnan(a) && std::isnan(b));
}

TEST(AbschneidenAlsDouble, GivesWhatTheWayThroughTheDoubleGives)
{
    const long double werte[] = {0.0L, -0.0L, 0.5L, -0.5L, 28.99995L, -28.99995L, 5.9999L, -5.9999L,
                                 5.99989999L, 1e15L, -1e15L, 0x1p52L, -0x1p52L, 0x1p52L - 0.5L,
                                 0x1p60L, 1e300L,
                                 // Below 2^-1000 a negative value becomes a double -0 or a
                                 // subnormal.
                                 -0x1p-1001L, -0x1p-1080L, 0x1p-1080L, -0x1p-1000L,
                                 std::numeric_limits<long double>::denorm_min(),
                                 -std::numeric_limits<long double>::denorm_min(), kUnendlich,
                                 -kUnendlich, std::numeric_limits<long double>::quiet_NaN()};
    for (const long double x : werte)
        EXPECT_TRUE(BitGleich(AbschneidenAlsDouble(x), UeberDouble(x))) << static_cast<double>(x);
}

TEST(AbschneidenAlsDouble, AgreesNextToEveryWholeNumberAndOverAllMagnitudes)
{
    // Just below and above n - tolerance, where rounding to a double can cross the whole
    // number: each step is one unit in the last place of the extended value.
    std::mt19937_64 gen(20261209);
    for (int i = 0; i < 20000; ++i) {
        const long double n =
            static_cast<long double>(gen() % 100000000) * ((gen() & 1) != 0 ? -1 : 1);
        long double x = n >= 0 ? n - 0.0001L : n + 0.0001L;
        for (int k = 0; k < 20; ++k)
            x = std::nextafter(x, -kUnendlich);
        for (int k = 0; k < 40; ++k) {
            ASSERT_TRUE(BitGleich(AbschneidenAlsDouble(x), UeberDouble(x)))
                << static_cast<double>(x);
            x = std::nextafter(x, kUnendlich);
        }
    }
    std::uniform_real_distribution<double> exponent(-30, 60);
    for (int i = 0; i < 200000; ++i) {
        const long double x =
            std::exp2(static_cast<long double>(exponent(gen))) * ((gen() & 1) != 0 ? -1 : 1);
        ASSERT_TRUE(BitGleich(AbschneidenAlsDouble(x), UeberDouble(x))) << static_cast<double>(x);
    }
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

} // namespace

TEST(TExtKonstante, GivesTheExtendedValueToTheBit)
{
    const struct {
        TExtKonstante konstante;
        long double soll;
    } faelle[] = {{kRundungsKonstante, 0.50000000001L},
                  {kAbschneideToleranz, 0.0001L},
                  {kAbschneideToleranzExt, 0.000001L},
                  {kEinHundertstel, 0.01L},
                  {kFastEins, 0.999999L},
                  {TExtKonstante{1.0L / 12}, 1.0L / 12},
                  {TExtKonstante{1.0L / 360}, 1.0L / 360},
                  {TExtKonstante{-0.42L}, -0.42L}};
    for (const auto& f : faelle) {
        const long double wert = f.konstante;
        EXPECT_EQ(std::memcmp(&wert, &f.soll, 10), 0) << static_cast<double>(f.soll);
    }
}

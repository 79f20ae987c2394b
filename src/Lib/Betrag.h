#pragma once
// Amounts and rounding: the numeric core of every tax and contribution calculation.
//
// Money is a double with a fixed number of decimal places. Explicit rounding (Runden, Dreisatz)
// goes half away from zero with a tiny bias, so that a value a hair below a half (the usual
// binary representation error) still rounds up. Cutting (Abschneiden) adds a tolerance, so that
// 28.99995 is read as the 29 it was meant to be. The arithmetic runs in extended precision and is
// stored back to double, which decides the last bit of many tax amounts.
#include <bit>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <limits>
#include <string>
#include <string_view>

// The constants and results are those of the 64 significant bits of the x87's extended format;
// a wider long double (128 bits on arm64) computes with the same constants and gives the same
// cents.
static_assert(std::numeric_limits<long double>::digits >= 64,
              "the rounding core needs a long double of at least 64 significant bits");

// The value to 64 significant bits, rounded to the nearest (ties to even).
consteval long double AufErweitert(long double wert)
{
    if (std::numeric_limits<long double>::digits == 64 || wert == 0)
        return wert;
    const long double betrag = wert < 0 ? -wert : wert;
    // Powers of two scale exactly: the significand as a number in [2^63, 2^64).
    long double skala = 1;
    while (betrag * skala >= 0x1p64L)
        skala /= 2;
    while (betrag * skala < 0x1p63L)
        skala *= 2;
    const long double signifikand = betrag * skala;
    const auto ganz = static_cast<std::uint64_t>(signifikand);
    const long double rest = signifikand - static_cast<long double>(ganz);
    long double gerundet = static_cast<long double>(ganz);
    if (rest > 0.5L || (rest == 0.5L && (ganz & 1) != 0))
        gerundet += 1;
    return wert < 0 ? -gerundet / skala : gerundet / skala;
}

// An extended constant: a long double holding the value to 64 significant bits.
class TExtKonstante {
public:
    consteval explicit TExtKonstante(long double wert) : m_wert(AufErweitert(wert)) {}
    constexpr operator long double() const { return m_wert; }

private:
    long double m_wert;
};

// The whole part (Int: truncation toward zero keeping the float type, sign of zero included).
// It is the whole number nearest to x, one step back toward zero where that lies beyond x: the
// rounding to the nearest is the mode the arithmetic always runs in, so it needs no switch of
// the rounding mode. GanzerTeilPositiv is the same for a value above zero, which every rounding
// routine has once it added its margin to an amount of zero or more.
struct TRechenkern {
    // The whole part of x > 0 from t, the whole number nearest to x.
    static long double GanzerTeilPositivVonGerundetem(long double t, long double x)
    {
        return t > x ? t - 1 : t;
    }
    static long double GanzerTeil(long double x)
    {
        // Every value beyond the significand's width is whole; infinity and NaN pass through.
        long double t = std::rint(x);
        if (x >= 0) {
            if (t > x)
                t -= 1;
        } else if (t < x) {
            t += 1;
        }
        // A zero takes the sign of x (|x| < 1 here), as truncation gives it.
        return t != 0 ? t : x * 0.0L;
    }
    // Above zero the nearest whole number is never a negative zero: the sign needs no repair.
    static long double GanzerTeilPositiv(long double x)
    {
        return GanzerTeilPositivVonGerundetem(std::rint(x), x);
    }
    // Runden and Abschneiden of a double (defined below the constants).
    static double Runden(double x);
    static double Abschneiden(double x);
    // Abschneiden of x rounded to a double, as a long double (defined below Abschneiden).
    static long double AbschneidenAlsDouble(long double x);

private:
    // The whole part of |x| and one more where its fraction reaches `schwelle`, with the sign
    // of x (a zero from a negative x is -0).
    static double GanzeMitSchwelle(double x, double schwelle);
};

// Rounding bias: a value less than 1e-11 below a half still rounds away from zero.
inline constexpr TExtKonstante kRundungsKonstante{0.50000000001L};
// Tolerances of the two cutting routines.
inline constexpr TExtKonstante kAbschneideToleranz{0.0001L};
inline constexpr TExtKonstante kAbschneideToleranzExt{0.000001L};
// Cents to euros, and the tariffs' rounding-up margin.
inline constexpr TExtKonstante kEinHundertstel{0.01L};
inline constexpr TExtKonstante kFastEins{0.999999L};

// A double amount n + f (n whole, 0 <= f < 1) plus a margin below 1, added in extended
// precision, reaches n + 1 exactly where f reaches a threshold: f is a double, and the sum's
// rounding depends on n only through the power of two n lies in. The threshold is the smallest
// double f with f + marge >= 1 (n = 0); a margin for which it fails for n in any power of two
// up to 2^52 (the fractions of that power's grid next to the threshold) does not compile.
consteval double AufrundungsSchwelle(long double marge)
{
    const auto nachbar = [](double f, int schritt) {
        return std::bit_cast<double>(std::bit_cast<std::uint64_t>(f) + schritt);
    };
    double schwelle = static_cast<double>(1 - marge);
    while (schwelle + marge >= 1)
        schwelle = nachbar(schwelle, -1);
    while (schwelle + marge < 1)
        schwelle = nachbar(schwelle, 1);
    double n = 1;
    double raster = 0x1p-52;
    for (int potenz = 0; potenz < 52; ++potenz, n *= 2, raster *= 2) {
        const auto stufen = static_cast<std::uint64_t>(schwelle / raster);
        const double oben = static_cast<double>(stufen) * raster == schwelle
                                ? schwelle
                                : static_cast<double>(stufen + 1) * raster;
        const double unten = oben - raster;
        if (static_cast<long double>(n + oben) + marge < n + 1 ||
            static_cast<long double>(n + unten) + marge >= n + 1)
            throw "AufrundungsSchwelle: no single threshold for this margin";
    }
    return schwelle;
}
inline constexpr double kRundungsSchwelle = AufrundungsSchwelle(kRundungsKonstante);
inline constexpr double kAbschneideSchwelle = AufrundungsSchwelle(kAbschneideToleranz);

// Beyond 2^52 every double is whole, and so are infinity and NaN (a signalling one made quiet
// as the arithmetic does); below it the whole part is exact through a 64-bit integer.
inline double TRechenkern::GanzeMitSchwelle(double x, double schwelle)
{
    const double betrag = std::fabs(x);
    if (!(betrag < 0x1p52))
        return x + 0.0;
    const double ganz = static_cast<double>(static_cast<std::int64_t>(betrag));
    const double ergebnis = betrag - ganz >= schwelle ? ganz + 1 : ganz;
    return x >= 0 ? ergebnis : -ergebnis;
}

inline double TRechenkern::Runden(double x)
{
    return GanzeMitSchwelle(x, kRundungsSchwelle);
}

inline double TRechenkern::Abschneiden(double x)
{
    return GanzeMitSchwelle(x, kAbschneideSchwelle);
}

// The rounding and cutting routines, each defined once in a Rechenkern or on its whole part (the
// default is the one every build computes with; the tests hold it against truncation itself).
// Inline: a wage-tax computation rounds and cuts a few hundred times.

template <class Kern = TRechenkern>
inline long double GanzerTeil(long double x)
{
    return Kern::GanzerTeil(x);
}

template <class Kern = TRechenkern>
inline long double GanzerTeilPositiv(long double x)
{
    return Kern::GanzerTeilPositiv(x);
}

template <class Kern = TRechenkern>
inline long double RundenExt(long double x)
{
    return x >= 0 ? Kern::GanzerTeilPositiv(x + kRundungsKonstante)
                  : Kern::GanzerTeil(x - kRundungsKonstante);
}

// Runden is RundenExt of a double, Abschneiden its cut with kAbschneideToleranz in extended
// precision, both as a double; the Rechenkern gives those bits in double arithmetic.
template <class Kern = TRechenkern>
inline double Runden(double x)
{
    return Kern::Runden(x);
}

template <class Kern = TRechenkern>
inline double Abschneiden(double x)
{
    return Kern::Abschneiden(x);
}

template <class Kern = TRechenkern>
inline long double AbschneidenExt(long double x)
{
    return x >= 0 ? Kern::GanzerTeilPositiv(x + kAbschneideToleranzExt)
                  : Kern::GanzerTeil(x - kAbschneideToleranzExt);
}

// Abschneiden of x rounded to a double, as a long double: the same value to the bit, sign of
// zero included.
template <class Kern = TRechenkern>
inline long double AbschneidenAlsDouble(long double x)
{
    return Kern::AbschneidenAlsDouble(x);
}

// Rounding x to a double moves it by at most 2^-53 |x|, so unless |x| plus the tolerance lies
// that close to a whole number, cutting x itself cuts the double to the same number; the rare
// value that close takes the way through the double.
inline long double TRechenkern::AbschneidenAlsDouble(long double x)
{
    const long double betrag = std::fabs(x);
    const long double naechste = std::rint(betrag);
    // Exact (|rest| <= 1/2). |x| plus the tolerance lies rest + tolerance from the nearest
    // whole number, and at least 1/2 minus the tolerance from any other.
    const long double rest = betrag - naechste;
    // Where the distance exceeds the bound, the double nearest to the tolerance decides as the
    // tolerance itself does; the bound leaves a wide margin over that, the double's rounding
    // and the extended additions. Below 2^-1000 a negative x would round to a double zero whose
    // sign picks the other branch.
    constexpr long double toleranz = static_cast<double>(kAbschneideToleranz);
    if (betrag < 0x1p52L && std::fabs(rest + toleranz) > (betrag + 1) * 0x1p-40L &&
        !(x < 0 && x > -0x1p-1000L)) {
        const long double ganz = rest < -toleranz ? naechste - 1 : naechste;
        return x >= 0 ? ganz : -ganz;
    }
    return Abschneiden(static_cast<double>(x));
}

// Whether x is a whole number that a double holds with room to spare (below 2^52): such an
// amount rounds to itself (a zero to +0).
inline bool IstGanzeZahl(double x)
{
    return std::fabs(x) < 4503599627370496.0 &&
           static_cast<double>(static_cast<std::int64_t>(x)) == x;
}

// Runden for amounts that are mostly whole already: a whole amount stands as it is (a zero
// loses its sign, as in Runden) without the way through the FPU.
inline double RundenFallsNoetig(double x)
{
    return IstGanzeZahl(x) ? x + 0.0 : Runden(x);
}

// Rounds to a signed 32-bit integer; values beyond that range are clamped to its ends
// (a plain conversion would be undefined).
std::int32_t RundenInt(double x);

// The rule of three A / B * C to `decimals` places, rounded or cut; B = 0 gives A unchanged.
template <class Kern = TRechenkern>
double Dreisatz(bool rundenFlag, unsigned char decimals, double a, double b, double c)
{
    if (b == 0)
        return a;
    // Dividing or multiplying by 1 is exact: the same currency on both sides and whole units
    // (the common case of the contributions) skip those steps without changing a bit.
    long double q = a;
    if (b != 1)
        q /= b;
    if (c != 1)
        q *= c;
    long double p = 1.0L;
    for (unsigned char i = 0; i < decimals; ++i)
        p *= 10.0L;
    // The scaled value passes through a double, as it does on its way into Runden/Abschneiden.
    const double scaled = static_cast<double>(decimals == 0 ? q : q * p);
    const long double whole = rundenFlag ? Runden<Kern>(scaled) : Abschneiden<Kern>(scaled);
    return static_cast<double>(decimals == 0 ? whole : whole / p);
}
extern template double Dreisatz<TRechenkern>(bool, unsigned char, double, double, double);

// DM per euro for the years up to 2001, 1.0 afterwards.
double EuroFaktor(int jahr);

// Numbers as text. The separators are German whatever the host locale (',' decimal, '.'
// thousands): the texts are stored in INI files and must read back the same everywhere. None of
// these routines throws; text that is no number gives the default each one names.

inline constexpr char kDezimalTrenner = ',';
inline constexpr char kTausenderTrenner = '.';

// Keeps the digits, the first decimal separator and, unless `ohneVorzeichen`, a '-' ahead of
// them; drops leading zeros. A result that starts with the separator gets a "0" in front
// ("-,5" gives "-0,5"); a result without digits becomes "0,0".
std::string ZahlBereinigen(std::string_view s, bool ohneVorzeichen = false);
// Only the digits (and a '-' ahead of them unless `ohneVorzeichen`), leading zeros dropped,
// at most `maxLen` characters.
std::string NurZiffern(std::string_view s, std::size_t maxLen, bool ohneVorzeichen = false);
// A typed amount ("1.234,56", "-,5", "12 EUR") as a number; 0 when there is no number in it.
double StrToBetragFloat(std::string_view s);
// A number with '.' as the decimal point (the tokenizer's floats, "1.5e3"); 0 when empty or
// not a number.
double StrPunktToFloat(std::string_view s);
// The whole part of the cleaned number ("1.234,56" gives 1234); 0 when invalid or beyond the
// 32-bit range.
std::int32_t StrToGanzzahl(std::string_view s);
// All digits of the text, with a leading '-', as one integer: the amount in its smallest units
// ("-1.234,56" gives -123456). 0 when there are none or they exceed the 32-bit range.
std::int32_t StrToBetragInt(std::string_view s);
// "#,##0.00" with `decimals` places: thousands separators and exactly that many places,
// rounded half away from zero (2.675 gives "2,68"). Never "-0,00".
std::string FloatToBetragStr(unsigned char decimals, double x);
// An integer amount in units of 10^-decimals as text: 5 with 2 places gives "0,05",
// -123456789 gives "-1.234.567,89".
std::string BetragIntToStr(std::int32_t betrag, unsigned char decimals);
// An amount held with `alteStellen` places expressed with `neueStellen`: fewer places divide by
// 10 per place (toward zero), more multiply; a result beyond the 32-bit range is clamped.
std::int32_t BetragSkalieren(std::int32_t betrag, int neueStellen, int alteStellen);
// The digits of `s` split at `pos` (a caret position: characters before it): those before are
// the whole part (with a leading '-'), those after the fraction, padded with '0' or cut to
// `decimals`. The result has no separator: "12|34" with 2 places gives "1234", "1234|" "123400".
std::string BetragZiffern(std::string_view s, std::size_t pos, unsigned char decimals);
// Number of characters after the decimal separator; 0 when there is none.
int ZaehleNachkommastellen(std::string_view s);

#pragma once
// Amounts and rounding: the numeric core of every tax and contribution calculation.
//
// Money is a double with a fixed number of decimal places. Explicit rounding (Runden, Dreisatz)
// goes half away from zero with a tiny bias, so that a value a hair below a half (the usual
// binary representation error) still rounds up. Cutting (Abschneiden) adds a tolerance, so that
// 28.99995 is read as the 29 it was meant to be. The arithmetic runs in 80-bit extended precision
// and is stored back to double, which decides the last bit of many tax amounts.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

static_assert(sizeof(long double) >= 10, "the rounding core needs x87 extended precision");

// An extended-precision constant that no double holds, kept as the double nearest to it and
// the rest, which a double holds exactly. The FPU loads a double in one step but an extended
// value only through microcode, and the rounding routines read their constants a few hundred
// times per wage-tax computation.
class TExtKonstante {
public:
    // Made at compile time only; a value the two doubles do not give back to the bit does not
    // compile.
    consteval explicit TExtKonstante(long double wert)
        : m_hoch(static_cast<double>(wert)), m_rest(static_cast<double>(wert - m_hoch))
    {
        if (static_cast<long double>(m_hoch) + m_rest != wert)
            throw "TExtKonstante: the value is not exact";
    }
    operator long double() const
    {
        // The empty statement keeps the compiler from folding the sum back into one constant.
        long double wert = m_hoch;
        asm("" : "+t"(wert));
        return wert + m_rest;
    }

private:
    double m_hoch;
    double m_rest;
};

// Rounding bias: a value less than 1e-11 below a half still rounds away from zero.
inline constexpr TExtKonstante kRundungsKonstante{0.50000000001L};
// Tolerances of the two cutting routines.
inline constexpr TExtKonstante kAbschneideToleranz{0.0001L};
inline constexpr TExtKonstante kAbschneideToleranzExt{0.000001L};
// Cents to euros, and the tariffs' rounding-up margin.
inline constexpr TExtKonstante kEinHundertstel{0.01L};
inline constexpr TExtKonstante kFastEins{0.999999L};

// The whole part of x > 0 from t, the whole number nearest to x: one step back toward zero
// where t lies above x (see GanzerTeilPositiv).
inline long double GanzerTeilPositivVonGerundetem(long double t, long double x)
{
    return t > x ? t - 1 : t;
}

// Whole part of x (Int): truncation toward zero in extended precision, the same value as
// std::trunc, sign of zero included. The tariffs truncate dozens of times per computation:
// std::trunc switches the FPU's rounding mode twice and a truncating store goes through memory,
// so the FPU rounds in place instead (to the nearest, the mode it always runs in) and one step
// back toward zero makes that the truncation.
inline long double GanzerTeil(long double x)
{
#if defined(__GNUC__) && (defined(__x86_64__) || defined(__i386__))
    // Beyond 2^63 every value is whole; infinity and NaN pass through unchanged.
    long double t = 0;
    asm("frndint" : "=t"(t) : "0"(x));
    if (x >= 0) {
        if (t > x)
            t -= 1;
    } else if (t < x) {
        t += 1;
    }
    // A zero takes the sign of x (|x| < 1 here): x * 0 gives it without asking the FPU for
    // the sign, which would wait for every operation in flight.
    return t != 0 ? t : x * 0.0L;
#else
    return std::trunc(x);
#endif
}

// GanzerTeil of a value above zero, which every rounding routine has once it added its
// margin to an amount of zero or more: the FPU never gives a negative zero for it, so the sign
// of a zero result needs no repair.
inline long double GanzerTeilPositiv(long double x)
{
#if defined(__GNUC__) && (defined(__x86_64__) || defined(__i386__))
    long double t = 0;
    asm("frndint" : "=t"(t) : "0"(x));
    return GanzerTeilPositivVonGerundetem(t, x);
#else
    return std::trunc(x);
#endif
}

// Inline like GanzerTeil: a wage-tax computation rounds and cuts a few hundred times.
inline long double RundenExt(long double x)
{
    return x >= 0 ? GanzerTeilPositiv(x + kRundungsKonstante) : GanzerTeil(x - kRundungsKonstante);
}

inline double Runden(double x)
{
    return static_cast<double>(RundenExt(x));
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

inline double Abschneiden(double x)
{
    const long double e = x;
    return static_cast<double>(e >= 0 ? GanzerTeilPositiv(e + kAbschneideToleranz)
                                      : GanzerTeil(e - kAbschneideToleranz));
}

// Abschneiden of x rounded to a double, as a long double: the same value to the bit, sign of
// zero included. Rounding an extended value to a double takes the FPU a store and a load (about
// 9 ns), and the result the same again on its way back. Rounding moves x by at most 2^-53 |x|,
// so unless x plus the tolerance lies that close to a whole number, cutting x itself cuts the
// double to the same number; the rare value that close takes the way through the double.
inline long double AbschneidenAlsDouble(long double x)
{
#if defined(__GNUC__) && (defined(__x86_64__) || defined(__i386__))
    const long double y = x >= 0 ? x + kAbschneideToleranz : x - kAbschneideToleranz;
    long double naechste = 0;
    asm("frndint" : "=t"(naechste) : "0"(y));
    const long double betrag = std::fabs(x);
    const long double abstand = std::fabs(y - naechste);
    // The distance is exact (the two are within a half of each other); the bound leaves a
    // wide margin over the double's rounding and the two extended additions. Below 2^-1000 a
    // negative x would round to a double zero whose sign picks the other branch.
    if (betrag < 0x1p52L && abstand > (betrag + 1) * 0x1p-40L && !(x < 0 && x > -0x1p-1000L)) {
        return x >= 0 ? GanzerTeilPositivVonGerundetem(naechste, y) : GanzerTeil(y);
    }
#endif
    return Abschneiden(static_cast<double>(x));
}

inline long double AbschneidenExt(long double x)
{
    return x >= 0 ? GanzerTeilPositiv(x + kAbschneideToleranzExt)
                  : GanzerTeil(x - kAbschneideToleranzExt);
}

// The rule of three A / B * C to `decimals` places, rounded or cut; B = 0 gives A unchanged.
double Dreisatz(bool rundenFlag, unsigned char decimals, double a, double b, double c);

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

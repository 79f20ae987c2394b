#pragma once
// Amounts and rounding: the numeric core of every tax and contribution calculation.
//
// Money is a double with a fixed number of decimal places. Explicit rounding (Runden, Dreisatz)
// goes half away from zero with a tiny bias, so that a value a hair below a half (the usual
// binary representation error) still rounds up. Cutting (Abschneiden) adds a tolerance, so that
// 28.99995 is read as the 29 it was meant to be. The arithmetic runs in 80-bit extended precision
// and is stored back to double, which decides the last bit of many tax amounts.
#include <cstdint>

static_assert(sizeof(long double) >= 10, "the rounding core needs x87 extended precision");

// Rounding bias: a value less than 1e-11 below a half still rounds away from zero.
inline constexpr long double kRundungsKonstante = 0.50000000001L;
// Tolerances of the two cutting routines.
inline constexpr long double kAbschneideToleranz = 0.0001L;
inline constexpr long double kAbschneideToleranzExt = 0.000001L;

double Runden(double x);
long double RundenExt(long double x);
// Rounds to a signed 32-bit integer; values beyond that range are clamped to its ends
// (a plain conversion would be undefined).
std::int32_t RundenInt(double x);
double Abschneiden(double x);
long double AbschneidenExt(long double x);

// The rule of three A / B * C to `decimals` places, rounded or cut; B = 0 gives A unchanged.
double Dreisatz(bool rundenFlag, unsigned char decimals, double a, double b, double c);

// DM per euro for the years up to 2001, 1.0 afterwards.
double EuroFaktor(int jahr);

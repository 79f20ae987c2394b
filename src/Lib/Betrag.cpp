#include "Lib/Betrag.h"

#include <cmath>
#include <cstdint>
#include <limits>

namespace {

constexpr double kEuroKurs = 1.95583;

} // namespace

std::int32_t RundenInt(double x)
{
    const long double r = RundenExt(x);
    if (std::isnan(r))
        return 0;
    if (r >= static_cast<long double>(std::numeric_limits<std::int32_t>::max()))
        return std::numeric_limits<std::int32_t>::max();
    if (r <= static_cast<long double>(std::numeric_limits<std::int32_t>::min()))
        return std::numeric_limits<std::int32_t>::min();
    return static_cast<std::int32_t>(r);
}

template <class Kern>
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

template double Dreisatz<TRechenkernPortabel>(bool, unsigned char, double, double, double);
#ifdef VT_X87_RUNDEN
template double Dreisatz<TRechenkernX87>(bool, unsigned char, double, double, double);
#endif

double EuroFaktor(int jahr)
{
    return jahr > 2001 ? 1.0 : kEuroKurs;
}

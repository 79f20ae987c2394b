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

template double Dreisatz<TRechenkern>(bool, unsigned char, double, double, double);

double EuroFaktor(int jahr)
{
    return jahr > 2001 ? 1.0 : kEuroKurs;
}

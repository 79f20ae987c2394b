#include "Lib/Datum.h"

#include <cstdio>
#include <ctime>
#include <string>

TDatum SetDatum(std::int32_t tag, std::int32_t monat, std::int32_t jahr)
{
    return TDatum{tag, monat, jahr};
}

TDatum DatumHeute()
{
    const std::time_t jetzt = std::time(nullptr);
    std::tm lokal{};
    localtime_r(&jetzt, &lokal);
    return SetDatum(lokal.tm_mday, lokal.tm_mon + 1, lokal.tm_year + 1900);
}

bool DatumGleich(const TDatum& a, const TDatum& b)
{
    return a.Tag == b.Tag && a.Monat == b.Monat && a.Jahr == b.Jahr;
}

int JahreZwischen(const TDatum& von, const TDatum& bis)
{
    const std::int64_t jahre = std::int64_t{bis.Jahr} - von.Jahr;
    const bool vorStichtag = bis.Monat < von.Monat || (bis.Monat == von.Monat && bis.Tag < von.Tag);
    return static_cast<int>(vorStichtag ? jahre - 1 : jahre);
}

std::string DatumToStr(const TDatum& d)
{
    char buf[48];
    std::snprintf(buf, sizeof buf, "%.4d%.2d%.2d", static_cast<int>(d.Jahr),
                  static_cast<int>(d.Monat), static_cast<int>(d.Tag));
    return buf;
}

std::string DatumAlsText(const TDatum& d)
{
    char buf[48];
    std::snprintf(buf, sizeof buf, "%.2d%c%.2d%c%.4d", static_cast<int>(d.Tag), kDatumsTrenner,
                  static_cast<int>(d.Monat), kDatumsTrenner, static_cast<int>(d.Jahr));
    return buf;
}

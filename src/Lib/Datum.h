#pragma once
// The date record of the program and its two text forms.
//
// Stored dates (INI files, token streams) are eight digits, year, month, day ("20260315").
// Shown dates are German whatever the host locale: "15.03.2026".
#include <cstdint>
#include <string>

struct TDatum {
    std::int32_t Tag = 0;
    std::int32_t Monat = 0;
    std::int32_t Jahr = 0;
};

// The shown date: day and month two digits, year four, joined by '.'.
inline constexpr char kDatumsTrenner = '.';
inline constexpr const char* kKurzesDatumsFormat = "dd.MM.yyyy";

TDatum SetDatum(std::int32_t tag, std::int32_t monat, std::int32_t jahr);
// Today in local time.
TDatum DatumHeute();
bool DatumGleich(const TDatum& a, const TDatum& b);
// Whole years from `von` to `bis` (an age): the difference of the years, one less while `bis`
// lies before von's day and month.
int JahreZwischen(const TDatum& von, const TDatum& bis);

// "%.4d%.2d%.2d": year, month, day.
std::string DatumToStr(const TDatum& d);
// "dd.mm.yyyy".
std::string DatumAlsText(const TDatum& d);

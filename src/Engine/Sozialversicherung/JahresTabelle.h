#pragma once
// Year tables of statutory values with at most one change within a year.
//
// A row covers the years `vonJahr` to `bisJahr`. When `aenderungsMonat` is not 0, `vorher` holds
// in the months before it and `ab` from that month on; otherwise `vorher` holds all year. The
// figures are whole numbers in the table's own unit (tenths of a percent, cents ...), so that
// the source shows the published figure exactly.
#include <cstdint>
#include <span>

struct TJahresWert {
    int vonJahr;
    int bisJahr;
    int aenderungsMonat; // 0: no change within the year
    std::int32_t vorher;
    std::int32_t ab;
};

// One value for the years von to bis.
constexpr TJahresWert Jahre(int von, int bis, std::int32_t wert)
{
    return TJahresWert{von, bis, 0, wert, wert};
}

// A change within `jahr`: `vorher` up to the month before `monat`, `ab` from `monat` on.
constexpr TJahresWert Wechsel(int jahr, int monat, std::int32_t vorher, std::int32_t ab)
{
    return TJahresWert{jahr, jahr, monat, vorher, ab};
}

// The value of `jahr` and `monat`; 0 for a year that no row covers.
std::int32_t WertImMonat(std::span<const TJahresWert> tabelle, int jahr, int monat);

// True when the month takes the value from a change month on.
constexpr bool AbAenderung(int aenderungsMonat, int monat)
{
    return aenderungsMonat != 0 && aenderungsMonat <= monat;
}

// Hundredths or tenths as a number: the division gives the double nearest to the published
// figure, the same number that typing it into an option gives.
constexpr double Zehntel(std::int32_t wert)
{
    return static_cast<double>(wert) / 10.0;
}
constexpr double Hundertstel(std::int32_t wert)
{
    return static_cast<double>(wert) / 100.0;
}

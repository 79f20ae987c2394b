#include "Engine/Sozialversicherung/Kindergeld.h"

#include "Engine/Sozialversicherung/AktuelleJahreswerte.h"
#include "Engine/Sozialversicherung/JahresTabelle.h"
#include "Lib/Betrag.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <limits>

namespace {

// Child benefit per child and month; children 4 and up share the fourth column.
struct TKindergeldZeile {
    int vonJahr;
    int bisJahr;
    int aenderungsMonat;
    std::array<int, 4> vorher;
    std::array<int, 4> ab;
};

constexpr TKindergeldZeile Jahre(int von, int bis, std::array<int, 4> betraege)
{
    return TKindergeldZeile{von, bis, 0, betraege, betraege};
}

const TKindergeldZeile kKindergeld[] = {
    Jahre(1996, 1996, {200, 200, 300, 350}),
    Jahre(1997, 1998, {220, 220, 300, 350}),
    Jahre(1999, 1999, {250, 250, 300, 350}),
    Jahre(2000, 2001, {270, 270, 300, 350}),
    // Euro from 2002.
    Jahre(2002, 2008, {154, 154, 154, 179}),
    Jahre(2009, 2009, {164, 164, 170, 195}),
    Jahre(2010, 2014, {184, 184, 190, 215}),
    Jahre(2015, 2015, {188, 188, 194, 219}),
    Jahre(2016, 2016, {190, 190, 196, 221}),
    Jahre(2017, 2017, {192, 192, 198, 223}),
    Jahre(2018, 2018, {194, 194, 200, 225}),
    // The only rise within a year: ten euro more per child from July 2019.
    {2019, 2019, 7, {194, 194, 200, 225}, {204, 204, 210, 235}},
    Jahre(2020, 2020, {204, 204, 210, 235}),
    Jahre(2021, 2022, {219, 219, 225, 250}),
    // One amount for every child from 2023.
    Jahre(2023, 2024, {250, 250, 250, 250}),
    Jahre(2025, 2025, {255, 255, 255, 255}),
};

constexpr int kErstesJahr = 1996;
constexpr int kLetztesEingebautesJahr = 2025;

const TKindergeldZeile* ZeileFuer(int jahr)
{
    for (const TKindergeldZeile& zeile : kKindergeld) {
        if (zeile.vonJahr <= jahr && jahr <= zeile.bisJahr)
            return &zeile;
    }
    return nullptr;
}

} // namespace

int TKindergeld::Kindergeld(int kinder, int jahr, int monat) const
{
    if (jahr < kErstesJahr || kinder <= 0)
        return 0;
    // Children from the fifth on all get the amount of the last column; multiplying instead of
    // looping keeps an absurd count from running long or overflowing.
    std::array<std::int64_t, 5> betraege{};
    if (jahr <= kLetztesEingebautesJahr) {
        const TKindergeldZeile* zeile = ZeileFuer(jahr);
        if (zeile == nullptr)
            return 0;
        const std::array<int, 4>& spalten =
            AbAenderung(zeile->aenderungsMonat, monat) ? zeile->ab : zeile->vorher;
        for (int kind = 1; kind <= 5; ++kind)
            betraege[kind - 1] = spalten[kind < 4 ? kind - 1 : 3];
    } else {
        const int optionsJahr = AktuellesJahr(jahr);
        const TAktuelleJahreswerte& werte = AktuelleJahreswerte();
        for (int kind = 1; kind <= 5; ++kind)
            betraege[kind - 1] = RundenInt(werte.Kindergeld(optionsJahr, monat, kind));
    }
    std::int64_t summe = 0;
    for (int kind = 1; kind <= kinder && kind <= 4; ++kind)
        summe += betraege[kind - 1];
    if (kinder > 4)
        summe += static_cast<std::int64_t>(kinder - 4) * betraege[4];
    return static_cast<int>(std::clamp<std::int64_t>(summe, std::numeric_limits<int>::min(),
                                                     std::numeric_limits<int>::max()));
}

double TKindergeld::KindergeldJahr(int jahr, int monat, int kinder, double kurs) const
{
    return Dreisatz(true, 2, 12.0 * Kindergeld(kinder, jahr, monat), EuroFaktor(jahr), kurs);
}

double TKindergeld::KindergeldMonat(int jahr, int monat, int kinder, double kurs) const
{
    return Dreisatz(true, 2, Kindergeld(kinder, jahr, monat), EuroFaktor(jahr), kurs);
}

TKindergeld& KindergeldTabelle()
{
    static TKindergeld tabelle;
    return tabelle;
}

bool KindergeldAufAbrechnung(int jahr)
{
    return jahr >= 1996;
}

bool KindergeldMitLohnAusgezahlt(int jahr)
{
    return jahr <= 1998;
}

#include "Engine/Sozialversicherung/Beitragsbemessungsgrenzen.h"

#include "Engine/Sozialversicherung/AktuelleJahreswerte.h"
#include "Engine/Sozialversicherung/JahresTabelle.h"

#include <cstdint>

namespace {

struct TBBGZeile {
    int jahr;
    std::int32_t rvWest; // pension, whole units per month
    std::int32_t rvOst;
    std::int32_t knWest; // miners' pension insurance
    std::int32_t knOst;
    std::int32_t kvCent; // health, cents per month; built in from 2003
};

// The published monthly ceilings (the annual social-insurance values ordinances). The east's of
// 1990 hold from the currency union in July: 2,700 marks for both pension insurances (health
// three quarters of it, 2,025 marks); 2012's miners' ceilings are 6,900 and 5,900 euro as the
// ordinance of that year sets them.
constexpr TBBGZeile kBBG[] = {
    {1990, 6300, 2700, 7800, 2700, 0},
    {1991, 6500, 3400, 8000, 3400, 0},
    {1992, 6800, 4800, 8400, 5900, 0},
    {1993, 7200, 5300, 8900, 6500, 0},
    {1994, 7600, 5900, 9400, 7300, 0},
    {1995, 7800, 6400, 9600, 7800, 0},
    {1996, 8000, 6800, 9800, 8400, 0},
    {1997, 8200, 7100, 10100, 8700, 0},
    {1998, 8400, 7000, 10300, 8600, 0},
    {1999, 8500, 7200, 10400, 8800, 0},
    {2000, 8600, 7100, 10600, 8700, 0},
    {2001, 8700, 7300, 10700, 9000, 0},
    {2002, 4500, 3750, 5550, 4650, 0},
    {2003, 5100, 4250, 6250, 5250, 345000},
    {2004, 5150, 4350, 6350, 5350, 348750},
    {2005, 5200, 4400, 6400, 5400, 352500},
    {2006, 5250, 4400, 6450, 5400, 356250},
    {2007, 5250, 4550, 6450, 5550, 356250},
    {2008, 5300, 4500, 6550, 5550, 360000},
    {2009, 5400, 4550, 6650, 5600, 367500},
    {2010, 5500, 4650, 6800, 5700, 375000},
    {2011, 5500, 4800, 6750, 5900, 371250},
    {2012, 5600, 4800, 6900, 5900, 382500},
    {2013, 5800, 4900, 7100, 6050, 393750},
    {2014, 5950, 5000, 7300, 6150, 405000},
    {2015, 6050, 5200, 7450, 6350, 412500},
    {2016, 6200, 5400, 7650, 6650, 423750},
    {2017, 6350, 5700, 7850, 7000, 435000},
    {2018, 6500, 5800, 8000, 7150, 442500},
    {2019, 6700, 6150, 8200, 7600, 453750},
    {2020, 6900, 6450, 8450, 7900, 468750},
    {2021, 7100, 6700, 8700, 8250, 483750},
    {2022, 7050, 6750, 8650, 8350, 483750},
    {2023, 7300, 7100, 8950, 8700, 498750},
    {2024, 7550, 7450, 9300, 9200, 517500},
    {2025, 8050, 8050, 9900, 9900, 551250},
};

constexpr int kErstesJahr = 1990;
constexpr int kLetztesEingebautesJahr = 2025;
constexpr int kErstesKVJahr = 2003;

// A row per year, without gaps: the table is indexed by the year.
constexpr bool LueckenlosAb(int erstesJahr)
{
    int jahr = erstesJahr;
    for (const TBBGZeile& zeile : kBBG) {
        if (zeile.jahr != jahr++)
            return false;
    }
    return jahr == kLetztesEingebautesJahr + 1;
}
static_assert(LueckenlosAb(kErstesJahr), "one row per year from 1990 to 2025");

const TBBGZeile& ZeileFuer(int jahr)
{
    return kBBG[jahr - kErstesJahr];
}

} // namespace

double TBeitragsbemessungsgrenzen::BBGRV(int jahr, int monat, bool ost, bool knappschaft) const
{
    // Before the currency union of July 1990 the east paid no contributions in marks.
    if (jahr < kErstesJahr || (ost && jahr == 1990 && monat < 7))
        return 0.0;
    // The first half of 1991 in the east: one ceiling for both insurances.
    if (jahr == 1991 && ost && monat < 7)
        return 3000.0;
    if (jahr <= kLetztesEingebautesJahr) {
        const TBBGZeile& zeile = ZeileFuer(jahr);
        if (knappschaft)
            return ost ? zeile.knOst : zeile.knWest;
        return ost ? zeile.rvOst : zeile.rvWest;
    }
    return AktuelleJahreswerte().BBGRV(AktuellesJahr(jahr), ost, knappschaft);
}

double TBeitragsbemessungsgrenzen::BBGRVJahr(int jahr, int monat, bool ost, bool knappschaft) const
{
    return 12.0 * BBGRV(jahr, monat, ost, knappschaft);
}

double TBeitragsbemessungsgrenzen::BBGKV(int jahr, int monat, bool ost) const
{
    if (jahr < kErstesKVJahr)
        return 0.75 * BBGRV(jahr, monat, ost && jahr < 2001, false);
    if (jahr <= kLetztesEingebautesJahr)
        return Hundertstel(ZeileFuer(jahr).kvCent);
    return AktuelleJahreswerte().BBGKV(AktuellesJahr(jahr));
}

double TBeitragsbemessungsgrenzen::BBGKVJahr(int jahr, int monat, bool ost) const
{
    return 12.0 * BBGKV(jahr, monat, ost);
}

bool TBeitragsbemessungsgrenzen::OstGrenzen(int jahr, int monat)
{
    return (jahr > 1990 || (jahr == 1990 && monat >= 7)) && jahr < 2025;
}

bool TBeitragsbemessungsgrenzen::OstGrenzeKV(int jahr, int monat)
{
    return OstGrenzen(jahr, monat) && jahr < 2001;
}

TBeitragsbemessungsgrenzen& Beitragsbemessungsgrenzen()
{
    static TBeitragsbemessungsgrenzen grenzen;
    return grenzen;
}

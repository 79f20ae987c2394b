#include "Engine/Lohnsteuer/LStLib.h"

#include "Engine/Lohnsteuer/LStTab26.h"
#include "Engine/Lohnsteuer/LStTabDezember.h"
#include "Lib/Exception.h"

#include <cstddef>
#include <iterator>

namespace {

// The tariff periods in order: a period applies from its month on until the next one begins.
// The headers of the chain of tariff classes:
//   LStTabBase.h      TLStTabBase: inputs, results, change tracking, currency, table steps
//   LStTarifwerte.h   the values of each period: allowances, ceilings, zones, limits, rates
//   LStTab90.h        1990 to 1992: the pfennig table procedure
//   LStTab93.h        1993 to 1995: supplementary table, solidarity surcharge from 1995
//   LStTab96.h        1996 to 2001: tariffs by zones, child allowances for the surcharge only
//   LStTab02.h        2002 and 2003: euro tables, other payments and the one-fifth rule
//   LStTab04.h        2004 and 2005: the flow-chart computation, provision allowance of 2005
//   LStTab06.h        2006 and 2007
//   LStTab08.h        2008 and 2009 (TLStTab09a)
//   LStTab10.h        TLStTab10: the computation of the official flow chart that later years refine
//   LStTab11bis15.h   2011 to 2015 (with December 2011 and the amended 2015)
//   LStTab16bis21.h   2016 to 2021
//   LStTab22bis23.h   2022 and 2023 with their amendments
//   LStTab24bis25.h   2024 and 2025 with their amendments
//   LStTabDezember.h  the December recomputations of 2015 and 2024
//   LStTab26.h        2026 and later
// A new period is a constant of its values in LStTarifwerte.h, a class after the last one that
// returns it from Tarifwerte (and overrides only the steps whose flow changed), its header
// included above instead of the last one, and a row at the end of this table.
struct TTarifZeitraum {
    std::uint16_t jahr;
    std::uint16_t abMonat;
    std::unique_ptr<TLStTabBase> (*erzeugen)(int jahr, int monat);
};

constexpr TTarifZeitraum kZeitraeume[] = {
    {1990, 1, &ErzeugeLStTab<TLStTab90>},           {1991, 7, &ErzeugeLStTab<TLStTab91SolZ>},
    {1992, 1, &ErzeugeLStTab<TLStTab92SolZ>},       {1992, 7, &ErzeugeLStTab<TLStTab92>},
    {1993, 1, &ErzeugeLStTab<TLStTab93>},           {1994, 1, &ErzeugeLStTab<TLStTab94>},
    {1995, 1, &ErzeugeLStTab<TLStTab95>},           {1996, 1, &ErzeugeLStTab<TLStTab96>},
    {1997, 1, &ErzeugeLStTab<TLStTab97>},           {1998, 1, &ErzeugeLStTab<TLStTab98>},
    {1999, 1, &ErzeugeLStTab<TLStTab99>},           {2000, 1, &ErzeugeLStTab<TLStTab00>},
    {2001, 1, &ErzeugeLStTab<TLStTab01>},           {2002, 1, &ErzeugeLStTab<TLStTab02>},
    {2004, 1, &ErzeugeLStTab<TLStTab04>},           {2005, 1, &ErzeugeLStTab<TLStTab05>},
    {2006, 1, &ErzeugeLStTab<TLStTab06>},           {2007, 1, &ErzeugeLStTab<TLStTab07>},
    {2008, 1, &ErzeugeLStTab<TLStTab08>},           {2009, 1, &ErzeugeLStTab<TLStTab09a>},
    {2010, 1, &ErzeugeLStTab<TLStTab10>},           {2011, 1, &ErzeugeLStTab<TLStTab11>},
    {2011, 12, &ErzeugeLStTab<TLStTab11Dez>},       {2012, 1, &ErzeugeLStTab<TLStTab12>},
    {2013, 1, &ErzeugeLStTab<TLStTab13>},           {2014, 1, &ErzeugeLStTab<TLStTab14>},
    {2015, 1, &ErzeugeLStTab<TLStTab15>},           {2015, 12, &ErzeugeLStTab<TLStTab15Dez>},
    {2016, 1, &ErzeugeLStTab<TLStTab16>},           {2017, 1, &ErzeugeLStTab<TLStTab17>},
    {2018, 1, &ErzeugeLStTab<TLStTab18>},           {2019, 1, &ErzeugeLStTab<TLStTab19>},
    {2020, 1, &ErzeugeLStTab<TLStTab20>},           {2021, 1, &ErzeugeLStTab<TLStTab21>},
    {2022, 1, &ErzeugeLStTab<TLStTab22>},           {2022, 6, &ErzeugeLStTab<TLStTab22geaendert>},
    {2023, 1, &ErzeugeLStTab<TLStTab23>},           {2023, 4, &ErzeugeLStTab<TLStTab23geaendert>},
    {2023, 7, &ErzeugeLStTab<TLStTab23geaendert2>}, {2024, 1, &ErzeugeLStTab<TLStTab24>},
    {2024, 4, &ErzeugeLStTab<TLStTab24geaendert>},  {2024, 12, &ErzeugeLStTab<TLStTab24Dez>},
    {2025, 1, &ErzeugeLStTab<TLStTab25>},           {2025, 3, &ErzeugeLStTab<TLStTab25geaendert>},
    {2026, 1, &ErzeugeLStTab<TLStTab26>},
};

constexpr bool ZeitraeumeGeordnet()
{
    for (std::size_t i = 0; i < std::size(kZeitraeume); ++i) {
        const TTarifZeitraum& z = kZeitraeume[i];
        if (z.abMonat < 1 || z.abMonat > 12)
            return false;
        if (i > 0) {
            const TTarifZeitraum& v = kZeitraeume[i - 1];
            if (z.jahr < v.jahr || (z.jahr == v.jahr && z.abMonat <= v.abMonat))
                return false;
        }
    }
    return true;
}
static_assert(ZeitraeumeGeordnet(), "Tarifzeiträume nicht aufsteigend nach Jahr und Monat");

} // namespace

std::unique_ptr<TLStTabBase> CreateLStTab(std::uint16_t jahr, std::uint16_t monat)
{
    if (monat < 1 || monat > 12)
        throw Exception("LStLib/CreateLStTab: Ungültiger Monat");
    // From the newest period back: the current years find theirs at once.
    for (auto z = std::rbegin(kZeitraeume); z != std::rend(kZeitraeume); ++z) {
        if (jahr > z->jahr || (jahr == z->jahr && monat >= z->abMonat))
            return z->erzeugen(jahr, monat);
    }
    throw Exception("LStLib/CreateLStTab: Ungültiges Jahr");
}

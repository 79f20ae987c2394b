#pragma once
// Adjustments of the tariff tax: the relief for commercial income (1994 to 2000, 2001 with a
// differing financial year), the trade-tax credit (from 2001), the relief for profit income
// (2007), the additional table that keeps low earned incomes free (1993 to 1995) and the
// solidarity surcharge. Plain routines without state; amounts in and out are in the display
// currency with its rate kurs (display units per euro), whole units of the year's currency
// inside (DM up to 2001, euro from 2002).
#include <cstdint>
#include <limits>

class TEStTabBase;

// The additional table's "no limit".
inline constexpr std::int64_t kKeinLimit = std::numeric_limits<std::int64_t>::max();

// Relief for commercial income: the tariff tax above the lower limit less the reduced rate on
// the income above it, for the commercial share of the taxable income.
double Entlastungsbetrag32c(TEStTabBase& tarif, int jahr, bool splitting, double gewerblEink,
                            double summeEink, double zvE, double kurs);

// Credit of trade tax against income tax: a multiple of the trade-tax base amount, at most the
// tax share of the commercial income and, from 2008, at most the trade tax paid.
double Steuerermaessigung35(int jahr, double gewStMessbetrag, double gewerbesteuer,
                            double gewerblEink, double summeEink, double steuer, double kurs);

// Relief for profit income of 2007: 3 percent of the profit share above 250,000 euros.
double EntlastungGewinneinkuenfte(bool splitting, double gewinnEink, double summeEink, double zvE,
                                  double kurs);

// The tax after the additional table (whole DM): the lower of the tariff tax and the table's.
std::int64_t ZusatztabelleSteuer(int jahr, std::int64_t steuer, std::int64_t einkommen,
                                 bool splitting);
// The additional table's tax of an income in whole DM, kKeinLimit above its range.
std::int64_t Zusatztabelle93(std::int64_t einkommen, bool splitting);
std::int64_t Zusatztabelle94(std::int64_t einkommen, bool splitting);
std::int64_t Zusatztabelle95(std::int64_t einkommen, bool splitting);

// Solidarity surcharge on the assessed income tax.
double SolZBerechnen(int jahr, bool splitting, double einkommensteuer, double kurs);

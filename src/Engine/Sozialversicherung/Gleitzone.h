#pragma once
// The transition zone month by month. Every rule of the zone that a reform changed lives here, so
// that the contribution object, the payroll data and the pages ask one place instead of comparing
// years themselves:
//   April 2003    the zone begins above the limit of marginal employment ("Gleitzone")
//   2013          new limits and formula; the old ones could be kept in 2013 and 2014
//   July 2019     up to 1,300 euro, now the "Übergangsbereich"; a reduced pension contribution
//                 no longer lowers the pension, so the employee's waiver ends
//   October 2022  the employee pays on a base of his own; pay of 450.01 to 520 euro could keep
//                 the old rules until December 2023
// The limits themselves are TBeitrag's (GeringfuegigkeitsgrenzeCent, GleitzoneObergrenzeCent).

enum class TGleitzonenStand {
    kKeine,         // before April 2003
    kGleitzone,     // April 2003 to June 2019
    kUebergang2019, // July 2019 to September 2022
    kUebergang2022, // from October 2022: the employee's own base
};

TGleitzonenStand GleitzonenStand(int jahr, int monat);

// The zone's name on the pages of that month.
const char* GleitzonenBezeichnung(int jahr, int monat);

// Whether the employee may waive the reduction of his pension contribution (up to June 2019).
bool RVMinderungAbwaehlbar(int jahr, int monat);

// Whether the old rules may be kept after a reform: 2013 and 2014, October 2022 to December 2023.
bool AlteGleitzonenregelWaehlbar(int jahr, int monat);

// Whether the switch for the new zone formula means the reform of October 2022 (from 2022)
// rather than that of 2013.
bool NeueGleitzonenformelVon2022(int jahr);

// Whether the reform's limits and formula apply to a monthly pay (euro cents, all jobs). Where
// the old rules may be kept they hold only while `schalter` is off and only for pay up to the new
// lower limit: pay above it is in the new zone whatever the switch says. Elsewhere `schalter` is
// not asked: the new rules hold from 2015 on.
bool NeueGleitzonenregel(int jahr, int monat, bool schalter, double monatsentgeltEuroCent);

// The limit of marginal employment of a month in the year's own currency (marks up to 2001):
// one seventh of the monthly reference value until March 1999, then fixed amounts.
double GeringfuegigkeitsgrenzeMonat(int jahr, int monat);

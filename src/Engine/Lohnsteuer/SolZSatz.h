#pragma once
// The solidarity surcharge's rate by year, the one place that knows when it changed:
//   July 1991 to June 1992  7.5 percent, so a year's tax bears 3.75 percent in 1991 and 1992
//   1993 and 1994           none
//   1995 to 1997            7.5 percent
//   from 1998               5.5 percent

// The rate in percent of a year's tax, as the tables of that year state it.
constexpr double SolZSatzJahr(int jahr)
{
    if (jahr == 1991 || jahr == 1992)
        return 3.75;
    if (jahr < 1995)
        return 0.0;
    return jahr <= 1997 ? 7.5 : 5.5;
}

// The rate on the wage tax of pay periods ending after 30 June 1991 and before 1 July 1992
// (Solidaritätszuschlaggesetz of 24 June 1991, § 4: 7.5 percent of the wage tax).
inline constexpr double kSolZSatz1991 = 7.5;

// The rate that the tariff of a pay period applies to the wage tax from 1995 on; the pay
// periods of 1991 and 1992 are taxed by SolZSatzMonat.
constexpr double SolZSatz(int jahr)
{
    return jahr >= 1995 ? SolZSatzJahr(jahr) : 0.0;
}

// The rate on the wage tax of a pay period ending in the month, and on other payments paid in it.
constexpr double SolZSatzMonat(int jahr, int monat)
{
    if ((jahr == 1991 && monat >= 7) || (jahr == 1992 && monat <= 6))
        return kSolZSatz1991;
    return SolZSatz(jahr);
}

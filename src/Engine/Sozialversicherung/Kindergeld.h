#pragma once
// Child benefit by year, month and number of children.
//
// 1996 to 2025 are built in (German marks up to 2001, euro from 2002); 2026 and 2027 come from
// the options, every later year uses 2027. Before 1996 the wage tax knew no child benefit here,
// so the result is 0.
class TKindergeld {
public:
    TKindergeld(const TKindergeld&) = delete;
    TKindergeld& operator=(const TKindergeld&) = delete;

    // Monthly child benefit for `kinder` children, summed child by child, in whole units of
    // the year's currency.
    int Kindergeld(int kinder, int jahr, int monat) const;
    // The annual amount converted into the display currency whose rate per euro is `kurs`.
    double KindergeldJahr(int jahr, int monat, int kinder, double kurs) const;
    // The monthly amount, converted the same way.
    double KindergeldMonat(int jahr, int monat, int kinder, double kurs) const;

private:
    TKindergeld() = default;
    friend TKindergeld& KindergeldTabelle();
};

TKindergeld& KindergeldTabelle();

// From 1996 child benefit is part of the payroll statement; before, the statement has the
// additional wage-tax table of 1993 to 1995 in its place.
bool KindergeldAufAbrechnung(int jahr);
// Up to 1998 the employer paid the child benefit out with the wage, so the statement shows it
// whatever its amount.
bool KindergeldMitLohnAusgezahlt(int jahr);

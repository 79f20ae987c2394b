#pragma once
// Contribution ceilings of pension and health insurance by year and month.
//
// 1990 to 2025 are built in (whole marks up to 2001, euro from 2002); 2026 and 2027 come from
// the options, every later year uses 2027. The health ceiling before 2003 is three quarters of
// the general pension ceiling, as the law tied them then; from 2001 health insurance has one
// ceiling for west and east.
class TBeitragsbemessungsgrenzen {
public:
    TBeitragsbemessungsgrenzen(const TBeitragsbemessungsgrenzen&) = delete;
    TBeitragsbemessungsgrenzen& operator=(const TBeitragsbemessungsgrenzen&) = delete;

    // Monthly pension ceiling: general or miners' insurance, west or east.
    double BBGRV(int jahr, int monat, bool ost, bool knappschaft) const;
    double BBGRVJahr(int jahr, int monat, bool ost, bool knappschaft) const;
    // Monthly health ceiling.
    double BBGKV(int jahr, int monat, bool ost) const;
    double BBGKVJahr(int jahr, int monat, bool ost) const;

    // Whether the east has pension ceilings of its own: from the currency union of July 1990 to
    // 2024.
    static bool OstGrenzen(int jahr, int monat);
    // Whether the east has a health ceiling of its own: from July 1990 to 2000.
    static bool OstGrenzeKV(int jahr, int monat);

private:
    TBeitragsbemessungsgrenzen() = default;
    friend TBeitragsbemessungsgrenzen& Beitragsbemessungsgrenzen();
};

TBeitragsbemessungsgrenzen& Beitragsbemessungsgrenzen();

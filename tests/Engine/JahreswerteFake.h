#pragma once
// Current-year values that differ per year, so that a test sees which year was asked for.
#include "Engine/Sozialversicherung/AktuelleJahreswerte.h"

class TJahreswerteFake : public TAktuelleJahreswerte {
public:
    double Kindergeld(int jahr, int monat, int kind) const override
    {
        // 2027 pays one euro more per child from July; each further child 0.5 more (rounded).
        const double basis = jahr == 2026 ? 259.0 : 265.0;
        return basis + (jahr == 2027 && monat >= 7 ? 1.0 : 0.0) + (kind >= 5 ? 0.5 : 0.0);
    }
    double BBGRV(int jahr, bool ost, bool knappschaft) const override
    {
        return (jahr == 2026 ? 8000.0 : 9000.0) + (ost ? 1.0 : 0.0) + (knappschaft ? 10.0 : 0.0);
    }
    double BBGKV(int jahr) const override { return jahr == 2026 ? 5812.5 : 6112.5; }
    double Beitragssatz(int jahr, int monat, int index) const override
    {
        return jahr * 0.001 + monat * 0.1 + index;
    }
    double GesamtSVSatz(int jahr) const override { return jahr == 2026 ? 42.3 : 40.0; }
};

// Puts the fake in place for the life of the guard.
class TJahreswerteGuard {
public:
    explicit TJahreswerteGuard(const TAktuelleJahreswerte& werte)
    {
        SetAktuelleJahreswerte(&werte);
    }
    ~TJahreswerteGuard() { SetAktuelleJahreswerte(nullptr); }
    TJahreswerteGuard(const TJahreswerteGuard&) = delete;
    TJahreswerteGuard& operator=(const TJahreswerteGuard&) = delete;
};

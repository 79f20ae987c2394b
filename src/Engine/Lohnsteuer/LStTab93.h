#pragma once
// 1993 to 1995: the supplementary table and, from 1995, the solidarity surcharge.
//
// The supplementary table may lower the tax of low wages: the annual tax is computed once more
// from the wage less the allowance alone (without pension allowance and old-age relief) and
// capped by a multiple of its excess over a limit of the tax class. The computation of the annual
// tax moves into Jahreslohnsteuer, which the later classes reuse.
#include "Engine/Lohnsteuer/LStTab90.h"

class TLStTab93 : public TLStTab92 {
public:
    std::string Name() const override { return "1993"; }
    double GetValue(int index) override;

protected:
    // Classes 1 to 4: the tax below which the supplementary table applies, and the limit of
    // its cap.
    struct TZusatzGrenzen {
        double erste[4];
        double zweite[4];
    };

    void Berechnen() override;
    double VersorgungsHoechstbetrag() const override { return 600000; }

    virtual void ZwischenwerteLoeschen();
    virtual void Jahreslohnsteuer();
    virtual void Zusatztabelle();
    virtual const TZusatzGrenzen& ZusatzGrenzen() const;
    // There is no solidarity surcharge before 1995.
    virtual void Solidaritaetszuschlag() {}
    long double VorsorgepauschaleAlt() override;
    long double TarifKlasse5und6(long double x) const override;

    // Reruns the annual tax on the wage less the allowance; the supplementary tax.
    double Zusatzsteuer();
    // Takes a capped supplementary tax when it lowers the tax of the period.
    void ZusatztabelleAnwenden(double zusatzsteuer, double kappung);
    // Classes 1 to 4: the tax below which the table applies, and the limit of the cap.
    double ErsteGrenze() const;
};

class TLStTab94 : public TLStTab93 {
public:
    std::string Name() const override { return "1994"; }

protected:
    const TZusatzGrenzen& ZusatzGrenzen() const override;
};

// 1995: the supplementary table caps by a fixed formula; the solidarity surcharge begins.
class TLStTab95 : public TLStTab94 {
public:
    std::string Name() const override { return "1995"; }

protected:
    const TZusatzGrenzen& ZusatzGrenzen() const override;
    void Zusatztabelle() override;
    void Solidaritaetszuschlag() override;
};

#pragma once
// The tariff periods 2024 and 2025, with their amendments within the year.
#include "Engine/Lohnsteuer/LStTab22bis23.h"

// January to March 2024: the care shares follow the care rate of the year again (no
// averaging).
class TLStTab24 : public TLStTab23geaendert2 {
public:
    std::string Name() const override { return "2024"; }
    const TLStTarifwerte& Tarifwerte() const override { return kTarifwerte2024; }

protected:
    void Parameter() override;
};

// April to November 2024: the care share of the employee drops with every further child.
class TLStTab24geaendert : public TLStTab24 {
public:
    std::string Name() const override { return "2024"; }

protected:
    void Parameter() override;
};

// January and February 2025: the pension allowance and the old-age relief follow the slower
// phase-out of the law in force from 2023; the one-fifth rule left the wage-tax deduction, so the
// inputs that fed it are always 0.
class TLStTab25 : public TLStTab24geaendert {
public:
    std::string Name() const override { return "2025"; }
    const TLStTarifwerte& Tarifwerte() const override { return kTarifwerte2025; }

protected:
    void Versorgungsfreibetrag(int jahr, double& prozentsatz, double& zuschlag,
                               double& hoechstbetrag) const override;
    long double VersorgungsHoechstbetragAnteilig(double hoechstbetrag, int monate) const override;
    void Altersentlastung(int jahr, double& prozentsatz, double& hoechstbetrag) const override;
    void Parameter() override;
    void SonstigeBezuegeFuenftel() override;
    bool CurrGenutzt(int index) const override;
};

// March to December 2025: higher basic allowance and child allowance.
class TLStTab25geaendert : public TLStTab25 {
public:
    std::string Name() const override { return "2025"; }
    const TLStTarifwerte& Tarifwerte() const override { return kTarifwerte2025geaendert; }
};

#pragma once
// The tariff periods 2022 and 2023, with their amendments within the year.
#include "Engine/Lohnsteuer/LStTab16bis21.h"

// 2022: the full additional health rate counts for the employee, the average one for the
// employer; tax-free advantages of employee share schemes enter the other payments, and an
// other payment that lowers the tax lowers the period results where such advantages are paid.
class TLStTab22 : public TLStTab21 {
public:
    std::string Name() const override { return "2022"; }

protected:
    void InitTarifwerte() override;
    void InitBBG() override;
    double RVAnteil() const override { return 0.88; }
    void Parameter() override;
    long double Tarif(long double x) const override;
    bool KeinSonstigerBezug() const override;
    void VorsorgeBemessungSonstige() override;
    void SonstigeBezuegeErgebnis(double differenz) override;
};

// June to December 2022: basic allowance 10347, employee lump sum 1200.
class TLStTab22geaendert : public TLStTab22 {
public:
    std::string Name() const override { return "2022"; }

protected:
    void InitTarifwerte() override;
    double Arbeitnehmerpauschbetrag() const override { return 1200; }
    void Parameter() override;
    long double Tarif(long double x) const override;
};

// January to March 2023: basic allowance 10908, the whole pension contribution counts.
class TLStTab23 : public TLStTab22geaendert {
public:
    std::string Name() const override { return "2023"; }

protected:
    void InitTarifwerte() override;
    void InitBBG() override;
    void InitKinderfreibetrag() override;
    double RVAnteil() const override { return 1.0; }
    void Parameter() override;
    long double Tarif(long double x) const override;
};

// April to June 2023: employee lump sum 1230 and single-parent relief 4260.
class TLStTab23geaendert : public TLStTab23 {
public:
    std::string Name() const override { return "2023"; }

protected:
    void InitTarifwerte() override;
    double Arbeitnehmerpauschbetrag() const override { return 1230; }
};

// July to December 2023: the care contribution changed mid-year; an annual computation takes
// the average care shares of the year.
class TLStTab23geaendert2 : public TLStTab23geaendert {
public:
    std::string Name() const override { return "2023"; }

protected:
    void Parameter() override;
};

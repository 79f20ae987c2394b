#pragma once
// The tariff periods 2022 and 2023, with their amendments within the year.
#include "Engine/Lohnsteuer/LStTab16bis21.h"

// 2022: the full additional health rate counts for the employee, the average one for the
// employer; tax-free advantages of employee share schemes enter the other payments, and an
// other payment that lowers the tax lowers the period results where such advantages are paid.
class TLStTab22 : public TLStTab21 {
public:
    std::string Name() const override { return "2022"; }
    const TLStTarifwerte& Tarifwerte() const override { return kTarifwerte2022; }

protected:
    void Parameter() override;
    bool KeinSonstigerBezug() const override;
    void VorsorgeBemessungSonstige() override;
    void SonstigeBezuegeErgebnis(double differenz) override;
};

// June to December 2022: higher basic allowance and employee lump sum.
class TLStTab22geaendert : public TLStTab22 {
public:
    std::string Name() const override { return "2022"; }
    const TLStTarifwerte& Tarifwerte() const override { return kTarifwerte2022geaendert; }
};

// January to March 2023: the whole pension contribution counts.
class TLStTab23 : public TLStTab22geaendert {
public:
    std::string Name() const override { return "2023"; }
    const TLStTarifwerte& Tarifwerte() const override { return kTarifwerte2023; }
};

// April to June 2023: higher employee lump sum and single-parent relief.
class TLStTab23geaendert : public TLStTab23 {
public:
    std::string Name() const override { return "2023"; }
    const TLStTarifwerte& Tarifwerte() const override { return kTarifwerte2023geaendert; }
};

// July to December 2023: the care contribution changed mid-year; an annual computation takes
// the average care shares of the year.
class TLStTab23geaendert2 : public TLStTab23geaendert {
public:
    std::string Name() const override { return "2023"; }

protected:
    void Parameter() override;
};

#pragma once
// The tariff periods 2016 to 2021: a new tariff formula every year; from 2016 the pension
// allowance is also limited to the annual pension payments, from 2021 the solidarity surcharge
// has the high exemption limit with its 11.9 % transition.
#include "Engine/Lohnsteuer/LStTab11bis15.h"

class TLStTab16 : public TLStTab15geaendert {
public:
    std::string Name() const override { return "2016"; }
    const TLStTarifwerte& Tarifwerte() const override { return kTarifwerte2016; }

protected:
    bool VersorgungsfreibetragBisBezug() const override { return true; }
};

class TLStTab17 : public TLStTab16 {
public:
    std::string Name() const override { return "2017"; }
    const TLStTarifwerte& Tarifwerte() const override { return kTarifwerte2017; }
};

class TLStTab18 : public TLStTab17 {
public:
    std::string Name() const override { return "2018"; }
    const TLStTarifwerte& Tarifwerte() const override { return kTarifwerte2018; }
};

// 2019: the additional health contribution is shared by employer and employee again.
class TLStTab19 : public TLStTab18 {
public:
    std::string Name() const override { return "2019"; }
    const TLStTarifwerte& Tarifwerte() const override { return kTarifwerte2019; }

protected:
    void Parameter() override;
};

class TLStTab20 : public TLStTab19 {
public:
    std::string Name() const override { return "2020"; }
    const TLStTarifwerte& Tarifwerte() const override { return kTarifwerte2020; }
};

// 2021: solidarity surcharge only above the high exemption limit, with the 11.9 % transition;
// the surcharges of the other payments and of the one-fifth part follow the same limit.
class TLStTab21 : public TLStTab20 {
public:
    std::string Name() const override { return "2021"; }
    const TLStTarifwerte& Tarifwerte() const override { return kTarifwerte2021; }

protected:
    void Solidaritaetszuschlag() override;
    void SolidaritaetszuschlagSonstige() override;
    void SolidaritaetszuschlagFuenftel() override;
};

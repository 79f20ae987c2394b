#pragma once
// The tariff periods 2011 to 2015 (before the amendment of the 2015 allowances).
#include "Engine/Lohnsteuer/LStTab10.h"

// 2011: the tax-free compensation part leaves the provision base of the annual tax without the
// other payment.
class TLStTab11 : public TLStTab10 {
public:
    std::string Name() const override { return "2011"; }
    const TLStTarifwerte& Tarifwerte() const override { return kTarifwerte2011; }

protected:
    void VorsorgeEntschaedigungOhne() override;
};

// December 2011: the raised employee lump sum of the whole year, caught up in the last month.
class TLStTab11Dez final : public TLStTab11 {
public:
    std::string Name() const override { return "2011 Dezember"; }

protected:
    double Arbeitnehmerpauschbetrag() const override;
};

// 2012: an other payment of exactly 0 ends the other-payment run.
class TLStTab12 : public TLStTab11 {
public:
    std::string Name() const override { return "2012"; }
    const TLStTarifwerte& Tarifwerte() const override { return kTarifwerte2012; }

protected:
    bool KeinSonstigerBezug() const override { return m_sonstigerBezug == 0; }
};

class TLStTab13 : public TLStTab12 {
public:
    std::string Name() const override { return "2013"; }
    const TLStTarifwerte& Tarifwerte() const override { return kTarifwerte2013; }
};

class TLStTab14 : public TLStTab13 {
public:
    std::string Name() const override { return "2014"; }
    const TLStTarifwerte& Tarifwerte() const override { return kTarifwerte2014; }
};

// 2015 as first published: the health contribution's special part became the fund's
// additional rate, the tariff of 2014 stays.
class TLStTab15 : public TLStTab14 {
public:
    std::string Name() const override { return "2015"; }
    const TLStTarifwerte& Tarifwerte() const override { return kTarifwerte2015; }
};

// 2015 as amended in the summer: higher basic allowance, child allowance and single-parent
// relief.
class TLStTab15geaendert : public TLStTab15 {
public:
    std::string Name() const override { return "2015 geändert"; }
    const TLStTarifwerte& Tarifwerte() const override { return kTarifwerte2015geaendert; }
};

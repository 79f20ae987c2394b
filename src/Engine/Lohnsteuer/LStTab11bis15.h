#pragma once
// The tariff periods 2011 to 2015 (before the amendment of the 2015 allowances).
#include "Engine/Lohnsteuer/LStTab10.h"

// 2011: lower health ceiling; the tax-free compensation part leaves the provision base of the
// annual tax without the other payment.
class TLStTab11 : public TLStTab10 {
public:
    std::string Name() const override { return "2011"; }

protected:
    void InitBBG() override;
    double RVAnteil() const override { return 0.44; }
    void VorsorgeEntschaedigungOhne() override;
};

// December 2011: the raised employee lump sum of the whole year, caught up in the last month.
class TLStTab11Dez : public TLStTab11 {
public:
    std::string Name() const override { return "2011 Dezember"; }

protected:
    double Arbeitnehmerpauschbetrag() const override;
};

// 2012: employee lump sum 1000; an other payment of exactly 0 ends the other-payment run.
class TLStTab12 : public TLStTab11 {
public:
    std::string Name() const override { return "2012"; }

protected:
    void InitBBG() override;
    void InitRVSatz() override;
    double RVAnteil() const override { return 0.48; }
    double Arbeitnehmerpauschbetrag() const override { return 1000; }
    bool KeinSonstigerBezug() const override { return m_sonstigerBezug == 0; }
};

// 2013: basic allowance 8130 and a new tariff formula.
class TLStTab13 : public TLStTab12 {
public:
    std::string Name() const override { return "2013"; }

protected:
    void InitTarifwerte() override;
    void InitBBG() override;
    void InitRVSatz() override;
    double RVAnteil() const override { return 0.52; }
    void Parameter() override;
    long double Tarif(long double x) const override;
};

// 2014: basic allowance 8354.
class TLStTab14 : public TLStTab13 {
public:
    // The tariff formula, also taken by the December recomputation.
    static constexpr TTarifZonen kZonen{974.58, 1400,  13470, 228.74, 2397,
                                        971,    52882, 8239,  250731, 15761};

    std::string Name() const override { return "2014"; }

protected:
    void InitTarifwerte() override;
    void InitBBG() override;
    double RVAnteil() const override { return 0.56; }
    void Parameter() override;
    long double Tarif(long double x) const override;
};

// 2015 as first published: the health contribution's special part became the fund's
// additional rate, the tariff of 2014 stays.
class TLStTab15 : public TLStTab14 {
public:
    std::string Name() const override { return "2015"; }

protected:
    void InitBBG() override;
    void InitRVSatz() override;
    double RVAnteil() const override { return 0.6; }
};

// 2015 as amended in the summer: basic allowance 8472, child allowance 7152, single-parent
// relief 1908; the wage limits of tax classes 5 and 6 move to the year parameters.
class TLStTab15geaendert : public TLStTab15 {
public:
    std::string Name() const override { return "2015 geändert"; }

protected:
    void InitTarifwerte() override;
    void InitKinderfreibetrag() override;
    void Parameter() override;
    long double Tarif(long double x) const override;
};

#include "Engine/Lohnsteuer/LStTab16bis21.h"

#include "Lib/Betrag.h"

void TLStTab16::InitTarifwerte()
{
    TLStTab15geaendert::InitTarifwerte();
    m_doub[ldGrundfreibetrag] = 8652;
}

void TLStTab16::InitBBG()
{
    m_doub[ldBBGKV] = 50850;
    m_doub[ldBBGRV] = 74400;
}

void TLStTab16::InitKinderfreibetrag()
{
    m_doub[ldKinderfreibetrag] = 7248;
}

void TLStTab16::Parameter()
{
    TLStTab15geaendert::Parameter();
    m_p.grenze1 = 10070;
    m_p.grenze2 = 26832;
    m_p.grenze3 = 203557;
}

long double TLStTab16::Tarif(long double x) const
{
    static constexpr TTarifZonen kZonen{993.62, 1400,  13670,   225.40, 2397,
                                        952.48, 53666, 8394.14, 254447, 16027.52};
    return TarifNachZonen(x, kZonen);
}

void TLStTab17::InitTarifwerte()
{
    TLStTab16::InitTarifwerte();
    m_doub[ldGrundfreibetrag] = 8820;
}

void TLStTab17::InitBBG()
{
    m_doub[ldBBGKV] = 52200;
    m_doub[ldBBGRV] = 76200;
}

void TLStTab17::InitKinderfreibetrag()
{
    m_doub[ldKinderfreibetrag] = 7356;
}

void TLStTab17::Parameter()
{
    TLStTab16::Parameter();
    m_p.grenze1 = 10240;
    m_p.grenze2 = 27029;
    m_p.grenze3 = 205043;
}

long double TLStTab17::Tarif(long double x) const
{
    static constexpr TTarifZonen kZonen{1007.27, 1400,  13770,   223.76, 2397,
                                        939.57,  54058, 8475.44, 256304, 16164.53};
    return TarifNachZonen(x, kZonen);
}

void TLStTab18::InitTarifwerte()
{
    TLStTab17::InitTarifwerte();
    m_doub[ldGrundfreibetrag] = 9000;
}

void TLStTab18::InitBBG()
{
    m_doub[ldBBGKV] = 53100;
    m_doub[ldBBGRV] = 78000;
}

void TLStTab18::InitKinderfreibetrag()
{
    m_doub[ldKinderfreibetrag] = 7428;
}

void TLStTab18::InitRVSatz()
{
    m_doub[ldRVSatz] = 18.6;
}

void TLStTab18::Parameter()
{
    TLStTab17::Parameter();
    m_p.grenze1 = 10440;
    m_p.grenze2 = 27475;
    m_p.grenze3 = 208426;
}

long double TLStTab18::Tarif(long double x) const
{
    static constexpr TTarifZonen kZonen{997.80, 1400,  13997,   220.13, 2397,
                                        948.49, 54950, 8621.75, 260533, 16437.70};
    return TarifNachZonen(x, kZonen);
}

void TLStTab19::InitTarifwerte()
{
    TLStTab18::InitTarifwerte();
    m_doub[ldGrundfreibetrag] = 9168;
    m_doub[ldKVZusatzDurchschnitt] = 0.9;
}

void TLStTab19::InitBBG()
{
    m_doub[ldBBGKV] = 54450;
    m_doub[ldBBGRV] = 80400;
}

void TLStTab19::InitKinderfreibetrag()
{
    m_doub[ldKinderfreibetrag] = 7620;
}

void TLStTab19::Parameter()
{
    TLStTab18::Parameter();
    // The employer's share that a private insurance is lowered by counts half the average
    // additional rate of the year.
    m_p.kvSatzAN = 0.005L * m_doub[ldKVSatz] + 0.005L * m_doub[ldKVZusatzSatz];
    m_p.kvSatzAG = 0.005L * (m_doub[ldKVSatz] + m_doub[ldKVZusatzDurchschnitt]);
    m_p.grenze1 = 10635;
    m_p.grenze2 = 27980;
    m_p.grenze3 = 212261;
}

long double TLStTab19::Tarif(long double x) const
{
    static constexpr TTarifZonen kZonen{980.14, 1400,  14255,   216.16, 2397,
                                        965.58, 55961, 8780.90, 265327, 16740.68};
    return TarifNachZonen(x, kZonen);
}

void TLStTab20::InitTarifwerte()
{
    TLStTab19::InitTarifwerte();
    m_doub[ldGrundfreibetrag] = 9408;
    m_doub[ldKVZusatzDurchschnitt] = 1.1;
}

void TLStTab20::InitBBG()
{
    m_doub[ldBBGKV] = 56250;
    m_doub[ldBBGRV] = 82800;
}

void TLStTab20::InitKinderfreibetrag()
{
    m_doub[ldKinderfreibetrag] = 7812;
}

void TLStTab20::Parameter()
{
    TLStTab19::Parameter();
    m_p.grenze1 = 10898;
    m_p.grenze2 = 28526;
    m_p.grenze3 = 216400;
}

long double TLStTab20::Tarif(long double x) const
{
    static constexpr TTarifZonen kZonen{972.87, 1400,  14533,   212.02, 2397,
                                        972.79, 57052, 8963.74, 270501, 17078.74};
    return TarifNachZonen(x, kZonen);
}

void TLStTab21::InitTarifwerte()
{
    TLStTab20::InitTarifwerte();
    m_doub[ldGrundfreibetrag] = 9744;
    m_doub[ldKVZusatzDurchschnitt] = 1.3;
}

void TLStTab21::InitBBG()
{
    m_doub[ldBBGKV] = 58050;
    m_doub[ldBBGRV] = 85200;
}

void TLStTab21::InitKinderfreibetrag()
{
    m_doub[ldKinderfreibetrag] = 8388;
}

void TLStTab21::Parameter()
{
    TLStTab20::Parameter();
    m_p.grenze1 = 11237;
    m_p.grenze2 = 28959;
    m_p.grenze3 = 219690;
    m_p.solzFreigrenze = 16956;
}

long double TLStTab21::Tarif(long double x) const
{
    static constexpr TTarifZonen kZonen{995.21, 1400,  14754,   208.85, 2397,
                                        950.96, 57919, 9136.63, 274613, 17374.99};
    return TarifNachZonen(x, kZonen);
}

void TLStTab21::Solidaritaetszuschlag()
{
    TWerte& w = m_w;
    w.solzFreigrenzeTabelle = m_p.solzFreigrenze * w.kztab;
    if (w.jbmg > w.solzFreigrenzeTabelle) {
        // In cents: 5.5 % of the base, at most 11.9 % of its excess over the exemption limit.
        double solz = Abschneiden(w.jbmg * 5.5);
        Hoechstens(solz, Abschneiden((w.jbmg - w.solzFreigrenzeTabelle) * 11.9));
        w.solzJahr = solz;
        m_erg[leSolZ] = PeriodenBetrag(solz);
    } else {
        w.solzJahr = 0;
        m_erg[leSolZ] = 0;
    }
    m_erg[leKiStBasis] =
        m_bool[lbKirchensteuer] ? PeriodenBetrag(static_cast<long double>(w.jbmg) * 100) : 0;
}

void TLStTab21::SolidaritaetszuschlagSonstige()
{
    // The annual tax with the other payment (without child allowances) decides whether the
    // exemption limit is passed.
    TWerte& w = m_w;
    // Without child allowances that is the tax just computed with the other payment.
    if (m_doub[ldKinderfreibetraege] > 0) {
        w.zve -= w.kfb;
        SteuerAusEinkommen();
    }
    const double basis = AbschneidenAlsDouble(w.st * w.faktor);
    m_erg[leSolZSonst] =
        basis > w.solzFreigrenzeTabelle ? Abschneiden(m_erg[leLStSonst] * 5.5 * 0.01) : 0;
}

void TLStTab21::SolidaritaetszuschlagFuenftel()
{
    const double vergleich = 0.01 * m_erg[leLStFuenftel] + m_w.jbmg;
    m_erg[leSolZFuenftel] =
        vergleich > m_w.solzFreigrenzeTabelle ? Abschneiden(m_erg[leLStFuenftel] * 5.5 * 0.01) : 0;
}

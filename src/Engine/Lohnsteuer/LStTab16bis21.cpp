#include "Engine/Lohnsteuer/LStTab16bis21.h"

#include "Lib/Betrag.h"

void TLStTab19::Parameter()
{
    TLStTab18::Parameter();
    // The employer's share that a private insurance is lowered by counts half the average
    // additional rate of the year.
    m_p.kvSatzAN = 0.005L * m_doub[ldKVSatz] + 0.005L * m_doub[ldKVZusatzSatz];
    m_p.kvSatzAG = 0.005L * (m_doub[ldKVSatz] + m_doub[ldKVZusatzDurchschnitt]);
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

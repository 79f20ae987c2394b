#include "Engine/Lohnsteuer/LStTab22bis23.h"

#include "Lib/Betrag.h"

#include <algorithm>

void TLStTab22::Parameter()
{
    TLStTab21::Parameter();
    m_p.kvSatzAN = 0.005L * (m_doub[ldKVSatz] + m_doub[ldKVZusatzSatz]);
    m_p.kvSatzAG = 0.005L * (m_doub[ldKVSatz] + m_doub[ldKVZusatzDurchschnitt]);
}

bool TLStTab22::KeinSonstigerBezug() const
{
    return m_sonstigerBezug == 0 && m_doub[ldVermoegensbeteiligung] == 0;
}

void TLStTab22::VorsorgeBemessungSonstige()
{
    m_w.zre4vp = AbrundenCent(m_w.zre4vp + m_doub[ldVermoegensbeteiligung] * 0.01L -
                              m_doub[ldJahresEntschaedigung] * 0.01L -
                              m_doub[ldSonstEntschaedigung] * 0.01L);
}

void TLStTab22::SonstigeBezuegeErgebnis(double differenz)
{
    const double sts = MitFaktor(differenz);
    if (sts >= 0) {
        m_erg[leLStSonst] = sts;
        SolidaritaetszuschlagSonstige();
        return;
    }
    if (m_doub[ldVermoegensbeteiligung] != 0) {
        m_erg[leLohnsteuer] = std::max(0.0, m_erg[leLohnsteuer] + sts);
        m_erg[leSolZ] = std::max(0.0, Abschneiden(sts * 5.5 * 0.01 + m_erg[leSolZ]));
        m_erg[leKiStBasis] = std::max(0.0, m_erg[leKiStBasis] + sts);
    }
    m_erg[leLStSonst] = 0;
    m_erg[leSolZSonst] = 0;
}

void TLStTab23geaendert2::Parameter()
{
    TLStTab23geaendert::Parameter();
    if (m_int[liZeitraum] != 1)
        return;
    // Half a year at the old and half at the new care rate.
    if (m_bool[lbPVSachsen]) {
        m_p.pvSatzAN = 0.021125L;
        m_p.pvSatzAG = 0.011125L;
    } else {
        m_p.pvSatzAN = 0.016125L;
        m_p.pvSatzAG = 0.016125L;
    }
    if (m_bool[lbKinderlos])
        m_p.pvSatzAN += 0.00475L;
}

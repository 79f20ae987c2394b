#include "Engine/Lohnsteuer/LStTab22bis23.h"

#include "Lib/Betrag.h"

#include <algorithm>

void TLStTab22::InitTarifwerte()
{
    TLStTab21::InitTarifwerte();
    m_doub[ldGrundfreibetrag] = 9984;
    m_doub[ldKVZusatzDurchschnitt] = 1.3;
    m_efaVorgabe = 4008;
}

void TLStTab22::InitBBG()
{
    m_doub[ldBBGKV] = 58050;
    m_doub[ldBBGRV] = 84600;
}

void TLStTab22::Parameter()
{
    TLStTab21::Parameter();
    m_p.kvSatzAN = 0.005L * (m_doub[ldKVSatz] + m_doub[ldKVZusatzSatz]);
    m_p.kvSatzAG = 0.005L * (m_doub[ldKVSatz] + m_doub[ldKVZusatzDurchschnitt]);
    m_p.grenze1 = 11480;
    m_p.grenze2 = 29298;
    m_p.grenze3 = 222260;
}

long double TLStTab22::Tarif(long double x) const
{
    static constexpr TTarifZonen kZonen{1008.70, 1400,  14927,   206.43, 2397,
                                        938.24,  58597, 9267.53, 277826, 17602.28};
    return TarifNachZonen(x, kZonen);
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

void TLStTab22geaendert::InitTarifwerte()
{
    TLStTab22::InitTarifwerte();
    m_doub[ldGrundfreibetrag] = 10347;
}

void TLStTab22geaendert::Parameter()
{
    TLStTab22::Parameter();
    m_p.grenze1 = 11793;
}

long double TLStTab22geaendert::Tarif(long double x) const
{
    static constexpr TTarifZonen kZonen{1088.67, 1400,  14927,   206.43, 2397,
                                        869.32,  58597, 9336.45, 277826, 17671.20};
    return TarifNachZonen(x, kZonen);
}

void TLStTab23::InitTarifwerte()
{
    TLStTab22geaendert::InitTarifwerte();
    m_doub[ldGrundfreibetrag] = 10908;
    m_doub[ldKVZusatzDurchschnitt] = 1.6;
}

void TLStTab23::InitBBG()
{
    m_doub[ldBBGKV] = 59850;
    m_doub[ldBBGRV] = 87600;
}

void TLStTab23::InitKinderfreibetrag()
{
    m_doub[ldKinderfreibetrag] = 8952;
}

void TLStTab23::Parameter()
{
    TLStTab22geaendert::Parameter();
    m_p.grenze1 = 12485;
    m_p.grenze2 = 31404;
    m_p.grenze3 = 222260;
    m_p.solzFreigrenze = 17543;
}

long double TLStTab23::Tarif(long double x) const
{
    static constexpr TTarifZonen kZonen{979.18, 1400,  16000,   192.59, 2397,
                                        966.53, 62810, 9972.98, 277826, 18307.73};
    return TarifNachZonen(x, kZonen);
}

void TLStTab23geaendert::InitTarifwerte()
{
    TLStTab23::InitTarifwerte();
    m_efaVorgabe = 4260;
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

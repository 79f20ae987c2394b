#include "Engine/Lohnsteuer/LStTab26.h"

#include "Lib/Betrag.h"

#include <algorithm>

void TLStTab26::Parameter()
{
    TJahresParameter& p = m_p;
    p.rvSatzAN = 0.005L * m_doub[ldRVSatz];
    p.alvSatzAN = 0.005L * m_doub[ldAVSatz];
    p.kvSatzAN = 0.005L * (m_doub[ldKVSatz] + m_doub[ldKVZusatzSatz]);
    const long double pvSatz = m_doub[ldPVSatz];
    p.pvSatzAN = m_bool[lbPVSachsen] ? 0.005L * (pvSatz + 1.0L) : 0.005L * pvSatz;
    if (m_bool[lbKinderlos])
        p.pvSatzAN += 0.01L * m_doub[ldPVKinderlosSatz];
    else
        p.pvSatzAN -= 0.0025L * m_int[liPVKinder];
    p.bbgKV = m_doub[ldBBGKV];
    p.bbgRV = m_doub[ldBBGRV];
    p.grenze1 = m_werte->grenze1;
    p.grenze2 = m_werte->grenze2;
    p.grenze3 = m_werte->grenze3;
    p.solzFreigrenze = m_werte->solzFreigrenze;
}

long double TLStTab26::Klasse5und6Wert(long double a) const
{
    const long double st1 = Tarif(AbschneidenAlsDouble(a * 1.25L));
    const long double st2 = Tarif(AbschneidenAlsDouble(a * 0.75L));
    const long double differenz = (st1 - st2) * 2;
    const long double mindest = AbschneidenAlsDouble(a * 0.14L);
    return mindest > differenz ? mindest : differenz;
}

inline void TLStTab26::VorsorgeKrankenPflege()
{
    TWerte& w = m_w;
    if (m_int[liKVArt] == 0) {
        w.vsp3 = AbrundenCent(std::min(w.zre4vp, m_p.bbgKV) * (m_p.kvSatzAN + m_p.pvSatzAN));
    } else if (m_int[liSteuerklasse] == 6) {
        w.vsp3 = 0;
    } else {
        const long double zuschuss = m_curr[lcPKVZuschuss] * 12 * 0.01L;
        w.vsp3 = m_curr[lcPKVBeitrag] * 12 * 0.01L - zuschuss;
        MindestensExt(w.vsp3, 0);
    }
}

inline void TLStTab26::VorsorgeHoechstbetrag()
{
    // Unemployment, health and care together count up to 1900 euros; the pension part on top.
    TWerte& w = m_w;
    const long double alv = AbrundenCent(std::min(w.zre4vp, m_p.bbgRV) * m_p.alvSatzAN);
    long double begrenzt = alv + w.vsp3;
    HoechstensExt(begrenzt, 1900);
    w.vspn = AufrundenGanz(w.vsp1 + begrenzt);
    MindestensExt(w.vsp, w.vspn);
}

void TLStTab26::Vorsorgepauschale()
{
    TWerte& w = m_w;
    w.vsp1 = m_int[liRVArt] != 1 ? AbrundenCent(std::min(w.zre4vp, m_p.bbgRV) * m_p.rvSatzAN) : 0;
    VorsorgeKrankenPflege();
    w.vsp = AufrundenGanz(w.vsp3 + w.vsp1);
    if (m_int[liKeineAV] != 1 && m_int[liSteuerklasse] != 6)
        VorsorgeHoechstbetrag();
}

#include "Engine/Lohnsteuer/LStTab06.h"

#include <algorithm>
#include <cmath>

namespace {

const TTarif04 kTarif07 = {7665, 7664,  883.74, 1500, 12740,  228.74, 2397,
                           989,  52152, 0.42,   7914, 250001, 15414};

} // namespace

void TLStTab06::VersorgungJahr(double hoechst, double zuschlag)
{
    TLStTab05::VersorgungJahr(hoechst, zuschlag);
    // Death benefits and capitalised payments take the full maximum and supplement.
    if (m_curr[lcSterbegeld] + m_curr[lcVersKapital] > 0) {
        m_b.versHoechst = hoechst * 100.0L;
        m_b.versZuschlag = zuschlag;
    } else {
        const int monate = m_int[liVersMonate];
        m_b.versHoechst = (1.0L / 12) * hoechst * monate * 100;
        m_b.versZuschlag = AufrundenGanz((1.0L / 12) * zuschlag * monate);
    }
}

void TLStTab06::LohnNachFreibetraegen()
{
    m_b.fuenftelKenn = 0;
    TLStTab05::LohnNachFreibetraegen();
}

void TLStTab06::LohnNachJahresfreibetraegen()
{
    TLStTab05::LohnNachJahresfreibetraegen();
    Versorgungsfreibetraege();
    Tabellenfreibetraege();
}

long double TLStTab06::VersorgungNachFreibetrag() const
{
    return std::max(0.0L, AufJahr(m_curr[lcVersBezug] - m_b.versFreibetragZ));
}

void TLStTab06::Versorgungsfreibetraege()
{
    TLStTab05::Versorgungsfreibetraege();
    m_b.zvbez = VersorgungNachFreibetrag();
}

void TLStTab06::Tabellenfreibetraege()
{
    TWerte04& b = m_b;
    const int klasse = Steuerklasse();
    b.anp = 0;
    if (IstPositiv(b.zvbez) && b.zvbez < b.versZuschlag)
        b.versZuschlag = AbschneidenAlsDouble(b.zvbez);
    if (klasse <= 5 && b.zvbez > 0) {
        const long double rest = b.zvbez - b.versZuschlag;
        b.anp = rest >= 102 ? 102 : AbschneidenAlsDouble(rest);
    }
    if (klasse == 6)
        ZuschlagLoeschen();
    if (klasse <= 5 && b.zvbez < b.zre4) {
        if (b.zre4 - b.zvbez >= 920)
            b.anp += 920;
        else
            ArbeitnehmerpauschbetragAlt();
    }
    TabellenGrundwerte(m_doub[ldKinderfreibetrag]);
    b.ztabfb = b.efa + b.anp + b.sap + b.versZuschlag;
    m_arbeitnehmerpauschbetrag = b.anp;
}

void TLStTab06::ArbeitnehmerpauschbetragAlt()
{
    m_b.anp = AbschneidenAlsDouble(m_b.zre4 + m_b.anp - m_b.zvbez);
}

long double TLStTab06::RentenTeil(long double w) const
{
    // The flow charts cut the share and the contribution on it to cents.
    const long double anteil = AbrundenCent(w * m_werte->rvAnteil);
    return AbrundenCent(anteil * (0.005L * m_doub[ldRVSatz]));
}

long double TLStTab06::VorsorgeAnteil() const
{
    // In the one-fifth run the share comes from the wage of the full part.
    return 0.2L * (m_b.fuenftelKenn == 1 ? m_b.zre4vpGespeichert : m_b.zre4vp);
}

long double TLStTab06::VorsorgeGekuerzt(long double anteil, long double gekuerzt) const
{
    // The flow chart of 2006 rounds the share up to cents only.
    return anteil <= gekuerzt ? AufrundenCent(anteil) : gekuerzt;
}

long double TLStTab06::Einkommen() const
{
    return AbschneidenAlsDouble(m_b.zre4 - m_b.ztabfb - m_b.vsp);
}

double TLStTab06::FuenftelSteuer(double lohnMit, double c, double t1)
{
    m_curr[lcLohn] = lohnMit;
    VersorgungUndAlter();
    const double lohn = m_curr[lcLohn];
    const double freibetrag = m_doub[ldJahresFreibetrag];
    const double hinzurechnung = m_doub[ldJahresHinzurechnung];
    if (lohn - freibetrag + hinzurechnung >= 0) {
        m_curr[lcLohn] = 0.2 * c + lohn;
        LohnNachJahresfreibetraegen();
        Jahreslohnsteuer();
        return (static_cast<double>(m_b.st * 100) - t1) * 5;
    }
    // A negative ordinary income: one fifth of it together with the part.
    m_doub[ldJahresFreibetrag] = 0;
    m_doub[ldJahresHinzurechnung] = 0;
    m_curr[lcLohn] = 0.2 * (lohn - freibetrag + hinzurechnung + c);
    LohnNachJahresfreibetraegen();
    Jahreslohnsteuer();
    return static_cast<double>(m_b.st * 100) * 5;
}

// 2007

void TLStTab07::Versorgungsfreibetraege()
{
    m_b.zre4 = m_b.zre4Z < 0 ? 0 : AufJahr(m_b.zre4Z);
    m_b.zre4vp = m_b.zre4vpZ < 0 ? 0 : AufJahr(m_b.zre4vpZ);
    const double versBezug = m_curr[lcVersBezug];
    m_b.zvbez = versBezug == 0 || versBezug - m_b.versFreibetragZ < 0
                    ? 0
                    : AufJahr(versBezug - m_b.versFreibetragZ);
}

long double TLStTab07::VorsorgeGekuerzt(long double anteil, long double gekuerzt) const
{
    return anteil <= gekuerzt ? AbschneidenExt(anteil) : gekuerzt;
}

const TTarif04& TLStTab07::TarifWerte() const
{
    return kTarif07;
}

TKlasse5und6Grenzen04 TLStTab07::Klasse5und6Grenzen() const
{
    return {9144, 25812, 0.42, 200000, 73158.96, 0.15};
}

double TLStTab07::Kapitalauszahlung()
{
    // A negative capitalised payment is taken as none, for good.
    Mindestens(m_curr[lcVersKapital], 0);
    return m_curr[lcVersKapital];
}

void TLStTab07::SonstigeBezuegeSteuer(double differenz)
{
    // A positive other payment never lowers the tax; a negative one gives a negative tax, and
    // its surcharge follows it as the flow chart computes it.
    const double steuer = m_sonstigerBezug > 0 ? std::max(0.0, differenz) : differenz;
    TLStTab05::SonstigeBezuegeSteuer(steuer);
}

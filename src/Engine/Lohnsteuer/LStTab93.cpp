#include "Engine/Lohnsteuer/LStTab93.h"
#include "Engine/Lohnsteuer/SolZSatz.h"

#include <algorithm>
#include <cmath>

double TLStTab93::GetValue(int index)
{
    if (index == 1)
        return m_arbeitnehmerpauschbetrag;
    return TLStTab92::GetValue(index);
}

const TLStTab93::TZusatzGrenzen& TLStTab93::ZusatzGrenzen() const
{
    static constexpr TZusatzGrenzen kGrenzen{{1857, 1857, 2228, 1114}, {1233, 1233, 1482, 741}};
    return kGrenzen;
}

void TLStTab93::ZwischenwerteLoeschen()
{
    m_t = TTabellenWerte{};
}

void TLStTab93::Berechnen()
{
    PruefeEingaben();
    ErgebnisseLoeschen();
    ZwischenwerteLoeschen();
    VersorgungUndAlter();
    m_t.redLohnKopie = m_t.redLohn;
    Jahreslohnsteuer();
    TabellenstufeVormerken(m_t.untereStufe);
    m_t.steuerZeitraum = m_t.tarifSteuer;
    if (!m_bool[lbKeineZTab] && Steuerklasse() < 5 && m_t.steuerZeitraum < ErsteGrenze())
        Zusatztabelle();
    m_erg[leLohnsteuer] = AufZeitraumUnten(m_t.steuerZeitraum * 100.0L);
    if (m_bool[lbKirchensteuer])
        KinderEntlastung();
    Solidaritaetszuschlag();
    SetzeBerechnet();
}

void TLStTab93::Jahreslohnsteuer()
{
    Versorgungsfreibetraege();
    Tabellenfreibetraege();
    SteuerNachStufe(0, 0);
}

long double TLStTab93::VorsorgepauschaleAlt()
{
    return VorsorgepauschaleMit({0.18, 6000, 2610, 1305, 2000, 0.16});
}

long double TLStTab93::TarifKlasse5und6(long double x) const
{
    return Klasse5und6EineGrenze(x, 60048, 190, 530);
}

double TLStTab93::ErsteGrenze() const
{
    const int klasse = Steuerklasse();
    return klasse >= 1 && klasse <= 4 ? ZusatzGrenzen().erste[klasse - 1] : 0;
}

double TLStTab93::Zusatzsteuer()
{
    // The rerun overwrites the working amounts; results 4 and 5 keep the first run's step.
    m_t.redLohn = m_curr[lcLohn] - m_doub[ldFreibetrag];
    Jahreslohnsteuer();
    return m_t.tarifSteuer;
}

void TLStTab93::ZusatztabelleAnwenden(double zusatzsteuer, double kappung)
{
    double kandidat = zusatzsteuer;
    if (kappung < zusatzsteuer) {
        kandidat = kappung;
        m_zusatztabelle = true;
    }
    if (kandidat < m_t.steuerZeitraum)
        m_t.steuerZeitraum = kandidat;
    else
        m_zusatztabelle = false;
}

void TLStTab93::Zusatztabelle()
{
    const double zusatzsteuer = Zusatzsteuer();
    const int klasse = Steuerklasse();
    const double grenze2 = klasse >= 1 && klasse <= 4 ? ZusatzGrenzen().zweite[klasse - 1] : 0;
    ZusatztabelleAnwenden(zusatzsteuer, std::max(0.0, (zusatzsteuer - grenze2) * 3));
}

const TLStTab93::TZusatzGrenzen& TLStTab94::ZusatzGrenzen() const
{
    static constexpr TZusatzGrenzen kGrenzen{{1564, 1564, 3128, 1564}, {1038, 1038, 2076, 1038}};
    return kGrenzen;
}

const TLStTab93::TZusatzGrenzen& TLStTab95::ZusatzGrenzen() const
{
    static constexpr TZusatzGrenzen kGrenzen{{1892, 1892, 3784, 1892}, {1038, 1038, 2076, 1038}};
    return kGrenzen;
}

void TLStTab95::Zusatztabelle()
{
    const double zusatzsteuer = Zusatzsteuer();
    const double d = m_t.divisor;
    const double kappung = d * std::trunc((std::trunc(zusatzsteuer / d) - 1135) * 2.5);
    ZusatztabelleAnwenden(zusatzsteuer, std::max(0.0, kappung));
}

void TLStTab95::Solidaritaetszuschlag()
{
    SolidaritaetszuschlagMit(m_t.steuerZeitraum, SolZSatz(1995), 1332, m_t.divisor);
}

// Wage tax and church tax of a payroll run, and the gross pay for a given wage tax.
#include "Engine/Abrechnung/LohnLauf.h"

#include "Engine/Abrechnung/LohnDaten.h"
#include "Lib/Betrag.h"

#include <algorithm>
#include <cmath>

void TLohnLauf::LohnsteuerErmitteln()
{
    TLStTabBase& t = m_tab;
    const int zeitraumTage = m_e.zeitraumTage;
    double tage = 1;
    if (m_e.steuertage == zeitraumTage) {
        t.SetCurr(lcLohn, m_summen[sLfdSteuer]);
        t.SetCurr(lcVersBezug, m_summen[sLfdVersorgung]);
        t.SetDoub(ldFreibetrag, m_e.freibetragCent);
        t.SetDoub(ldHinzurechnung, m_e.hinzurechnungCent);
        t.SetInt(liZeitraum, m_e.zeitraum);
    } else {
        // Part of a period: the tax of the days, each day taxed by the day table.
        tage = m_e.steuertage > 0 ? m_e.steuertage : 1;
        t.SetCurr(lcLohn, Abschneiden(m_summen[sLfdSteuer] / tage));
        t.SetCurr(lcVersBezug, Abschneiden(m_summen[sLfdVersorgung] / tage));
        t.SetDoub(ldFreibetrag, Abschneiden(m_e.freibetragCent / zeitraumTage));
        t.SetDoub(ldHinzurechnung, Abschneiden(m_e.hinzurechnungCent / zeitraumTage));
        t.SetInt(liZeitraum, TLohnDaten::kTag);
    }
    m_r.lohnsteuer.SetzenGanzeCent(t.GetDoub(leLohnsteuer) * tage + m_sbLStCent);
    m_r.solidaritaetszuschlag.SetzenGanzeCent(t.GetDoub(leSolZ) * tage + m_sbSolZCent);
    m_summen[sKiStBasis] = t.GetDoubTarif(leKiStBasis) * tage + m_sbBKTarif;
    if (t.ZusatztabelleAngewendet())
        m_r.zusatztabelle = true;
}

void TLohnLauf::KirchensteuerErmitteln()
{
    // Cut in the tariff's currency, then converted: a DM tax shown in euros is the euro amount
    // of the DM church tax, not a cut of the converted base.
    m_r.kirchensteuer.SetzenGanzeCent(
        m_tab.Anzeigebetrag(std::trunc(m_e.kirchensteuersatz * m_summen[sKiStBasis] * 0.01)));
}

void TLohnLauf::SteuernZusammenfassen()
{
    m_r.lohnsteuer.Setzen(m_r.lohnsteuer.Wert() + m_r.pauschLStAN.Wert());
    m_r.kirchensteuer.Setzen(m_r.kirchensteuer.Wert() + m_r.pauschKiStAN.Wert());
    m_r.solidaritaetszuschlag.Setzen(m_r.solidaritaetszuschlag.Wert() + m_r.pauschSolZAN.Wert());
    if (m_e.ausgangswert == TLohnDaten::kAusLohnsteuer)
        m_r.lohnsteuer.Setzen(m_e.lohnsteuer);
}

void TLohnLauf::BruttoZurLohnsteuer()
{
    TLStTabBase& t = m_tab;
    const double ziel = m_e.lohnsteuerCent;
    const double versorgung = m_e.versorgungsbezuegeCent;
    const int zeitraumTage = m_e.zeitraumTage;
    double tage = 1;
    if (m_e.steuertage != zeitraumTage) {
        tage = m_e.steuertage > 0 ? m_e.steuertage : 1;
        t.SetInt(liZeitraum, TLohnDaten::kTag);
        t.SetDoub(ldFreibetrag, Abschneiden(m_e.freibetragCent / zeitraumTage));
        t.SetDoub(ldHinzurechnung, Abschneiden(m_e.hinzurechnungCent / zeitraumTage));
    }
    const auto steuer = [&](double lohn) {
        t.SetCurr(lcLohn, Abschneiden(lohn / tage));
        t.SetCurr(lcVersBezug, Abschneiden(std::min(versorgung, lohn) / tage));
        return t.GetDoub(leLohnsteuer) * tage;
    };
    // One unit of the tariff's currency, in cents of the display currency.
    const double einheit = Dreisatz(true, 0, 1.0, t.DMFaktor(), m_e.kurs);
    double low = 0;
    double high = 200000000000.0;
    double x = Abschneiden(high * 0.5);
    for (int schritt = 1;; ++schritt) {
        const double l = steuer(x);
        if (l <= ziel + 0.001 && x == high - 1 && steuer(x + einheit) > ziel)
            break;
        if (schritt > 200)
            throw ELohnberechnung();
        if (l > ziel + 0.001) {
            high = x;
            x = x - (x - low) * 0.5;
        } else {
            low = x;
            x = x + (high - x) * 0.5;
        }
        x = Abschneiden(x);
    }
    m_r.entgelt.SetzenGanzeCent(x);
}

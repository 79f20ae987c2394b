#include "Engine/Abrechnung/LohnLauf.h"

#include "Engine/Abrechnung/LohnDaten.h"
#include "Engine/Lohnsteuer/LStLib.h"
#include "Engine/Lohnsteuer/SolZSatz.h"
#include "Lib/Betrag.h"

#include <algorithm>
#include <cmath>
#include <memory>

TLohnErgebnisse LohnRechnen(const TLohnEingaben& e)
{
    const std::unique_ptr<TLStTabBase> tab =
        CreateLStTab(static_cast<std::uint16_t>(e.jahr), static_cast<std::uint16_t>(e.monat));
    TarifEingabenSetzen(*tab, e.tarif);
    // What only the statement itself taxes: its pay, the share-scheme advantages among the other
    // payments, and the general option of the 2005 lump-sum rule.
    tab->SetCurr(lcLohn, e.entgeltCent);
    tab->SetBool(lbKeinArbeitnehmerpauschbetrag, e.keinArbeitnehmerpauschbetrag);
    tab->SetDoub(ldVermoegensbeteiligung, e.vorteileCent);
    TLohnErgebnisse r;
    TLohnLauf(e, r, *tab).Laufen();
    return r;
}

TLohnLauf::TLohnLauf(const TLohnEingaben& e, TLohnErgebnisse& r, TLStTabBase& tab)
    : m_e(e), m_r(r), m_tab(tab), m_summen(r.summen)
{
}

void TLohnLauf::Laufen()
{
    using F = TLohnErgebnisse::TFehler;
    try {
        if (m_e.detailEntgelt) {
            m_r.posten = m_e.posten;
            PostenBerechnen(m_r.posten);
        } else {
            if (m_e.ausgangswert == TLohnDaten::kAusLohnsteuer)
                BruttoZurLohnsteuer();
            std::vector<TEntgeltPosten> posten{TEntgeltPosten::Versorgung(m_e.versorgungsbezuege),
                                               TEntgeltPosten::NettoAbzug(m_e.nettoAbz)};
            if (m_e.ausgangswert == TLohnDaten::kAusNetto)
                // The given net pay includes the child benefit paid with it; the pay component
                // must not earn it once more, or every recalculation raises the gross.
                posten.push_back(TEntgeltPosten::Entgelt(
                    true, m_e.nettoentgelt - m_e.kindergeldImNetto + m_e.nettoAbz));
            else
                posten.push_back(TEntgeltPosten::Entgelt(
                    false, m_r.entgelt.Gesetzt() ? m_r.entgelt.Wert() : m_e.entgelt));
            PostenBerechnen(posten);
        }
    } catch (const ELohnberechnung& e) {
        m_r.fehler = F::kBerechnung;
        m_r.meldung = e.what();
    } catch (const ELStTabError& e) {
        m_r.fehler = F::kBerechnung;
        m_r.meldung = e.what();
    } catch (const std::exception& e) {
        m_r.fehler = F::kSonstiger;
        m_r.meldung = e.what();
    }
}

double TLohnLauf::Cent(const TCentBetrag& betrag, bool sichtbar)
{
    return sichtbar ? betrag.Cent() : 0;
}

void TLohnLauf::PostenBerechnen(std::vector<TEntgeltPosten>& posten)
{
    m_summen = TLohnSummen{};
    m_r.summenGesetzt = true;
    for (TCentBetrag* betrag : {&m_r.lohnsteuer, &m_r.pauschLStAN, &m_r.kirchensteuer,
                                &m_r.pauschKiStAN, &m_r.solidaritaetszuschlag, &m_r.pauschSolZAN,
                                &m_r.sbLSt, &m_r.sbBK, &m_r.sbSolZ, &m_r.kvBeitrag, &m_r.pvBeitrag,
                                &m_r.kvzbBeitrag, &m_r.pvklBeitrag, &m_r.rvBeitrag, &m_r.avBeitrag})
        betrag->Setzen(0);
    m_r.zusatztabelle = false;
    m_r.zusatztabelleGesetzt = true;

    for (TEntgeltPosten& c : posten) {
        if (c.nettoVereinb && !c.pauschal)
            NetToGross(c);
        else
            EntgeltHinzufuegen(c);
    }
    Summen();

    if (m_e.detailEntgelt || m_e.ausgangswert != TLohnDaten::kAusEntgelt)
        m_r.entgelt.SetzenGanzeCent(m_summen[sLfdPflichtig] + m_summen[sPauschal] +
                                    m_summen[sSonstPflichtig]);
    m_r.nettoentgelt.SetzenGanzeCent(m_e.kindergeldImNetto * 100 + m_summen[sNetto]);
    if (m_e.detailEntgelt)
        m_r.versorgungsbezuege.SetzenGanzeCent(m_summen[sLfdVersorgung]);
    SteuernZusammenfassen();
}

void TLohnLauf::EntgeltHinzufuegen(TEntgeltPosten& c)
{
    const bool versorgung = c.versorgungsbezug;
    const bool sonstig = c.einmalzahlung;
    // The pension item of a statement without itemised pay counts for the wage tax only.
    const bool nurVersorgung = !m_e.detailEntgelt && versorgung;

    if (c.pauschal) {
        // The gross of a flat-taxed component follows from its net in this run; its
        // contributions are levied on that gross, not on the one an earlier run left.
        PauschalEntgelt(c);
        if (c.sozVersPflicht)
            m_summen[sonstig ? sSonstSV : sLfdSV] += nurVersorgung ? 0 : c.brutto.Cent();
        return;
    }
    const double brutto = c.brutto.Cent();
    const double a = nurVersorgung ? 0 : brutto;
    if (c.sozVersPflicht)
        m_summen[sonstig ? sSonstSV : sLfdSV] += a;
    if (c.stPflicht || c.sozVersPflicht)
        m_summen[sonstig ? sSonstPflichtig : sLfdPflichtig] += a;
    else
        m_summen[sFrei] += a;

    if (c.abfindung)
        m_summen[sAbfindung] += a;
    else if (c.mehrJhrig)
        m_summen[versorgung ? sMehrjVersorgung : sMehrjaehrig] += a;
    else if (c.stPflicht)
        m_summen[sonstig ? sSonstSteuer : sLfdSteuer] += a;

    if (versorgung && !c.mehrJhrig) {
        if (sonstig) {
            m_summen[sSonstVersorgung] += brutto;
            if (c.sterbegeld)
                m_summen[sSterbegeld] += brutto;
        } else {
            m_summen[sLfdVersorgung] += brutto;
        }
    }
}

void TLohnLauf::PauschalEntgelt(TEntgeltPosten& c)
{
    const double s = SolZSatz(m_e.jahr);
    if (c.nettoVereinb) {
        // The employer bears the flat taxes: the agreed net is the gross.
        m_summen[sPauschalNetto] += c.netto.Cent();
        c.brutto.Setzen(c.netto.Wert());
    } else {
        const double p = c.pauschSatz;
        const double k = c.pKiStSatz;
        const double t = p + (k + s) * p * 0.01;
        c.brutto.SetzenCent(std::trunc(c.netto.Cent() * (100 - 100 * t / (100 + t)) * 0.01 + 0.5));
        const double l = std::trunc(p * 0.01 * c.brutto.Cent());
        m_r.pauschLStAN.Setzen(m_r.pauschLStAN.Wert() + l * 0.01);
        m_r.pauschSolZAN.Setzen(m_r.pauschSolZAN.Wert() + std::trunc(0.01 * s * l) * 0.01);
        m_r.pauschKiStAN.Setzen(m_r.pauschKiStAN.Wert() + std::trunc(k * 0.01 * l) * 0.01);
    }
    m_summen[c.einmalzahlung ? sSonstPflichtig : sPauschal] += c.brutto.Cent();
}

void TLohnLauf::Summen()
{
    m_r.zusatztabelle = false;
    m_r.zusatztabelleGesetzt = true;
    if (!m_e.pauschaleLohnsteuer) {
        SonstigeBezuegeErmitteln();
        LohnsteuerErmitteln();
        KirchensteuerErmitteln();
    }
    CalcSocialInsurance();
    KammerBerechnung();
    const double abzuege = Cent(m_r.lohnsteuer, m_e.lohnsteuerSichtbar) +
                           Cent(m_r.solidaritaetszuschlag, m_e.solZSichtbar) +
                           Cent(m_r.kirchensteuer, m_e.kirchensteuerSichtbar) +
                           Cent(m_r.pauschLStAN) + Cent(m_r.pauschSolZAN) + Cent(m_r.pauschKiStAN) +
                           Cent(m_r.kvBeitrag) + Cent(m_r.pvBeitrag) + Cent(m_r.rvBeitrag) +
                           Cent(m_r.kvzbBeitrag) + Cent(m_r.pvklBeitrag) + Cent(m_r.avBeitrag) +
                           Cent(m_r.kammerbeitrag);
    m_summen[sNetto] = m_summen[sLfdPflichtig] + m_summen[sSonstPflichtig] + m_summen[sPauschal] -
                       abzuege + m_summen[sFrei];
}

void TLohnLauf::NetToGross(TEntgeltPosten& c)
{
    const TLohnSummen kopie = m_summen;
    Summen();
    const double n0 = m_summen[sNetto];
    const double netto = c.netto.Cent();
    c.brutto.Setzen(c.netto.Wert());
    // Every gross tried: at the edges of the transition zone the net pay jumps, the search then
    // runs in a cycle (of two or more steps) around a net pay that no gross gives.
    std::vector<double> versucht;
    for (int schritt = 1;; ++schritt) {
        m_summen = kopie;
        EntgeltHinzufuegen(c);
        Summen();
        const double differenz = netto - (m_summen[sNetto] - n0);
        // Converged: checked before the cycle test, so a found gross never reports a cycle.
        if (std::fabs(differenz) <= 0.0001)
            break;
        const double brutto = c.brutto.Cent();
        versucht.push_back(brutto);
        const double neu = brutto + differenz;
        if (std::find(versucht.begin(), versucht.end(), neu) != versucht.end())
            throw EGleitzone("Wegen Gleitzonenberechnung existiert der Nettobetrag " +
                             FloatToBetragStr(2, c.netto.Wert()) + " nicht. Bitte um 0,01 ändern");
        c.brutto.SetzenCent(neu);
        if (schritt >= 501)
            throw ELohnberechnung();
    }
    m_summen = kopie;
    EntgeltHinzufuegen(c);
}

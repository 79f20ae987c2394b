#include "Engine/Abrechnung/LohnLauf.h"

#include "Engine/Abrechnung/LohnDaten.h"
#include "Engine/Lohnsteuer/LStLib.h"
#include "Engine/Lohnsteuer/LStRegeln.h"
#include "Engine/Lohnsteuer/SolZSatz.h"
#include "Engine/Sozialversicherung/Beitrag.h"
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
    const bool mitFreibetraegen = SteuerFaelltNurMitFreibetraegen(c);
    const auto nettoFuer = [&](double brutto) {
        m_summen = kopie;
        c.brutto.SetzenCent(brutto);
        EntgeltHinzufuegen(c);
        Summen();
        TNetto n{.netto = m_summen[sNetto] - n0};
        if (mitFreibetraegen)
            n.stand = m_tab.WachsendeFreibetraege();
        return n;
    };
    const double netto = c.netto.Cent();
    const TBruttoFund fund = KleinstesBrutto(nettoFuer, netto, netto, NettoVerlauf(c));
    if (fund.art == TBruttoFund::TArt::kNichtGefunden)
        throw ELohnberechnung();
    if (fund.art == TBruttoFund::TArt::kUebersprungen) {
        // The net jumps over the wanted amount: no gross gives it. The results shown are those
        // of the smallest gross whose net passes it.
        nettoFuer(fund.brutto);
        throw EGleitzone("Wegen Gleitzonenberechnung existiert der Nettobetrag " +
                         FloatToBetragStr(2, c.netto.Wert()) + " nicht. Bitte um 0,01 ändern");
    }
    m_summen = kopie;
    c.brutto.SetzenCent(fund.brutto);
    EntgeltHinzufuegen(c);
}

bool TLohnLauf::SteuerFaelltNurMitFreibetraegen(const TEntgeltPosten& c) const
{
    // Current pay taxed by the period's own tariff, nothing else taxed beside it: other payments
    // are taxed by the difference of two annual taxes, a pension carries its own allowances,
    // the tax of days is cut from the days' pay, a December recomputation differs from the year.
    // Nor may the contributions jump: with the transition zone the net leaps at the limit of
    // marginal employment, by several euros.
    const bool laufend = !c.einmalzahlung && !c.versorgungsbezug && !c.abfindung && !c.mehrJhrig;
    const bool dezember = m_e.monat == 12 && (m_e.jahr == 2015 || m_e.jahr == 2024);
    return laufend && !m_e.pauschaleLohnsteuer && !m_e.gleitzone &&
           m_e.steuertage == m_e.zeitraumTage && !dezember && m_e.jahr >= 2002 &&
           SonstigeBezuegeLeer();
}

TNettoVerlauf TLohnLauf::NettoVerlauf(const TEntgeltPosten& c) const
{
    const bool tageweise = m_e.steuertage != m_e.zeitraumTage;
    const double tage = tageweise ? std::max(m_e.steuertage, 1) : 1;
    // Amounts of the tariff's currency in cents of the statement's.
    const double waehrung = m_e.kurs / m_tab.DMFaktor();
    // In the transition zone each branch's employee share is the whole contribution less the
    // employer's, each rounded: the shares can fall by a cent each as the pay rises. The zone's
    // upper limit is in euro cents of a month.
    const double zone = m_e.gleitzone ? 6 : 0;
    const double zoneBis = std::max(TBeitrag::GleitzoneObergrenzeCent(m_e.jahr, m_e.monat, false),
                                    TBeitrag::GleitzoneObergrenzeCent(m_e.jahr, m_e.monat, true)) *
                           std::max(1.0, m_e.zeitraumTage / 30.0) * m_e.kurs;
    // Each employee contribution is rounded on its own (health, its extra share, care, the
    // childless supplement, pension, unemployment, the chamber): at one cent more of gross each
    // may rise by a cent at once, and the net fall by as many. Kept in the year's currency, such
    // a cent is worth up to `waehrung` cents of the statement's, and converting rounds once more.
    constexpr int kBeitragsteile = 7;
    const double beitraege = kBeitragsteile * (waehrung == 1 ? 1 : std::ceil(waehrung + 0.5));
    const auto verlauf = [&](double spitze, double fall) {
        return TNettoVerlauf{
            .spitze = spitze, .fall = fall + beitraege, .zone = zone, .zoneBis = zoneBis};
    };
    const auto grenze = [&](double cent) {
        const double g = std::ceil(cent * waehrung);
        return verlauf(g, g);
    };
    // The annual tax dips by a whole euro where the annual wage and the provision allowance
    // round differently, by two where the class splits or multiplies the tariff; with the
    // surcharges 1.32 or 2.64 euros.
    const int klasse = m_e.tarif.steuerklasse;
    const double jahresDelle = klasse == 3 || klasse >= 5 ? 264 : 132;
    // A special payment bears the difference of two annual taxes, each in whole units.
    if (c.einmalzahlung)
        return grenze(3 * jahresDelle);
    // The December recomputations of 2015 and 2024 take the month's tax from the year's.
    if (m_e.monat == 12 && (m_e.jahr == 2015 || m_e.jahr == 2024))
        return grenze(3 * jahresDelle);
    // The table's tax is the same over a step of 54 marks a year (or less) and rises at its end
    // by at most the top rate with the surcharges, under 70 percent of the step.
    const bool stufen = !LohnsteuerOhneStufen(m_e.jahr);
    const auto stufenFall = [&](double tageDerStufe) {
        return 0.7 * std::ceil(5400.0 * tageDerStufe / 360);
    };
    // A period taxed by days bears the day's tax and surcharges on the day's pay, in cents cut
    // from the pay of the days, times the days; in a table year the day's table steps as well.
    if (tageweise) {
        const double tag = std::ceil(6 * tage * waehrung);
        return stufen ? verlauf(tag, std::ceil((6 * tage + stufenFall(tage)) * waehrung))
                      : verlauf(tag, tag);
    }
    if (stufen)
        return verlauf(0, std::ceil(stufenFall(m_e.zeitraumTage) * waehrung));
    // A month's tax dips by up to 9 or 18 cents, each surcharge by a cent more.
    return grenze(jahresDelle * m_e.zeitraumTage / 360);
}

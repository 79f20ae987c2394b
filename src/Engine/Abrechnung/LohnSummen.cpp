// The run of a payroll statement over its pay components: the accumulator block, wage tax with
// special payments, contributions, the chamber contribution, net pay and the two searches.
#include "Engine/Abrechnung/DetailEntgelte.h"
#include "Engine/Abrechnung/EntgeltPosten.h"
#include "Engine/Abrechnung/Jahresbetraege.h"
#include "Engine/Abrechnung/LohnBerechnung.h"
#include "Engine/Lohnsteuer/LStTabBase.h"
#include "Engine/Lohnsteuer/SolZSatz.h"
#include "Engine/Sozialversicherung/Beitrag.h"
#include "Engine/Sozialversicherung/Beitragssatz.h"
#include "Engine/Sozialversicherung/Gleitzone.h"
#include "Engine/Sozialversicherung/Kammer.h"
#include "Engine/Sozialversicherung/SVLib.h"
#include "Lib/Betrag.h"
#include "Options/OptionenVtrl.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

// Sets a money value from cents.
void SetzeCent(TDouble& wert, double cent)
{
    wert.SetGanzeCents(cent);
}

void AddiereCent(TDouble& wert, double cent)
{
    wert.SetValue(wert.GetValue() + cent * 0.01);
}

// The whole part, toward zero.
double Int(double x)
{
    return std::trunc(x);
}

} // namespace

void TLohnBerechnung::DetailEntgelteBerechnen(TDetailEntgelte& liste)
{
    std::vector<TEntgeltPosten> posten;
    posten.reserve(static_cast<std::size_t>(liste.Count()));
    for (int i = 0; i < liste.Count(); ++i)
        posten.push_back(TEntgeltPosten::Aus(liste.DetailEntgeltDaten(i)));
    // The gross found for a component goes back to it, also the last one tried when the run
    // failed: the list shows it.
    const auto zurueck = [&liste, &posten] {
        for (std::size_t i = 0; i < posten.size(); ++i)
            if (posten[i].brutto.Gesetzt())
                liste.DetailEntgeltDaten(static_cast<int>(i))
                    .Brutto()
                    .SetValue(posten[i].brutto.Wert());
    };
    try {
        PostenBerechnen(posten);
    } catch (...) {
        zurueck();
        throw;
    }
    zurueck();
}

void TLohnBerechnung::PostenBerechnen(std::vector<TEntgeltPosten>& posten)
{
    TLohnDaten& d = LohnDatenOf();
    LaufwerteLesen();
    m_summen.fill(0);
    const double lohnsteuerGegeben = d.Lohnsteuer->GetValue();
    for (TDouble* wert :
         {d.Lohnsteuer, d.PauschLStAN, d.Kirchensteuer, d.PauschKiStAN, d.Solidaritaetszuschlag,
          d.PauschSolZAN, d.SB_LSt, d.SB_BK, d.SB_SolZ, d.KVBeitrag, d.PVBeitrag, d.KVZBBeitrag,
          d.PVKLBeitrag, d.RVBeitrag, d.AVBeitrag})
        wert->SetValue(0);
    d.Zusatztabelle_angewendet->SetValue(false);

    for (TEntgeltPosten& c : posten) {
        if (c.nettoVereinb && !c.pauschal)
            NetToGross(c);
        else
            EntgeltHinzufuegen(c);
    }
    Summen();

    const int ausgangswert = d.Ausgangswert->GetValue();
    if (d.DetailEntgelt->GetValue() || ausgangswert != TLohnDaten::kAusEntgelt)
        SetzeCent(*d.Entgelt,
                  m_summen[sLfdPflichtig] + m_summen[sPauschal] + m_summen[sSonstPflichtig]);
    SetzeCent(*d.Nettoentgelt, d.KindergeldImNetto() * 100 + m_summen[sNetto]);
    if (d.DetailEntgelt->GetValue())
        SetzeCent(*d.Versorgungsbezuege, m_summen[sLfdVersorgung]);
    d.Lohnsteuer->Add(d.PauschLStAN->GetValue());
    d.Kirchensteuer->Add(d.PauschKiStAN->GetValue());
    d.Solidaritaetszuschlag->Add(d.PauschSolZAN->GetValue());
    if (ausgangswert == TLohnDaten::kAusLohnsteuer)
        d.Lohnsteuer->SetValue(lohnsteuerGegeben);
}

void TLohnBerechnung::EntgeltHinzufuegen(TEntgeltPosten& c)
{
    const TLohnDaten& d = LohnDatenOf();
    const bool versorgung = c.versorgungsbezug;
    const bool sonstig = c.einmalzahlung;
    // The pension item of a statement without itemised pay counts for the wage tax only.
    const bool nurVersorgung = !d.DetailEntgelt->GetValue() && versorgung;

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

void TLohnBerechnung::PauschalEntgelt(TEntgeltPosten& c)
{
    TLohnDaten& d = LohnDatenOf();
    const double s = SolZSatz(d.Jahr->GetValue());
    if (c.nettoVereinb) {
        // The employer bears the flat taxes: the agreed net is the gross.
        m_summen[sPauschalNetto] += c.netto.Cent();
        c.brutto.Setzen(c.netto.Wert());
    } else {
        const double p = c.pauschSatz;
        const double k = c.pKiStSatz;
        const double t = p + (k + s) * p * 0.01;
        c.brutto.SetzenCent(Int(c.netto.Cent() * (100 - 100 * t / (100 + t)) * 0.01 + 0.5));
        const double l = Int(p * 0.01 * c.brutto.Cent());
        AddiereCent(*d.PauschLStAN, l);
        AddiereCent(*d.PauschSolZAN, Int(0.01 * s * l));
        AddiereCent(*d.PauschKiStAN, Int(k * 0.01 * l));
    }
    m_summen[c.einmalzahlung ? sSonstPflichtig : sPauschal] += c.brutto.Cent();
}

void TLohnBerechnung::LaufwerteLesen()
{
    const TLohnDaten& d = LohnDatenOf();
    m_lauf = TLaufwerte{};
    m_lauf.freibetrag = d.Freibetrag->GetCents();
    m_lauf.hinzurechnung = d.Hinzurechnungsbetrag->GetCents();
    m_lauf.vorteile = d.Vorteile_19a_1_4->GetCents();
    m_lauf.andereAE = d.AndereAE->GetCents();
    m_lauf.grenzen = SVGrenzenCent();
    if (d.TabellenBeitrag->GetValue()) {
        const int jahr = d.Jahr->GetValue();
        m_lauf.tabellenstart = BeitragsTabellenWert1(jahr);
        m_lauf.tabellenschritt = BeitragsTabellenWert2(jahr);
    }
}

void TLohnBerechnung::Summen()
{
    TLohnDaten& d = LohnDatenOf();
    d.Zusatztabelle_angewendet->SetValue(false);
    if (!d.PLSt->GetValue()) {
        SonstigeBezuegeErmitteln();
        LohnsteuerErmitteln();
        KirchensteuerErmitteln();
    }
    CalcSocialInsurance();
    KammerBerechnung();
    double abzuege = 0;
    for (const TDouble* wert :
         {d.Lohnsteuer, d.Solidaritaetszuschlag, d.Kirchensteuer, d.PauschLStAN, d.PauschSolZAN,
          d.PauschKiStAN, d.KVBeitrag, d.PVBeitrag, d.RVBeitrag, d.KVZBBeitrag, d.PVKLBeitrag,
          d.AVBeitrag, d.Kammerbeitrag})
        abzuege += wert->GetCents();
    m_summen[sNetto] = m_summen[sLfdPflichtig] + m_summen[sSonstPflichtig] + m_summen[sPauschal] -
                       abzuege + m_summen[sFrei];
}

void TLohnBerechnung::LohnsteuerErmitteln()
{
    TLohnDaten& d = LohnDatenOf();
    TLStTabBase& t = *m_tab;
    const int zeitraumTage = d.ZeitraumTage();
    double tage = 1;
    if (d.Steuertage->GetValue() == zeitraumTage) {
        t.SetCurr(lcLohn, m_summen[sLfdSteuer]);
        t.SetCurr(lcVersBezug, m_summen[sLfdVersorgung]);
        t.SetDoub(ldFreibetrag, m_lauf.freibetrag);
        t.SetDoub(ldHinzurechnung, m_lauf.hinzurechnung);
        t.SetInt(liZeitraum, d.Zeitraum->GetValue());
    } else {
        // Part of a period: the tax of the days, each day taxed by the day table.
        tage = d.Steuertage->GetValue() > 0 ? d.Steuertage->GetValue() : 1;
        t.SetCurr(lcLohn, Abschneiden(m_summen[sLfdSteuer] / tage));
        t.SetCurr(lcVersBezug, Abschneiden(m_summen[sLfdVersorgung] / tage));
        t.SetDoub(ldFreibetrag, Abschneiden(m_lauf.freibetrag / zeitraumTage));
        t.SetDoub(ldHinzurechnung, Abschneiden(m_lauf.hinzurechnung / zeitraumTage));
        t.SetInt(liZeitraum, TLohnDaten::kTag);
    }
    SetzeCent(*d.Lohnsteuer, t.GetDoub(leLohnsteuer) * tage + m_sbLStCent);
    SetzeCent(*d.Solidaritaetszuschlag, t.GetDoub(leSolZ) * tage + m_sbSolZCent);
    m_summen[sKiStBasis] = t.GetDoub(leKiStBasis) * tage + m_sbBKCent;
    if (t.ZusatztabelleAngewendet())
        d.Zusatztabelle_angewendet->SetValue(true);
}

void TLohnBerechnung::KirchensteuerErmitteln()
{
    TLohnDaten& d = LohnDatenOf();
    SetzeCent(*d.Kirchensteuer, Int(d.Kirchensteuersatz->GetValue() * m_summen[sKiStBasis] * 0.01));
}

void TLohnBerechnung::SonstigeBezuegeErmitteln()
{
    const TLohnDaten& d = LohnDatenOf();
    const bool dm = d.Jahr->GetValue() < 2002;
    if (!dm && SonstigeBezuegeLeer()) {
        // Nothing besides the current pay: the tariff has no other payment to tax, and a run
        // of it would only tax the current pay once more.
        for (TDouble* wert : {d.SB_LSt, d.SB_BK, d.SB_SolZ})
            wert->SetValue(0);
        m_sbLStCent = 0;
        m_sbSolZCent = 0;
        m_sbBKCent = 0;
        return;
    }
    if (dm)
        SonstigeBezuegeDM();
    else
        SonstigeBezuegeTarif();
    m_sbLStCent = d.SB_LSt->GetCents();
    m_sbSolZCent = d.SB_SolZ->GetCents();
    m_sbBKCent = d.SB_BK->GetCents();
}

TLohnBerechnung::TSonstigeBetraege TLohnBerechnung::SonstigeBetraege() const
{
    TSonstigeBetraege b;
    b.sonstig = m_summen[sSonstSteuer];
    b.versorgung = m_summen[sSonstVersorgung];
    b.fuenftel = m_summen[sMehrjaehrig] + m_summen[sAbfindung];
    b.kapital = m_summen[sMehrjVersorgung];
    if (LohnDatenOf().Jahr->GetValue() >= 2025) {
        // Since 2025 the one-fifth rule belongs to the assessment only: the employer taxes
        // severance pay and pay for several years as plain other payments.
        b.sonstig += b.fuenftel + b.kapital;
        b.versorgung += b.kapital;
        b.fuenftel = 0;
        b.kapital = 0;
    }
    return b;
}

bool TLohnBerechnung::SonstigeBezuegeLeer() const
{
    const TSonstigeBetraege b = SonstigeBetraege();
    return b.sonstig == 0 && b.versorgung == 0 && b.fuenftel == 0 && b.kapital == 0 &&
           m_summen[sSterbegeld] == 0 && m_lauf.vorteile == 0;
}

void TLohnBerechnung::SonstigeBezuegeTarif()
{
    TLohnDaten& d = LohnDatenOf();
    const TSonstigeBetraege b = SonstigeBetraege();
    const TJahresbetraege& j = d.Jahresbetraege();
    TLStTabBase& t = *m_tab;
    t.SetDoub(ldJahresLohn, j.Entgelt->GetCents());
    t.SetDoub(ldJahresVersBezug, j.Versorgungsbezuege->GetCents());
    t.SetDoub(ldJahresFreibetrag, j.Freibetrag->GetCents());
    t.SetDoub(ldJahresHinzurechnung, j.Hinzurechnungsbetrag->GetCents());
    t.SetDoub(ldJahresEntschaedigung, j.Entschaedigungen->GetCents());
    t.SetCurr(lcSterbegeld, m_summen[sSterbegeld]);
    if (d.Jahr->GetValue() < 2025)
        t.SetCurr(lcVersKapital, b.kapital);
    t.SonstigeBezuegeBerechnen(b.sonstig, b.versorgung, b.fuenftel);
    SetzeCent(*d.SB_LSt, t.GetDoub(leLStSonst) + t.GetDoub(leLStFuenftel));
    SetzeCent(*d.SB_BK, t.GetDoub(leKiStBasisSonst) + t.GetDoub(leKiStBasisFuenftel));
    SetzeCent(*d.SB_SolZ, t.GetDoub(leSolZSonst) + t.GetDoub(leSolZFuenftel));
    for (const int index : {ldJahresLohn, ldJahresVersBezug, ldJahresFreibetrag,
                            ldJahresHinzurechnung, ldJahresEntschaedigung})
        t.SetDoub(index, 0);
    t.SetCurr(lcSterbegeld, 0);
    t.SetCurr(lcVersKapital, 0);
}

void TLohnBerechnung::SonstigeBezuegeDM()
{
    TLohnDaten& d = LohnDatenOf();
    // Every run starts afresh: the net-to-gross search runs Summen many times, and results of an
    // earlier pass must not be taxed again.
    for (TDouble* wert : {d.SB_LSt, d.SB_BK, d.SB_SolZ})
        wert->SetValue(0);
    // Up to 300 marks of special payments count as current pay when there is current pay.
    double grenze = 30000;
    const double kurs = d.Waehrungskurs()->GetStoredValue();
    if (kurs != 1.95583)
        grenze = Dreisatz(true, 0, Abschneiden(30000 * 0.5112918811962185), 1.0, kurs);
    if (m_summen[sSonstSteuer] + m_summen[sAbfindung] + m_summen[sMehrjaehrig] <= grenze &&
        m_summen[sLfdSteuer] > 0) {
        m_summen[sLfdSteuer] += m_summen[sSonstSteuer];
        m_summen[sLfdVersorgung] += m_summen[sSonstVersorgung];
        return;
    }
    const TJahresbetraege& j = d.Jahresbetraege();
    m_jahresEntgelt = j.Entgelt->GetCents();
    m_jahresVersorgung = j.Versorgungsbezuege->GetCents();
    Differenzmethode();
    if (d.Jahr->GetValue() < 1999) {
        DrittelRegel();
        HalberSteuersatz();
    } else {
        FuenftelRegel();
    }
}

void TLohnBerechnung::Differenzmethode()
{
    if (m_summen[sSonstSteuer] == 0 && m_summen[sSonstVersorgung] == 0)
        return;
    TLohnDaten& d = LohnDatenOf();
    const TJahresbetraege& j = d.Jahresbetraege();
    TLStTabBase& t = *m_tab;
    const double freibetrag = j.Freibetrag->GetCents();
    const double hinzurechnung = j.Hinzurechnungsbetrag->GetCents();
    t.LohnsteuerFuerZeitraum(TLohnDaten::kJahr, m_jahresEntgelt, m_jahresVersorgung, freibetrag,
                             hinzurechnung);
    const double w1 = t.GetDoub(leLohnsteuer);
    m_jahresEntgelt += m_summen[sSonstSteuer];
    m_jahresVersorgung += m_summen[sSonstVersorgung];
    t.LohnsteuerFuerZeitraum(TLohnDaten::kJahr, m_jahresEntgelt, m_jahresVersorgung, freibetrag,
                             hinzurechnung);
    const double w2 = t.GetDoub(leLohnsteuer);
    SetzeCent(*d.SB_LSt, w2 - w1);
    d.SB_BK->SetValue(d.SB_LSt->GetValue());
    const int jahr = d.Jahr->GetValue();
    SolZSonstige(SolZSatz(jahr));
    if (t.ZusatztabelleAngewendet())
        d.Zusatztabelle_angewendet->SetValue(true);
}

void TLohnBerechnung::SolZSonstige(double satz)
{
    TLohnDaten& d = LohnDatenOf();
    SetzeCent(*d.SB_SolZ, Int(d.SB_LSt->GetCents() * satz * 0.01));
}

// The three rules tax one part of the payment by the difference method and multiply the result;
// the regular special payments stay taxed as before (S0, B0).
void TLohnBerechnung::HalberSteuersatz()
{
    if (m_summen[sAbfindung] == 0)
        return;
    TLohnDaten& d = LohnDatenOf();
    const double s0 = d.SB_LSt->GetCents();
    const double b0 = d.SB_BK->GetCents();
    const double sonst = m_summen[sSonstSteuer];
    m_summen[sSonstSteuer] = m_summen[sAbfindung];
    Differenzmethode();
    const double halb = Int(d.SB_LSt->GetCents() * 0.5);
    SetzeCent(*d.SB_BK, halb + b0);
    SetzeCent(*d.SB_LSt, halb + s0);
    SolZSonstige(SolZSatz(d.Jahr->GetValue()));
    m_summen[sSonstSteuer] = sonst;
}

void TLohnBerechnung::DrittelRegel()
{
    if (m_summen[sMehrjaehrig] == 0)
        return;
    TLohnDaten& d = LohnDatenOf();
    const double s0 = d.SB_LSt->GetCents();
    const double b0 = d.SB_BK->GetCents();
    const double sonst = m_summen[sSonstSteuer];
    m_summen[sSonstSteuer] = Int(m_summen[sMehrjaehrig] * (1.0 / 3.0));
    Differenzmethode();
    const double drittel = d.SB_LSt->GetCents();
    SetzeCent(*d.SB_BK, drittel * 3 + b0);
    SetzeCent(*d.SB_LSt, drittel * 3 + s0);
    SolZSonstige(SolZSatz(d.Jahr->GetValue()));
    m_summen[sSonstSteuer] = sonst;
}

void TLohnBerechnung::FuenftelRegel()
{
    if (m_summen[sMehrjaehrig] + m_summen[sAbfindung] == 0)
        return;
    TLohnDaten& d = LohnDatenOf();
    const double s0 = d.SB_LSt->GetCents();
    const double b0 = d.SB_BK->GetCents();
    const double sonst = m_summen[sSonstSteuer];
    m_summen[sSonstSteuer] = Int((m_summen[sMehrjaehrig] + m_summen[sAbfindung]) * 0.2);
    Differenzmethode();
    const double fuenftel = d.SB_LSt->GetCents();
    SetzeCent(*d.SB_BK, fuenftel * 5 + b0);
    SetzeCent(*d.SB_LSt, fuenftel * 5 + s0);
    SolZSonstige(SolZSatz(d.Jahr->GetValue()));
    m_summen[sSonstSteuer] = sonst;
}

void TLohnBerechnung::NetToGross(TEntgeltPosten& c)
{
    const TSummen kopie = m_summen;
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

void TLohnBerechnung::BruttoZurLohnsteuer()
{
    TLohnDaten& d = LohnDatenOf();
    TLStTabBase& t = *m_tab;
    const double ziel = d.Lohnsteuer->GetCents();
    const double versorgung = d.Versorgungsbezuege->GetCents();
    const int zeitraumTage = d.ZeitraumTage();
    double tage = 1;
    if (d.Steuertage->GetValue() != zeitraumTage) {
        tage = d.Steuertage->GetValue() > 0 ? d.Steuertage->GetValue() : 1;
        t.SetInt(liZeitraum, TLohnDaten::kTag);
        t.SetDoub(ldFreibetrag, Abschneiden(d.Freibetrag->GetCents() / zeitraumTage));
        t.SetDoub(ldHinzurechnung, Abschneiden(d.Hinzurechnungsbetrag->GetCents() / zeitraumTage));
    }
    const auto steuer = [&](double lohn) {
        t.SetCurr(lcLohn, Abschneiden(lohn / tage));
        t.SetCurr(lcVersBezug, Abschneiden(std::min(versorgung, lohn) / tage));
        return t.GetDoub(leLohnsteuer) * tage;
    };
    // One unit of the tariff's currency, in cents of the display currency.
    const double einheit =
        Dreisatz(true, 0, 1.0, t.DMFaktor(), d.Waehrungskurs()->GetStoredValue());
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
    SetzeCent(*d.Entgelt, x);
}

TLohnBerechnung::TSVGrenzen TLohnBerechnung::SVGrenzenCent() const
{
    const TLohnDaten& d = LohnDatenOf();
    const TJahresbetraege& j = d.Jahresbetraege();
    const int svTage = d.SVTage->GetValue();
    TSVGrenzen g{.kv = BBGKVJahrCent(), .rv = BBGRVKnappschaftCent(), .av = BBGRVCent()};
    if (d.DetailEntgelt->GetValue() && j.ManuBBG->GetValue()) {
        // Ceilings entered for the months paid so far; without days there is no period to scale
        // them to. A ceiling left at 0 is none entered: no ceiling of the law is 0, and with it
        // every contribution would vanish, so the statutory one stays.
        const double faktor = svTage > 0 ? 360.0 / svTage : 0;
        const auto eingegeben = [faktor](const TDouble& grenze, double& cent) {
            if (grenze.GetCents() > 0)
                cent = Runden(grenze.GetCents() * faktor);
        };
        eingegeben(*j.BBGRV, g.rv);
        eingegeben(*j.BBGAV, g.av);
        eingegeben(*j.BBGKV, g.kv);
    }
    return g;
}

void TLohnBerechnung::CalcSocialInsurance()
{
    TLohnDaten& d = LohnDatenOf();
    const int jahr = d.Jahr->GetValue();
    const int monat = d.Monat->GetValue();
    const int svTage = d.SVTage->GetValue();

    TLaufwerte& lauf = m_lauf;
    const double bbgRV = lauf.grenzen.rv;
    const double bbgAV = lauf.grenzen.av;
    const double bbgKV = lauf.grenzen.kv;

    TBeitrag b(svTage, 0, lauf.tabellenstart, lauf.tabellenschritt, bbgKV, bbgRV, EuroFaktor(jahr));
    b.SetEntgelt(m_summen[sLfdSV]);
    b.SetEinmalzahlung(m_summen[sSonstSV]);
    b.SetWaehrungskurs(d.Waehrungskurs()->GetStoredValue());
    b.SetKeineBBG(d.KeineBBG->GetValue());
    b.SetEuroRundung(jahr > 2002);
    b.SetAndereAE(lauf.andereAE);
    const bool gleitzone = d.Gleitzone->GetValue();
    b.SetGleitzone(gleitzone);
    // The switch is asked only where the old zone may be kept; a disabled switch reads off.
    const bool neueFormel = NeueGleitzonenregel(jahr, monat, d.NeueGleitzonenFormel->GetValue(),
                                                b.ZonenentgeltEuroCent());
    b.SetGleitzonenParameter(jahr, monat, neueFormel);
    const std::size_t formel = neueFormel ? 1 : 0;
    if (!lauf.zonenfaktorGelesen[formel]) {
        lauf.zonenfaktor[formel] = Beitragssaetze().Gleitzonenfaktor(jahr, monat, neueFormel);
        lauf.zonenfaktorGelesen[formel] = true;
    }
    b.SetGleitzonenfaktor(lauf.zonenfaktor[formel]);
    m_beitragspflichtig = b.BeitragspflichtigeEinnahme();

    m_arbeitgeber.fill(0);
    const auto anteile = [this, &b](TDouble& arbeitnehmer, TZweig zweig) {
        SetzeCent(arbeitnehmer, b.GetBeitrag());
        m_arbeitgeber[static_cast<int>(zweig)] = b.GetArbeitgeberAnteil();
    };
    using Art = TBeitrag::TSatzArt;
    if (d.KVBeitrag->IsEnabled()) {
        b.SetSatz(Art::kGesamt, d.KVSatz->GetValue());
        anteile(*d.KVBeitrag, TZweig::kKV);
    }
    if (d.PVBeitrag->IsEnabled()) {
        b.SetPVSachsen(d.PVSachsen->GetValue());
        b.SetKinderPV(d.KinderPV->GetValue());
        b.SetSatz(Art::kGesamt, d.PVSatz->GetValue());
        anteile(*d.PVBeitrag, TZweig::kPV);
    }
    if (d.KVZBBeitrag->IsEnabled()) {
        b.SetSatz(Art::kGesamt, d.KVZBSatz->GetValue());
        if (!TBeitragssatz::ZusatzbeitragParitaetisch(jahr)) {
            b.SetSatz(Art::kArbeitgeber, 0);
            b.SetSatz(Art::kArbeitnehmer, d.KVZBSatz->GetValue());
        }
        anteile(*d.KVZBBeitrag, TZweig::kKVZ);
    }
    if (d.PVKLBeitrag->IsEnabled()) {
        b.SetNurArbeitnehmer(true);
        b.SetSatz(Art::kGesamt, 0);
        b.SetSatz(Art::kArbeitnehmer, d.PVKLSatz->GetValue());
        SetzeCent(*d.PVKLBeitrag, b.GetBeitrag());
        b.SetNurArbeitnehmer(false);
    }
    b.BBGTauschen();
    if (d.RVBeitrag->IsEnabled()) {
        if (d.KeineRVMinderung->GetValue())
            b.SetGleitzone(false);
        b.SetSatz(Art::kGesamt, d.RVSatz->GetValue());
        if (gleitzone && !neueFormel &&
            GleitzonenStand(jahr, monat) == TGleitzonenStand::kUebergang2022) {
            // Pay of 450.01 to 520 euro kept its other branches in the old zone, but is marginal
            // employment for the pension: the employer pays the flat rate, the employee the rest.
            b.SetGleitzone(false);
            const double gesamt = b.GetBeitrag() + b.GetArbeitgeberAnteil();
            b.SetSatz(Art::kArbeitgeber, Beitragssaetze().RVSatzPau(jahr, monat));
            SetzeCent(*d.RVBeitrag, gesamt - b.GetArbeitgeberAnteil());
            m_arbeitgeber[static_cast<int>(TZweig::kRV)] = b.GetArbeitgeberAnteil();
        } else {
            anteile(*d.RVBeitrag, TZweig::kRV);
        }
        b.SetGleitzone(gleitzone);
    }
    if (d.AVBeitrag->IsEnabled()) {
        b.SetAndereAE(0);
        b.SetBBG(bbgAV);
        b.SetSatz(Art::kGesamt, d.AVSatz->GetValue());
        anteile(*d.AVBeitrag, TZweig::kAV);
    }
}

void TLohnBerechnung::KammerBerechnung()
{
    TLohnDaten& d = LohnDatenOf();
    if (!d.Kammer->GetValue()) {
        d.Kammerbeitrag->SetValue(0);
        return;
    }
    const int jahr = d.Jahr->GetValue();
    std::unique_ptr<TKammer> kammer;
    switch (d.KammerLand->GetValue()) {
    case 0: {
        auto bremen = std::make_unique<TKammerBremen>();
        double steuerpflichtig = m_summen[sLfdSteuer] + m_summen[sSonstSteuer] +
                                 m_summen[sMehrjaehrig] + m_summen[sMehrjVersorgung];
        if (KammerAbfindungBr(jahr))
            steuerpflichtig += m_summen[sAbfindung];
        bremen->SetBetrag(steuerpflichtig * 0.01);
        bremen->SetTage(d.Steuertage->GetValue());
        bremen->SetJahr(jahr, d.Monat->GetValue());
        kammer = std::move(bremen);
        break;
    }
    case 1: {
        auto saarland = std::make_unique<TKammerSaarland>();
        saarland->SetBetrag((m_summen[sLfdSV] + m_summen[sSonstSV]) * 0.01);
        if (d.Gleitzone->GetValue())
            saarland->SetGleitzonenbasis(m_beitragspflichtig * 0.01);
        saarland->SetJahr(jahr, d.Monat->GetValue());
        saarland->SetTage(d.SVTage->GetValue());
        kammer = std::move(saarland);
        break;
    }
    default:
        throw Exception("KammerBerechnung: Kammerland ungültig! (" +
                        std::to_string(d.KammerLand->GetValue()) + ")");
    }
    kammer->SetKurs(d.Waehrungskurs()->GetStoredValue());
    kammer->SetFaktor(EuroFaktor(jahr));
    d.Kammerbeitrag->SetValue(kammer->Beitrag());
}

// The tax of other payments in a payroll run: by the tariff's own procedure from 2002, by the
// difference method of the annual table with the one-third, half-rate and one-fifth rules before.
#include "Engine/Abrechnung/LohnLauf.h"

#include "Engine/Abrechnung/LohnDaten.h"
#include "Engine/Lohnsteuer/SolZSatz.h"
#include "Lib/Betrag.h"

#include <cmath>

void TLohnLauf::SonstigeBezuegeErmitteln()
{
    const bool dm = m_e.jahr < 2002;
    if (!dm && SonstigeBezuegeLeer()) {
        // Nothing besides the current pay: the tariff has no other payment to tax, and a run
        // of it would only tax the current pay once more.
        for (TCentBetrag* betrag : {&m_r.sbLSt, &m_r.sbBK, &m_r.sbSolZ})
            betrag->Setzen(0);
        m_sbLStCent = 0;
        m_sbSolZCent = 0;
        m_sbBKTarif = 0;
        return;
    }
    if (dm)
        SonstigeBezuegeDM();
    else
        SonstigeBezuegeTarif();
    m_sbLStCent = m_r.sbLSt.Cent();
    m_sbSolZCent = m_r.sbSolZ.Cent();
}

TLohnLauf::TSonstigeBetraege TLohnLauf::SonstigeBetraege() const
{
    TSonstigeBetraege b;
    b.sonstig = m_summen[sSonstSteuer];
    b.versorgung = m_summen[sSonstVersorgung];
    b.fuenftel = m_summen[sMehrjaehrig] + m_summen[sAbfindung];
    b.kapital = m_summen[sMehrjVersorgung];
    if (m_e.jahr >= 2025) {
        // Since 2025 the one-fifth rule belongs to the assessment only: the employer taxes
        // severance pay and pay for several years as plain other payments.
        b.sonstig += b.fuenftel + b.kapital;
        b.versorgung += b.kapital;
        b.fuenftel = 0;
        b.kapital = 0;
    }
    return b;
}

bool TLohnLauf::SonstigeBezuegeLeer() const
{
    const TSonstigeBetraege b = SonstigeBetraege();
    return b.sonstig == 0 && b.versorgung == 0 && b.fuenftel == 0 && b.kapital == 0 &&
           m_summen[sSterbegeld] == 0 && m_e.vorteileCent == 0;
}

void TLohnLauf::SonstigeBezuegeTarif()
{
    const TSonstigeBetraege b = SonstigeBetraege();
    TLStTabBase& t = m_tab;
    t.SetDoub(ldJahresLohn, m_e.jahresEntgeltCent);
    t.SetDoub(ldJahresVersBezug, m_e.jahresVersorgungCent);
    t.SetDoub(ldJahresFreibetrag, m_e.jahresFreibetragCent);
    t.SetDoub(ldJahresHinzurechnung, m_e.jahresHinzurechnungCent);
    t.SetDoub(ldJahresEntschaedigung, m_e.jahresEntschaedigungenCent);
    t.SetCurr(lcSterbegeld, m_summen[sSterbegeld]);
    if (m_e.jahr < 2025)
        t.SetCurr(lcVersKapital, b.kapital);
    t.SonstigeBezuegeBerechnen(b.sonstig, b.versorgung, b.fuenftel);
    m_r.sbLSt.SetzenGanzeCent(t.GetDoub(leLStSonst) + t.GetDoub(leLStFuenftel));
    m_r.sbBK.SetzenGanzeCent(t.GetDoub(leKiStBasisSonst) + t.GetDoub(leKiStBasisFuenftel));
    m_sbBKTarif = t.GetDoubTarif(leKiStBasisSonst) + t.GetDoubTarif(leKiStBasisFuenftel);
    m_r.sbSolZ.SetzenGanzeCent(t.GetDoub(leSolZSonst) + t.GetDoub(leSolZFuenftel));
    for (const int index : {ldJahresLohn, ldJahresVersBezug, ldJahresFreibetrag,
                            ldJahresHinzurechnung, ldJahresEntschaedigung})
        t.SetDoub(index, 0);
    t.SetCurr(lcSterbegeld, 0);
    t.SetCurr(lcVersKapital, 0);
}

void TLohnLauf::SonstigeBezuegeDM()
{
    // Every run starts afresh: the net-to-gross search runs Summen many times, and results of an
    // earlier pass must not be taxed again.
    for (TCentBetrag* betrag : {&m_r.sbLSt, &m_r.sbBK, &m_r.sbSolZ})
        betrag->Setzen(0);
    m_sbBKTarif = 0;
    // Up to 300 marks of special payments count as current pay when there is current pay.
    double grenze = 30000;
    const double kurs = m_e.kurs;
    if (kurs != 1.95583)
        grenze = Dreisatz(true, 0, Abschneiden(30000 * 0.5112918811962185), 1.0, kurs);
    if (m_summen[sSonstSteuer] + m_summen[sAbfindung] + m_summen[sMehrjaehrig] <= grenze &&
        m_summen[sLfdSteuer] > 0) {
        m_summen[sLfdSteuer] += m_summen[sSonstSteuer];
        m_summen[sLfdVersorgung] += m_summen[sSonstVersorgung];
        return;
    }
    m_jahresEntgelt = m_e.jahresEntgeltCent;
    m_jahresVersorgung = m_e.jahresVersorgungCent;
    Differenzmethode();
    if (m_e.jahr < 1999) {
        DrittelRegel();
        HalberSteuersatz();
    } else {
        FuenftelRegel();
    }
}

void TLohnLauf::Differenzmethode()
{
    if (m_summen[sSonstSteuer] == 0 && m_summen[sSonstVersorgung] == 0)
        return;
    TLStTabBase& t = m_tab;
    const double freibetrag = m_e.jahresFreibetragCent;
    const double hinzurechnung = m_e.jahresHinzurechnungCent;
    t.LohnsteuerFuerZeitraum(TLohnDaten::kJahr, m_jahresEntgelt, m_jahresVersorgung, freibetrag,
                             hinzurechnung);
    const double w1 = t.GetDoub(leLohnsteuer);
    const double w1Tarif = t.GetDoubTarif(leLohnsteuer);
    m_jahresEntgelt += m_summen[sSonstSteuer];
    m_jahresVersorgung += m_summen[sSonstVersorgung];
    t.LohnsteuerFuerZeitraum(TLohnDaten::kJahr, m_jahresEntgelt, m_jahresVersorgung, freibetrag,
                             hinzurechnung);
    const double w2 = t.GetDoub(leLohnsteuer);
    m_r.sbLSt.SetzenGanzeCent(w2 - w1);
    m_sbBKTarif = t.GetDoubTarif(leLohnsteuer) - w1Tarif;
    m_r.sbBK.Setzen(m_r.sbLSt.Wert());
    SolZSonstige(SolZSatzMonat(m_e.jahr, m_e.monat));
    if (t.ZusatztabelleAngewendet())
        m_r.zusatztabelle = true;
}

void TLohnLauf::SolZSonstige(double satz)
{
    m_r.sbSolZ.SetzenGanzeCent(std::trunc(m_r.sbLSt.Cent() * satz * 0.01));
}

// The three rules tax one part of the payment by the difference method and multiply the result;
// the regular special payments stay taxed as before (S0, B0).
void TLohnLauf::HalberSteuersatz()
{
    if (m_summen[sAbfindung] == 0)
        return;
    const double s0 = m_r.sbLSt.Cent();
    const double b0 = m_r.sbBK.Cent();
    const double b0Tarif = m_sbBKTarif;
    const double sonst = m_summen[sSonstSteuer];
    m_summen[sSonstSteuer] = m_summen[sAbfindung];
    Differenzmethode();
    const double halb = std::trunc(m_r.sbLSt.Cent() * 0.5);
    m_r.sbBK.SetzenGanzeCent(halb + b0);
    m_sbBKTarif = std::trunc(m_sbBKTarif * 0.5) + b0Tarif;
    m_r.sbLSt.SetzenGanzeCent(halb + s0);
    SolZSonstige(SolZSatzMonat(m_e.jahr, m_e.monat));
    m_summen[sSonstSteuer] = sonst;
}

void TLohnLauf::DrittelRegel()
{
    if (m_summen[sMehrjaehrig] == 0)
        return;
    const double s0 = m_r.sbLSt.Cent();
    const double b0 = m_r.sbBK.Cent();
    const double b0Tarif = m_sbBKTarif;
    const double sonst = m_summen[sSonstSteuer];
    m_summen[sSonstSteuer] = std::trunc(m_summen[sMehrjaehrig] * (1.0 / 3.0));
    Differenzmethode();
    const double drittel = m_r.sbLSt.Cent();
    m_r.sbBK.SetzenGanzeCent(drittel * 3 + b0);
    m_sbBKTarif = m_sbBKTarif * 3 + b0Tarif;
    m_r.sbLSt.SetzenGanzeCent(drittel * 3 + s0);
    SolZSonstige(SolZSatzMonat(m_e.jahr, m_e.monat));
    m_summen[sSonstSteuer] = sonst;
}

void TLohnLauf::FuenftelRegel()
{
    if (m_summen[sMehrjaehrig] + m_summen[sAbfindung] == 0)
        return;
    const double s0 = m_r.sbLSt.Cent();
    const double b0 = m_r.sbBK.Cent();
    const double b0Tarif = m_sbBKTarif;
    const double sonst = m_summen[sSonstSteuer];
    m_summen[sSonstSteuer] = std::trunc((m_summen[sMehrjaehrig] + m_summen[sAbfindung]) * 0.2);
    Differenzmethode();
    const double fuenftel = m_r.sbLSt.Cent();
    m_r.sbBK.SetzenGanzeCent(fuenftel * 5 + b0);
    m_sbBKTarif = m_sbBKTarif * 5 + b0Tarif;
    m_r.sbLSt.SetzenGanzeCent(fuenftel * 5 + s0);
    SolZSonstige(SolZSatzMonat(m_e.jahr, m_e.monat));
    m_summen[sSonstSteuer] = sonst;
}

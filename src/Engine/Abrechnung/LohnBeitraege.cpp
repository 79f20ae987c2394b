// The employee's social-insurance contributions of a payroll run and the employer's shares.
#include "Engine/Abrechnung/LohnLauf.h"

#include "Engine/Sozialversicherung/Beitrag.h"
#include "Engine/Sozialversicherung/Beitragssatz.h"
#include "Engine/Sozialversicherung/Gleitzone.h"
#include "Lib/Betrag.h"

void TLohnLauf::CalcSocialInsurance()
{
    const int jahr = m_e.jahr;
    const int monat = m_e.monat;
    const double bbgRV = m_e.grenzen.rv;
    const double bbgAV = m_e.grenzen.av;
    const double bbgKV = m_e.grenzen.kv;

    TBeitrag b(m_e.svTage, 0, m_e.tabellenstart, m_e.tabellenschritt, bbgKV, bbgRV,
               EuroFaktor(jahr));
    b.SetEntgelt(m_summen[sLfdSV]);
    b.SetEinmalzahlung(m_summen[sSonstSV]);
    b.SetWaehrungskurs(m_e.kurs);
    b.SetKeineBBG(m_e.keineBBG);
    b.SetEuroRundung(jahr > 2002);
    b.SetAndereAE(m_e.andereAECent);
    const bool gleitzone = m_e.gleitzone;
    b.SetGleitzone(gleitzone);
    // The switch is asked only where the old zone may be kept; a disabled switch reads off.
    const bool neueFormel =
        NeueGleitzonenregel(jahr, monat, m_e.neueGleitzonenFormel, b.ZonenentgeltEuroCent());
    b.SetGleitzonenParameter(jahr, monat, neueFormel);
    const std::size_t formel = neueFormel ? 1 : 0;
    if (!m_zonenfaktorGelesen[formel]) {
        m_zonenfaktor[formel] = Beitragssaetze().Gleitzonenfaktor(jahr, monat, neueFormel);
        m_zonenfaktorGelesen[formel] = true;
    }
    b.SetGleitzonenfaktor(m_zonenfaktor[formel]);
    m_beitragspflichtig = b.BeitragspflichtigeEinnahme();

    std::array<double, 5>& arbeitgeber = m_r.arbeitgeber;
    arbeitgeber.fill(0);
    m_r.arbeitgeberGesetzt = true;
    const auto anteile = [&arbeitgeber, &b](TCentBetrag& arbeitnehmer, TLohnZweig zweig) {
        arbeitnehmer.SetzenGanzeCent(b.GetBeitrag());
        arbeitgeber[static_cast<std::size_t>(zweig)] = b.GetArbeitgeberAnteil();
    };
    using Art = TBeitrag::TSatzArt;
    if (m_e.kv) {
        b.SetSatz(Art::kGesamt, m_e.kvSatz);
        anteile(m_r.kvBeitrag, TLohnZweig::kKV);
    }
    if (m_e.pv) {
        b.SetPVSachsen(m_e.pvSachsen);
        b.SetKinderPV(m_e.kinderPV);
        b.SetSatz(Art::kGesamt, m_e.pvSatz);
        anteile(m_r.pvBeitrag, TLohnZweig::kPV);
    }
    if (m_e.kvzb) {
        b.SetSatz(Art::kGesamt, m_e.kvzbSatz);
        if (!TBeitragssatz::ZusatzbeitragParitaetisch(jahr)) {
            b.SetSatz(Art::kArbeitgeber, 0);
            b.SetSatz(Art::kArbeitnehmer, m_e.kvzbSatz);
        }
        anteile(m_r.kvzbBeitrag, TLohnZweig::kKVZ);
    }
    if (m_e.pvkl) {
        b.SetNurArbeitnehmer(true);
        b.SetSatz(Art::kGesamt, 0);
        b.SetSatz(Art::kArbeitnehmer, m_e.pvklSatz);
        m_r.pvklBeitrag.SetzenGanzeCent(b.GetBeitrag());
        b.SetNurArbeitnehmer(false);
    }
    b.BBGTauschen();
    if (m_e.rv) {
        if (m_e.keineRVMinderung)
            b.SetGleitzone(false);
        b.SetSatz(Art::kGesamt, m_e.rvSatz);
        if (gleitzone && !neueFormel &&
            GleitzonenStand(jahr, monat) == TGleitzonenStand::kUebergang2022) {
            // Pay of 450.01 to 520 euro kept its other branches in the old zone, but is marginal
            // employment for the pension: the employer pays the flat rate, the employee the rest.
            b.SetGleitzone(false);
            const double gesamt = b.GetBeitrag() + b.GetArbeitgeberAnteil();
            b.SetSatz(Art::kArbeitgeber, Beitragssaetze().RVSatzPau(jahr, monat));
            m_r.rvBeitrag.SetzenGanzeCent(gesamt - b.GetArbeitgeberAnteil());
            arbeitgeber[static_cast<std::size_t>(TLohnZweig::kRV)] = b.GetArbeitgeberAnteil();
        } else {
            anteile(m_r.rvBeitrag, TLohnZweig::kRV);
        }
        b.SetGleitzone(gleitzone);
    }
    if (m_e.av) {
        b.SetAndereAE(0);
        b.SetBBG(bbgAV);
        b.SetSatz(Art::kGesamt, m_e.avSatz);
        anteile(m_r.avBeitrag, TLohnZweig::kAV);
    }
}

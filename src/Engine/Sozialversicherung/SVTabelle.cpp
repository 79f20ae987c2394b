#include "Engine/Sozialversicherung/SVTabelle.h"

#include "Lib/Betrag.h"
#include "Lib/Exception.h"
#include "Lib/InstChck.h"

#include <algorithm>

namespace {

using Art = TBeitrag::TSatzArt;

const char* const kNamen[4] = {"SVTabelle.KV", "SVTabelle.PV", "SVTabelle.RV", "SVTabelle.AV"};

} // namespace

TSVTabellenBeitraege::TSVTabellenBeitraege(const TSVTabellenVorgaben& vorgaben)
    : m_v(vorgaben), m_faktor(EuroFaktor(vorgaben.jahr))
{
    // Rows need a step; the objects are made only for settings the table can show.
    if (!(m_v.tabellenwert2 >= 1) || m_v.svTage < 0)
        throw Exception("Beitragstabelle " + std::to_string(m_v.jahr) +
                        " kann nicht erstellt werden: Schrittweite " +
                        FloatToBetragStr(2, m_v.tabellenwert2 * 0.01) + ", SV-Tage " +
                        std::to_string(m_v.svTage) + ".");
    if (m_v.kurs <= 0)
        m_v.kurs = m_faktor;
    // Table mode only while the statement asks for the banded contributions; the table values
    // alone would band every year.
    const double start = m_v.tabellenBeitrag ? m_v.tabellenwert1 : 1.0;
    const double schritt = m_v.tabellenBeitrag ? m_v.tabellenwert2 : 1.0;
    for (int i = 0; i < 4; ++i) {
        auto b = std::make_unique<TBeitrag>(m_v.svTage, 0, start, schritt, m_v.bbgKV, m_v.bbgRV,
                                            m_faktor);
        // Banded rows are taken in the year's own currency and converted like the pay.
        b->SetWaehrungskurs(m_v.tabellenBeitrag ? m_faktor : m_v.kurs);
        b->SetKeineBBG(m_v.keineBBG);
        b->SetEuroRundung(m_v.jahr > 2002);
        InstanceChecker().Register(b.get(), kNamen[i]);
        m_beitrag[i] = std::move(b);
    }
    Objekt(TSVZweig::kRV).BBGTauschen();
    Objekt(TSVZweig::kAV).SetBBG(m_v.bbgAV);
}

TSVTabellenBeitraege::~TSVTabellenBeitraege()
{
    for (const auto& b : m_beitrag)
        InstanceChecker().Unregister(b.get());
}

double TSVTabellenBeitraege::HoechsteAnteiligeGrenze() const
{
    double grenze = 0;
    for (const auto& b : m_beitrag)
        grenze = std::max(grenze, b->GetAnteiligeGrenze());
    return grenze;
}

double TSVTabellenBeitraege::Anteil(TSVZweig zweig, double satz)
{
    TBeitrag& b = Objekt(zweig);
    b.SetSatz(Art::kGesamt, satz);
    return b.GetBeitrag();
}

double TSVTabellenBeitraege::KV()
{
    TBeitrag& b = Objekt(TSVZweig::kKV);
    double summe = Anteil(TSVZweig::kKV, m_v.kvSatz);
    if (m_v.kvzb) {
        b.SetSatz(Art::kGesamt, m_v.kvzbSatz);
        if (!m_v.zusatzbeitragParitaetisch) {
            b.SetSatz(Art::kArbeitgeber, 0);
            b.SetSatz(Art::kArbeitnehmer, m_v.kvzbSatz);
        }
        summe += b.GetBeitrag();
    }
    return summe;
}

double TSVTabellenBeitraege::PV()
{
    TBeitrag& b = Objekt(TSVZweig::kPV);
    // Saxony and the children go with each split of the total rate.
    b.SetNurArbeitnehmer(false);
    b.SetPVSachsen(m_v.pvSachsen);
    b.SetKinderPV(m_v.kinderPV);
    double summe = Anteil(TSVZweig::kPV, m_v.pvSatz);
    if (m_v.pvkl) {
        b.SetNurArbeitnehmer(true);
        b.SetSatz(Art::kGesamt, 0);
        b.SetSatz(Art::kArbeitnehmer, m_v.pvklSatz);
        summe += b.GetBeitrag();
    }
    return summe;
}

TSVTabellenZeile TSVTabellenBeitraege::Zeile(double betrag)
{
    TSVTabellenZeile zeile;
    const auto anzeige = [this](double x) { return Dreisatz(true, 0, x, m_faktor, m_v.kurs); };
    zeile.entgelt = anzeige(betrag);
    // A banded row is computed in the year's currency, so that its pay stays in its band, and its
    // shares go to the display currency as the pay does; an exact row on the pay it shows.
    const double entgelt = m_v.tabellenBeitrag ? betrag : zeile.entgelt;
    const auto umrechnen = [&](double anteil) {
        return m_v.tabellenBeitrag ? anzeige(anteil) : anteil;
    };
    const bool an[4] = {m_v.kv, m_v.pv, m_v.rv, m_v.av};
    for (int i = 0; i < 4; ++i) {
        m_beitrag[i]->SetEntgelt(entgelt);
        zeile.ueberBBG[i] = !m_v.keineBBG && betrag > m_beitrag[i]->GetAnteiligeGrenze();
        if (!an[i])
            continue;
        double anteil = 0;
        switch (static_cast<TSVZweig>(i)) {
        case TSVZweig::kKV:
            anteil = KV();
            break;
        case TSVZweig::kPV:
            anteil = PV();
            break;
        case TSVZweig::kRV:
            anteil = Anteil(TSVZweig::kRV, m_v.rvSatz);
            break;
        case TSVZweig::kAV:
            anteil = Anteil(TSVZweig::kAV, m_v.avSatz);
            break;
        }
        zeile.anteil[i] = umrechnen(anteil);
    }
    return zeile;
}

std::string SVTabellenTitel(const TSVTabellenVorgaben& v)
{
    std::string titel = "Beitragstabelle " + std::to_string(v.jahr) + "  (";
    if (!v.kasseName.empty())
        titel += v.kasseName + ", ";
    return titel + v.waehrungName + ") ";
}

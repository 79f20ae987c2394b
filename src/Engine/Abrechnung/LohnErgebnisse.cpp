#include "Engine/Abrechnung/LohnErgebnisse.h"

#include "Engine/Abrechnung/DetailEntgelte.h"
#include "Engine/Abrechnung/LohnDaten.h"
#include "Engine/Abrechnung/LohnEingaben.h"

namespace {

void Schreiben(const TCentBetrag& betrag, TDouble& wert)
{
    if (betrag.Gesetzt())
        wert.SetValue(betrag.Wert());
}

void Ungueltig(TValue& wert)
{
    wert.ChangeFlag(TValue::vfUndetermined, true);
}

} // namespace

void LohnErgebnisseSchreiben(const TLohnEingaben& e, const TLohnErgebnisse& r, TLohnDaten& d)
{
    const std::pair<const TCentBetrag&, TDouble*> betraege[] = {
        {r.lohnsteuer, d.Lohnsteuer},
        {r.pauschLStAN, d.PauschLStAN},
        {r.kirchensteuer, d.Kirchensteuer},
        {r.pauschKiStAN, d.PauschKiStAN},
        {r.solidaritaetszuschlag, d.Solidaritaetszuschlag},
        {r.pauschSolZAN, d.PauschSolZAN},
        {r.sbLSt, d.SB_LSt},
        {r.sbBK, d.SB_BK},
        {r.sbSolZ, d.SB_SolZ},
        {r.kvBeitrag, d.KVBeitrag},
        {r.pvBeitrag, d.PVBeitrag},
        {r.kvzbBeitrag, d.KVZBBeitrag},
        {r.pvklBeitrag, d.PVKLBeitrag},
        {r.rvBeitrag, d.RVBeitrag},
        {r.avBeitrag, d.AVBeitrag},
        {r.kammerbeitrag, d.Kammerbeitrag},
        {r.entgelt, d.Entgelt},
        {r.nettoentgelt, d.Nettoentgelt},
        {r.versorgungsbezuege, d.Versorgungsbezuege},
    };
    for (const auto& [betrag, wert] : betraege)
        Schreiben(betrag, *wert);
    if (r.zusatztabelleGesetzt)
        d.Zusatztabelle_angewendet->SetValue(r.zusatztabelle);
    // The gross found for a component goes back to it, also the last one tried when the run
    // failed: the list shows it.
    if (!r.posten.empty()) {
        TDetailEntgelte& liste = d.DetailEntgelte();
        for (std::size_t i = 0; i < r.posten.size(); ++i)
            if (r.posten[i].brutto.Gesetzt())
                liste.DetailEntgeltDaten(static_cast<int>(i))
                    .Brutto()
                    .SetValue(r.posten[i].brutto.Wert());
    }

    using F = TLohnErgebnisse::TFehler;
    if (r.fehler != F::kKeiner) {
        Ungueltig(e.ausgangswert == TLohnDaten::kAusEntgelt ? *d.Nettoentgelt : *d.Entgelt);
        if (r.fehler == F::kBerechnung) {
            Ungueltig(e.ausgangswert == TLohnDaten::kAusLohnsteuer ? *d.Nettoentgelt
                                                                   : *d.Lohnsteuer);
            for (TDouble* wert :
                 {d.Kirchensteuer, d.Solidaritaetszuschlag, d.KVBeitrag, d.PVBeitrag, d.KVZBBeitrag,
                  d.PVKLBeitrag, d.RVBeitrag, d.AVBeitrag})
                Ungueltig(*wert);
        }
    }
}

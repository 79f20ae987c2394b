// A full payroll statement of 2026 and a net-to-gross search, each from a change of the given
// amount to the finished results (what the page waits for after a keystroke). Each reads the
// options and directories from a temporary home of its own, never the user's.
#include "Engine/Abrechnung/DetailEntgelte.h"
#include "Engine/Abrechnung/Jahresbetraege.h"
#include "Engine/Abrechnung/LohnBerechnung.h"

#include "Support/OptionenUmgebung.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {

void BM_Abrechnung2026(benchmark::State& state)
{
    const TOptionenUmgebung heim;
    auto lohn = MakeComponent<TLohnBerechnung>(nullptr, "LOHN");
    TLohnDaten& d = lohn->LohnDatenOf();
    d.Steuerklasse->SetValue(3);
    d.Kinder->SetValue(2);
    double brutto = 4000;
    for (auto _ : state) {
        brutto = brutto == 4000 ? 4000.01 : 4000;
        d.Entgelt->SetValue(brutto);
        benchmark::DoNotOptimize(d.Nettoentgelt->GetValue());
    }
}
BENCHMARK(BM_Abrechnung2026);

void BM_NettoZuBrutto2026(benchmark::State& state)
{
    const TOptionenUmgebung heim;
    auto lohn = MakeComponent<TLohnBerechnung>(nullptr, "LOHN");
    TLohnDaten& d = lohn->LohnDatenOf();
    double netto = 2500;
    for (auto _ : state) {
        netto = netto == 2500 ? 2500.01 : 2500;
        d.Nettoentgelt->SetValue(netto);
        benchmark::DoNotOptimize(d.Entgelt->GetValue());
    }
}
BENCHMARK(BM_NettoZuBrutto2026);

// Itemised pay: a net-agreed salary, a flat-taxed job ticket and a one-off payment, after a
// change of the agreed net.
void BM_NettoZuBruttoBezuege2026(benchmark::State& state)
{
    const TOptionenUmgebung heim;
    auto lohn = MakeComponent<TLohnBerechnung>(nullptr, "LOHN");
    TLohnDaten& d = lohn->LohnDatenOf();
    auto vorlage = MakeComponent<TDetailEntgelt>(nullptr, std::string());
    TDetailEntgeltDaten& v = vorlage->DetailEntgeltDaten();
    v.NettoVereinb().SetValue(true);
    v.Betrag().SetValue(2500);
    d.DetailEntgelte().Hinzufuegen(v);
    v.NettoVereinb().SetValue(false);
    v.Pauschal().SetValue(true);
    v.Betrag().SetValue(50);
    d.DetailEntgelte().Hinzufuegen(v);
    v.Pauschal().SetValue(false);
    v.Einmalzahlung().SetValue(true);
    v.Betrag().SetValue(1000);
    d.DetailEntgelte().Hinzufuegen(v);
    d.Jahresbetraege().Entgelt->SetValue(48000);
    d.DetailEntgelt->SetValue(true);
    TDouble& netto = d.DetailEntgelte().DetailEntgeltDaten(0).Betrag();
    double betrag = 2500;
    for (auto _ : state) {
        betrag = betrag == 2500 ? 2500.01 : 2500;
        netto.SetValue(betrag);
        benchmark::DoNotOptimize(d.Entgelt->GetValue());
    }
}
BENCHMARK(BM_NettoZuBruttoBezuege2026);

} // namespace

// One page of rows of the income-tax and the contribution table, painted after a scroll by a
// page as the user pages through them (a page must paint well within a frame).
#include "Engine/Abrechnung/LohnBerechnung.h"
#include "Engine/Abrechnung/LohnDaten.h"
#include "Engine/Abrechnung/LohnSVTabelle.h"
#include "Forms/Tabellen/EStTabelle.h"
#include "Forms/Tabellen/FoSVTabelle.h"
#include "QtAnwendung.h"
#include "Support/OptionenUmgebung.h"

#include <QCoreApplication>
#include <QScrollBar>

#include <benchmark/benchmark.h>

namespace {

void SeitenMalen(benchmark::State& state, TTabelle& tabelle, int zeilen)
{
    QScrollBar& leiste = *tabelle.ScrollBar1();
    for (auto _ : state) {
        leiste.setValue(leiste.value() < leiste.maximum() ? leiste.value() + zeilen
                                                          : leiste.minimum());
        benchmark::DoNotOptimize(tabelle.PaintBox1()->grab().width());
    }
    tabelle.close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void BM_EStTabelleSeite(benchmark::State& state)
{
    Anwendung();
    TOptionenUmgebung umgebung;
    TOptionenUmgebung::Starten();
    TFoEStTabelle* t = TFoEStTabelle::ZeigenPeriode(2026);
    t->BetragZuZeile(50000);
    SeitenMalen(state, *t, TFoEStTabelle::kSichtbareZeilen);
}
BENCHMARK(BM_EStTabelleSeite)->Unit(benchmark::kMillisecond);

void BM_SVTabelleSeite(benchmark::State& state)
{
    Anwendung();
    TOptionenUmgebung umgebung;
    TOptionenUmgebung::Starten();
    auto lohn = MakeComponent<TLohnBerechnung>(nullptr, "LOHN");
    lohn->LohnDatenOf().Entgelt->SetValue(4000);
    TFoSVTabelle* t = TFoSVTabelle::Zeigen(SVTabellenVorgabenAus(*lohn));
    t->BetragZuZeile(100000);
    SeitenMalen(state, *t, t->SichtbareZeilen());
}
BENCHMARK(BM_SVTabelleSeite)->Unit(benchmark::kMillisecond);

} // namespace

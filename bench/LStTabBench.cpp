// One monthly wage tax of 2026 per iteration: tax class I and V, with and without an other
// payment (which adds the two annual runs of the other-payment computation).
#include "Engine/Lohnsteuer/LStLib.h"

#include <benchmark/benchmark.h>

#include <random>
#include <vector>

namespace {

std::unique_ptr<TLStTabBase> Monat2026(int steuerklasse)
{
    auto tab = CreateLStTab(2026, 1);
    tab->SetDoub(ldKurs, 1.0);
    tab->SetInt(liSteuerklasse, steuerklasse);
    tab->SetInt(liZeitraum, 2);
    tab->SetDoub(ldKVSatz, 14.0);
    tab->SetDoub(ldKVZusatzSatz, 2.9);
    tab->SetDoub(ldPVSatz, 3.6);
    tab->SetDoub(ldAVSatz, 2.6);
    tab->SetBool(lbKirchensteuer, true);
    tab->SetDoub(ldJahresLohn, 5400000);
    return tab;
}

void Laufend(benchmark::State& state)
{
    auto tab = Monat2026(static_cast<int>(state.range(0)));
    double lohn = 450000;
    for (auto _ : state) {
        // A new wage every time, so that each read computes.
        lohn = lohn == 450000 ? 450001 : 450000;
        tab->SetCurr(lcLohn, lohn);
        benchmark::DoNotOptimize(tab->GetDoub(leLohnsteuer));
        benchmark::DoNotOptimize(tab->GetDoub(leSolZ));
        benchmark::DoNotOptimize(tab->GetDoub(leKiStBasis));
    }
}

// The same over many different wages, as a batch run or a table brings them: no branch learns
// the fractions of the amounts.
void LaufendVerschieden(benchmark::State& state)
{
    auto tab = Monat2026(static_cast<int>(state.range(0)));
    std::vector<double> loehne(1024);
    std::mt19937 zufall(2026);
    std::uniform_int_distribution<int> cent(50000, 1500000);
    for (double& lohn : loehne)
        lohn = cent(zufall);
    std::size_t i = 0;
    for (auto _ : state) {
        tab->SetCurr(lcLohn, loehne[i++ % loehne.size()]);
        benchmark::DoNotOptimize(tab->GetDoub(leLohnsteuer));
        benchmark::DoNotOptimize(tab->GetDoub(leSolZ));
        benchmark::DoNotOptimize(tab->GetDoub(leKiStBasis));
    }
}

void MitSonstigemBezug(benchmark::State& state)
{
    auto tab = Monat2026(static_cast<int>(state.range(0)));
    tab->SetCurr(lcLohn, 450000);
    for (auto _ : state) {
        tab->SonstigeBezuegeBerechnen(300000, 0, 0);
        benchmark::DoNotOptimize(tab->GetDoub(leLohnsteuer));
        benchmark::DoNotOptimize(tab->GetDoub(leLStSonst));
        benchmark::DoNotOptimize(tab->GetDoub(leSolZSonst));
    }
}

// One page of the wage-tax table window: 17 rows from the first table step on, each the wage
// tax, the church-tax base and the surcharge of a wage (a different page every iteration).
void TabellenSeite(benchmark::State& state)
{
    auto tab = Monat2026(static_cast<int>(state.range(0)));
    constexpr int kZeilen = 17;
    const double anfang = tab->TabellenAnfang();
    const double schritt = tab->TabellenSchritt();
    int seite = 0;
    for (auto _ : state) {
        seite = (seite + 1) % 40;
        for (int zeile = 0; zeile < kZeilen; ++zeile) {
            benchmark::DoNotOptimize(
                tab->LohnsteuerFuer(anfang + (seite * kZeilen + zeile) * schritt));
            benchmark::DoNotOptimize(tab->ZusatztabelleAngewendet());
            benchmark::DoNotOptimize(tab->GetDoub(leKiStBasis));
            benchmark::DoNotOptimize(tab->GetDoub(leSolZ));
        }
    }
}

} // namespace

BENCHMARK(TabellenSeite)->Arg(1)->Arg(3)->Arg(5)->ArgName("Steuerklasse");
BENCHMARK(Laufend)->Arg(1)->Arg(5)->ArgName("Steuerklasse");
BENCHMARK(LaufendVerschieden)->Arg(1)->Arg(5)->ArgName("Steuerklasse");
BENCHMARK(MitSonstigemBezug)->Arg(1)->Arg(5)->ArgName("Steuerklasse");

#include "Engine/Einkommensteuer/EStTab.h"

#include <benchmark/benchmark.h>

#include <cstdint>
#include <memory>

namespace {

// One tariff per class; the factory's first year of each class.
const std::uint16_t kJahre[] = {1988, 1990, 1996, 1998, 1999, 2000, 2001, 2002, 2004,
                                2005, 2007, 2009, 2010, 2013, 2014, 2015, 2016, 2017,
                                2018, 2019, 2020, 2021, 2022, 2023, 2024, 2025, 2026};

// The income tax of one taxable income (50,000 in the tariff's currency) per call.
void BM_EStSteuer(benchmark::State& state)
{
    const std::uint16_t jahr = kJahre[state.range(0)];
    const std::unique_ptr<TEStTabBase> tab = CreateEStTab(jahr);
    const double faktor = tab->DMFaktor();
    double einkommen = 50000;
    for (auto _ : state) {
        benchmark::DoNotOptimize(tab->Steuer(false, einkommen, faktor));
        einkommen += 1;
    }
    state.SetLabel(tab->Name());
}
BENCHMARK(BM_EStSteuer)->DenseRange(0, static_cast<int>(std::size(kJahre)) - 1);

// The income search for a tax, splitting table 2026.
void BM_EStEinkommen2026(benchmark::State& state)
{
    TEStTab26 tab;
    double steuer = 10548;
    for (auto _ : state) {
        benchmark::DoNotOptimize(tab.Einkommen(true, steuer, 1.0));
        steuer += 1;
    }
}
BENCHMARK(BM_EStEinkommen2026);

} // namespace

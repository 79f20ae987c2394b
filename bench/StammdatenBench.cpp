// The funds and currencies lists at sizes up to their maximum of 5,000 names: reading the
// choices (every refresh of a page), checking a chosen name (every load of a page) and finding a
// name's key (every save of a fund). Each should grow linearly with the list.
#include "Engine/Stammdaten/StammListe.h"
#include "Lib/IniFile.h"
#include "MVCFrame/StringIniLookup.h"
#include "Support/TempXdg.h"

#include <benchmark/benchmark.h>

#include <fstream>
#include <string>

namespace {

// A funds file of `n` funds in the benchmark's temporary folder, removed with it; returns the
// folder holding the file.
std::string KassenDatei(const TTempXdg& heim, int n)
{
    const std::string ordner = heim.Ordner("kassen");
    std::ofstream datei(ordner + "/SVBEITRG.INI", std::ios::binary);
    datei << "[Krankenkassen]\n";
    for (int i = 0; i < n; ++i)
        datei << "N" << i << "=Kasse " << i << "\n";
    for (int i = 0; i < n; ++i)
        datei << "[Kasse " << i << "]\nZusatzbeitragssatz=2,45\nBBG_OstKV=0\n";
    return ordner;
}

// The first reading of the choices (at the start, and after the file changed).
void BM_AuswahlLesen(benchmark::State& state)
{
    const TTempXdg heim;
    const int n = static_cast<int>(state.range(0));
    const std::string ordner = KassenDatei(heim, n);
    TStrings choices;
    for (auto _ : state) {
        const TStringIniLookup kasse(nullptr, "KasseName", 0, "", "SVBEITRG.INI", ordner,
                                     "Krankenkassen");
        kasse.GetChoices(choices);
        benchmark::DoNotOptimize(choices.data());
    }
    state.SetComplexityN(n);
}
BENCHMARK(BM_AuswahlLesen)->RangeMultiplier(4)->Range(312, 5000)->Complexity();

// Every refresh of a page while the file stays as it is.
void BM_AuswahlErneutLesen(benchmark::State& state)
{
    const TTempXdg heim;
    const int n = static_cast<int>(state.range(0));
    const TStringIniLookup kasse(nullptr, "KasseName", 0, "", "SVBEITRG.INI", KassenDatei(heim, n),
                                 "Krankenkassen");
    TStrings choices;
    for (auto _ : state) {
        kasse.GetChoices(choices);
        benchmark::DoNotOptimize(choices.data());
    }
    state.SetComplexityN(n);
}
BENCHMARK(BM_AuswahlErneutLesen)->RangeMultiplier(4)->Range(312, 5000)->Complexity();

void BM_AuswahlPruefen(benchmark::State& state)
{
    const TTempXdg heim;
    const int n = static_cast<int>(state.range(0));
    TStringIniLookup kasse(nullptr, "KasseName", 0, "", "SVBEITRG.INI", KassenDatei(heim, n),
                           "Krankenkassen");
    const std::string letzte = "Kasse " + std::to_string(n - 1);
    for (auto _ : state) {
        kasse.SetAsString("");
        kasse.SetAsString(letzte);
    }
    state.SetComplexityN(n);
}
BENCHMARK(BM_AuswahlPruefen)->RangeMultiplier(4)->Range(312, 5000)->Complexity();

void BM_SchluesselSuchen(benchmark::State& state)
{
    const TTempXdg heim;
    const int n = static_cast<int>(state.range(0));
    TXIniFile ini(KassenDatei(heim, n) + "/SVBEITRG.INI");
    TStammListe liste(ini, "Krankenkassen");
    for (auto _ : state)
        benchmark::DoNotOptimize(liste.SchluesselVon("Kasse 0"));
    state.SetComplexityN(n);
}
BENCHMARK(BM_SchluesselSuchen)->RangeMultiplier(4)->Range(312, 5000)->Complexity();

} // namespace

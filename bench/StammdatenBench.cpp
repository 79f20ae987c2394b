// The funds and currencies lists at sizes up to their maximum of 5,000 names: reading the
// choices (every refresh of a page), checking a chosen name (every load of a page) and finding a
// name's key (every save of a fund). Each should grow linearly with the list.
#include "Engine/Stammdaten/StammListe.h"
#include "Lib/IniFile.h"
#include "MVCFrame/StringIniLookup.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <string>

namespace {

// A funds file of `n` funds in a folder of its own; returns the folder.
std::string KassenDatei(int n)
{
    const std::filesystem::path ordner =
        std::filesystem::temp_directory_path() / ("vt_bench_kassen_" + std::to_string(n));
    std::filesystem::create_directories(ordner);
    std::ofstream datei(ordner / "SVBEITRG.INI", std::ios::binary);
    datei << "[Krankenkassen]\n";
    for (int i = 0; i < n; ++i)
        datei << "N" << i << "=Kasse " << i << "\n";
    for (int i = 0; i < n; ++i)
        datei << "[Kasse " << i << "]\nZusatzbeitragssatz=2,45\nBBG_OstKV=0\n";
    return ordner.string();
}

// The first reading of the choices (at the start, and after the file changed).
void BM_AuswahlLesen(benchmark::State& state)
{
    const int n = static_cast<int>(state.range(0));
    const std::string ordner = KassenDatei(n);
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
    const int n = static_cast<int>(state.range(0));
    const TStringIniLookup kasse(nullptr, "KasseName", 0, "", "SVBEITRG.INI", KassenDatei(n),
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
    const int n = static_cast<int>(state.range(0));
    TStringIniLookup kasse(nullptr, "KasseName", 0, "", "SVBEITRG.INI", KassenDatei(n),
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
    const int n = static_cast<int>(state.range(0));
    TXIniFile ini(KassenDatei(n) + "/SVBEITRG.INI");
    TStammListe liste(ini, "Krankenkassen");
    for (auto _ : state)
        benchmark::DoNotOptimize(liste.SchluesselVon("Kasse 0"));
    state.SetComplexityN(n);
}
BENCHMARK(BM_SchluesselSuchen)->RangeMultiplier(4)->Range(312, 5000)->Complexity();

} // namespace

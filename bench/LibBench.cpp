#include "Lib/Betrag.h"
#include "Lib/IniFile.h"
#include "Support/TempXdg.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <string>

static void BM_FloatToBetragStr(benchmark::State& state)
{
    double x = 1234567.891;
    for (auto _ : state) {
        benchmark::DoNotOptimize(FloatToBetragStr(2, x));
        x += 0.01;
    }
}
BENCHMARK(BM_FloatToBetragStr);

static void BM_StrToBetragFloat(benchmark::State& state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(StrToBetragFloat("-1.234.567,89"));
}
BENCHMARK(BM_StrToBetragFloat);

// Saving a page of `range` changed values into a settings file, as the program saves: the
// changes collected, the file written once, atomically and durably.
static void BM_IniSavePage(benchmark::State& state)
{
    const TTempXdg ordner;
    const std::string datei = ordner.Home() + "page.ini";
    const int n = static_cast<int>(state.range(0));
    int runde = 0;
    for (auto _ : state) {
        TXIniFile ini(datei);
        ini.BeginUpdate();
        for (int i = 0; i < n; ++i)
            ini.WriteString("Entgeltabrechnung", "Wert" + std::to_string(i),
                            std::to_string(runde + i), "0");
        ini.UpdateFile();
        ++runde;
    }
}
BENCHMARK(BM_IniSavePage)->Arg(10)->Arg(150)->Unit(benchmark::kMillisecond);

// Saving 150 changed values into a settings file of `range` MB (years of pages and cases).
static void BM_IniSaveLargeFile(benchmark::State& state)
{
    const TTempXdg ordner;
    const std::string datei = ordner.Home() + "large.ini";
    {
        std::string text;
        for (int s = 0; text.size() < static_cast<std::size_t>(state.range(0)) << 20; ++s) {
            text += "[Fall" + std::to_string(s) + "]\n";
            for (int k = 0; k < 200; ++k)
                text += "Schluessel" + std::to_string(k) + "=Wert " + std::to_string(k) + "\n";
        }
        std::FILE* f = std::fopen(datei.c_str(), "wb");
        std::fwrite(text.data(), 1, text.size(), f);
        std::fclose(f);
    }
    int runde = 0;
    for (auto _ : state) {
        TXIniFile ini(datei);
        ini.BeginUpdate();
        for (int i = 0; i < 150; ++i)
            ini.WriteString("Fall" + std::to_string(i * 7), "Wert" + std::to_string(i),
                            std::to_string(runde + i), "0");
        ini.UpdateFile();
        ++runde;
    }
}
BENCHMARK(BM_IniSaveLargeFile)->Arg(1)->Arg(4)->Arg(15)->Unit(benchmark::kMillisecond);

static void BM_IniReadPage(benchmark::State& state)
{
    const TTempXdg ordner;
    const std::string datei = ordner.Home() + "read.ini";
    {
        TXIniFile ini(datei);
        for (int i = 0; i < 100; ++i)
            ini.WriteString("Entgeltabrechnung", "Wert" + std::to_string(i), "1", "0");
    }
    for (auto _ : state) {
        TXIniFile ini(datei);
        for (int i = 0; i < 100; ++i)
            benchmark::DoNotOptimize(
                ini.ReadString("Entgeltabrechnung", "Wert" + std::to_string(i), "0"));
    }
}
BENCHMARK(BM_IniReadPage)->Unit(benchmark::kMicrosecond);

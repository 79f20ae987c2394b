// A full payroll statement of 2026 and a net-to-gross search, each from a change of the given
// amount to the finished results (what the page waits for after a keystroke).
#include "Engine/Abrechnung/LohnBerechnung.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <string>

namespace {

// The options and directories are read from a temporary home, never the user's.
void TemporaeresHeim()
{
    static const bool angelegt = [] {
        std::string muster = (std::filesystem::temp_directory_path() / "vt-bench-XXXXXX").string();
        if (mkdtemp(muster.data()) == nullptr)
            return false;
        setenv("HOME", muster.c_str(), 1);
        setenv("XDG_CONFIG_HOME", (muster + "/.config").c_str(), 1);
        setenv("XDG_DATA_HOME", (muster + "/.local/share").c_str(), 1);
        return true;
    }();
    (void)angelegt;
}

void BM_Abrechnung2026(benchmark::State& state)
{
    TemporaeresHeim();
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
    TemporaeresHeim();
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

} // namespace

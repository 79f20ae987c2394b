#include "Lib/Betrag.h"

#include <benchmark/benchmark.h>

static void BM_Runden(benchmark::State& state)
{
    double x = 1234.565;
    for (auto _ : state) {
        benchmark::DoNotOptimize(Runden(x * 100));
        x += 0.001;
    }
}
BENCHMARK(BM_Runden);

static void BM_Dreisatz(benchmark::State& state)
{
    double a = 4321.17;
    for (auto _ : state) {
        benchmark::DoNotOptimize(Dreisatz(true, 2, a, 7, 3));
        a += 0.01;
    }
}
BENCHMARK(BM_Dreisatz);

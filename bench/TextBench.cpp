#include <benchmark/benchmark.h>

#include "text/Utf8Text.h"

static void BM_SplitLibrary(benchmark::State& state) {
    std::string library;
    for (int i = 0; i < 500; ++i) library += "浩\r\n";
    for (auto _ : state) benchmark::DoNotOptimize(velorin::text::Split(library, "\r\n"));
}
BENCHMARK(BM_SplitLibrary);

BENCHMARK_MAIN();

// Lookups per second of the indexed character lookups beside a character-wise
// scan of the same carried text, over characters spread across GB2312.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "LinearScanLookups.h"
#include "lookups/CharacterLookups.h"
#include "lookups/PinyinTable.h"
#include "text/GbkCodec.h"

namespace {

// Every 47th GB2312 character: common characters early in the tables and rare
// ones late, as the names of a generation run draw them.
const std::vector<std::string>& SampleCharacters() {
    static const std::vector<std::string> sample = [] {
        std::vector<std::string> characters;
        for (int code = 0; code < 72 * 94; code += 47) {
            const char bytes[] = {static_cast<char>(0xB0 + code / 94), static_cast<char>(0xA1 + code % 94)};
            characters.push_back(velorin::text::GbkToUtf8(std::string_view(bytes, 2)).text);
        }
        return characters;
    }();
    return sample;
}

template <auto Lookup>
void BM_Lookup(benchmark::State& state) {
    const auto& sample = SampleCharacters();
    std::size_t next = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(Lookup(sample[next]));
        next = next + 1 == sample.size() ? 0 : next + 1;
    }
    state.SetItemsProcessed(state.iterations());
}

}  // namespace

BENCHMARK(BM_Lookup<velorin::GridStrokeCount>)->Name("GridStrokeCount/indexed");
BENCHMARK(BM_Lookup<velorin::LinearGridStrokeCount>)->Name("GridStrokeCount/linear");
BENCHMARK(BM_Lookup<velorin::KangxiStrokeCount>)->Name("KangxiStrokeCount/indexed");
BENCHMARK(BM_Lookup<velorin::LinearKangxiStrokeCount>)->Name("KangxiStrokeCount/linear");
BENCHMARK(BM_Lookup<velorin::FallbackStrokeCount>)->Name("FallbackStrokeCount/indexed");
BENCHMARK(BM_Lookup<velorin::LinearFallbackStrokeCount>)->Name("FallbackStrokeCount/linear");
BENCHMARK(BM_Lookup<velorin::PronunciationElement>)->Name("PronunciationElement/indexed");
BENCHMARK(BM_Lookup<velorin::LinearPronunciationElement>)->Name("PronunciationElement/linear");
BENCHMARK(BM_Lookup<velorin::CarriedFirstReading>)->Name("CarriedFirstReading/indexed");
BENCHMARK(BM_Lookup<velorin::LinearFirstReading>)->Name("CarriedFirstReading/linear");

BENCHMARK_MAIN();

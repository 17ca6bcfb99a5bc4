// Names scored per second with the indexed lookups beside the same scoring
// over linear scans of the carried texts, and the heap allocations per name
// once warm (expected 0: scoring works on views and small texts only).
#include <benchmark/benchmark.h>

#include <atomic>
#include <cstdlib>
#include <new>

#include "LinearScanLookups.h"
#include "NameSamples.h"
#include "generation/NameScore.h"
#include "platform/Random.h"

namespace {

std::atomic<long long> allocations{0};

}  // namespace

void* operator new(std::size_t size) {
    allocations.fetch_add(1, std::memory_order_relaxed);
    if (void* block = std::malloc(size == 0 ? 1 : size)) return block;
    throw std::bad_alloc();
}
void operator delete(void* block) noexcept { std::free(block); }
void operator delete(void* block, std::size_t) noexcept { std::free(block); }

namespace {

using velorin::NameScoreInputs;

// Random names with every kind of input: one to three characters, a fixed
// character at any position or none, birth dates across a century, and any
// first lacking element or none.
struct NameSample {
    std::vector<std::string> givenNames;
    std::vector<NameScoreInputs> names;
};

const NameSample& Sample() {
    static const NameSample sample = [] {
        static const std::vector<std::string> characters = velorin::CommonCharacters(7);
        static constexpr std::string_view kLacking[] = {"", "金", "木", "水", "火", "土"};
        velorin::RandomSource random(2016);
        auto pick = [&](auto& pool) -> std::string_view {
            return pool[static_cast<std::size_t>(random.Between(0, static_cast<long long>(std::size(pool)) - 1))];
        };
        NameSample result;
        const int count = 4096;
        result.givenNames.reserve(count);  // the names view these texts
        for (int i = 0; i < count; ++i) {
            NameScoreInputs name;
            name.surname = pick(velorin::kSurnames);
            name.givenCount = static_cast<int>(random.Between(1, 3));
            std::string given;
            for (int c = 0; c < name.givenCount; ++c) {
                name.picks[static_cast<std::size_t>(c)] = pick(characters);
                given += name.picks[static_cast<std::size_t>(c)];
            }
            name.fixedCharacterTicked = random.Between(0, 1) == 1;
            name.fixedPosition = static_cast<int>(random.Between(1, 3));
            name.year = static_cast<int>(random.Between(1950, 2049));
            name.month = static_cast<int>(random.Between(1, 12));
            name.day = static_cast<int>(random.Between(1, 31));
            name.lackingElement = pick(kLacking);
            result.givenNames.push_back(std::move(given));
            name.givenName = result.givenNames.back();
            result.names.push_back(name);
        }
        return result;
    }();
    return sample;
}

const velorin::ScoreLookups kLinearScans{velorin::LinearGridStrokeCount, velorin::LinearPronunciationElement,
                                         velorin::ScoreLookups::Carried().gradeOf};

void ScoreNames(benchmark::State& state, const velorin::ScoreLookups& lookups) {
    const auto& names = Sample().names;
    for (const NameScoreInputs& name : names) benchmark::DoNotOptimize(ScoreGeneratedName(name, lookups));  // warm
    std::size_t next = 0;
    const long long before = allocations.load();
    for (auto _ : state) {
        benchmark::DoNotOptimize(ScoreGeneratedName(names[next], lookups));
        next = next + 1 == names.size() ? 0 : next + 1;
    }
    state.SetItemsProcessed(state.iterations());
    state.counters["allocations_per_name"] =
        static_cast<double>(allocations.load() - before) / static_cast<double>(state.iterations());
}

void BM_ScoreIndexed(benchmark::State& state) { ScoreNames(state, velorin::ScoreLookups::Carried()); }
void BM_ScoreLinearScan(benchmark::State& state) { ScoreNames(state, kLinearScans); }

}  // namespace

BENCHMARK(BM_ScoreIndexed);
BENCHMARK(BM_ScoreLinearScan);

BENCHMARK_MAIN();

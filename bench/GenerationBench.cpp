// A full 5,000-name generation run in the core beside scoring the same 5,000
// names alone: what the loop, the composing, the repeat test and the
// candidates add to the scoring.
#include <benchmark/benchmark.h>

#include <time.h>

#include "NameSamples.h"
#include "generation/GenerationRun.h"
#include "generation/NameScore.h"
#include "platform/Random.h"

namespace {

constexpr int kNames = 5000;
constexpr std::uint64_t kSeed = 201655;

velorin::PreparedRun Run() {
    velorin::PreparedRun run;
    run.surname = "张";
    run.library = velorin::CommonCharacters(9);  // about 420 entries, as the shipped libraries
    run.lackingText = "木  ";
    run.lackingElement = "木";
    run.seed = kSeed;
    run.nameLimit = kNames;
    return run;
}

// Default inputs: two drawn characters, no fixed character, candidates from 75.
struct QuietControls : velorin::GenerationControls {
    int listed = 0;
    velorin::NameSettings CurrentSettings() override { return {}; }
    void ListName(const velorin::ListedName&) override { ++listed; }
    bool StopRequested() override { return false; }
    void ProcessPendingEvents(int) override {}
};

void BM_GenerationRun(benchmark::State& state) {
    const velorin::PreparedRun run = Run();
    for (auto _ : state) {
        QuietControls controls;
        benchmark::DoNotOptimize(GenerateNames(run, controls));
    }
    state.SetItemsProcessed(state.iterations() * kNames);
}

// The names of that run, drawn the same way.
struct SameNames {
    std::vector<std::string> givens;
    std::vector<velorin::NameScoreInputs> names;
};

const SameNames& NamesOf(const velorin::PreparedRun& run) {
    static const SameNames same = [&] {
        SameNames result;
        velorin::RandomSource random(run.seed);
        const auto last = static_cast<long long>(run.library.size()) - 1;
        const velorin::NameSettings settings;
        result.givens.reserve(kNames);  // the names view these texts
        for (int i = 0; i < kNames; ++i) {
            velorin::NameScoreInputs name;
            name.surname = run.surname;
            name.givenCount = settings.givenCount;
            name.picks = {run.library[static_cast<std::size_t>(random.Between(0, last))],
                          run.library[static_cast<std::size_t>(random.Between(0, last))]};
            result.givens.push_back(std::string(name.picks[0]) + std::string(name.picks[1]));
            name.givenName = result.givens.back();
            name.year = settings.year, name.month = settings.month, name.day = settings.day;
            name.lackingElement = run.lackingElement;
            result.names.push_back(name);
        }
        return result;
    }();
    return same;
}

void ScoreAll(const SameNames& same) {
    for (const velorin::NameScoreInputs& name : same.names) benchmark::DoNotOptimize(ScoreGeneratedName(name));
}

void BM_ScoreTheSameNames(benchmark::State& state) {
    const SameNames& same = NamesOf(Run());
    for (auto _ : state) ScoreAll(same);
    state.SetItemsProcessed(state.iterations() * kNames);
}

double ThreadSeconds() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

// The two above taken in turn, so that the ratio of their CPU times holds
// while other work on the machine comes and goes.
void BM_RunOverScoring(benchmark::State& state) {
    const velorin::PreparedRun run = Run();
    const SameNames& same = NamesOf(run);
    double runSeconds = 0, scoreSeconds = 0;
    for (auto _ : state) {
        const double start = ThreadSeconds();
        QuietControls controls;
        benchmark::DoNotOptimize(GenerateNames(run, controls));
        const double between = ThreadSeconds();
        ScoreAll(same);
        runSeconds += between - start;
        scoreSeconds += ThreadSeconds() - between;
    }
    state.counters["run_over_scoring"] = runSeconds / scoreSeconds;
}

}  // namespace

BENCHMARK(BM_GenerationRun)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ScoreTheSameNames)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RunOverScoring)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();

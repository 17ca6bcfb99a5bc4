// Charts per second: the four pillars and the lunar date of moments spread
// over the calendar's range. bench/calendar_vs_lunar_javascript.sh times the
// same moments with lunar-javascript.
#include <benchmark/benchmark.h>

#include <vector>

#include "birthchart/Calendar.h"
#include "birthchart/SolarTerms.h"

namespace {

// The same moments as bench/lunar_javascript_bench.js: moment i lies
// (i · 7919) mod 54000 days after 19 February 1901, at hour (i · 7) mod 24.
constexpr int kMoments = 10000;

std::vector<velorin::DateTimeParts> Moments() {
    std::vector<velorin::DateTimeParts> moments;
    const double firstDay = velorin::DateTime::FromParts(1901, 2, 19, 0).Days();
    for (long long i = 0; i < kMoments; ++i) {
        velorin::DateTimeParts parts = velorin::DateTime(firstDay + static_cast<double>(i * 7919 % 54000)).Parts();
        parts.hour = static_cast<int>(i * 7 % 24);
        moments.push_back(parts);
    }
    return moments;
}

void BM_Chart(benchmark::State& state) {
    const std::vector<velorin::DateTimeParts> moments = Moments();
    velorin::FourPillars pillars;
    velorin::LunarDate date;
    velorin::FourPillarsOf(velorin::DateTime::FromParts(2000, 1, 1, 0), pillars);  // builds the term and month tables
    for (auto _ : state) {
        for (const velorin::DateTimeParts& p : moments) {
            const velorin::DateTime moment = velorin::DateTime::FromParts(p.year, p.month, p.day, p.hour);
            benchmark::DoNotOptimize(velorin::FourPillarsOf(moment, pillars));
            benchmark::DoNotOptimize(velorin::LunarDateOf(moment, date));
        }
    }
    state.SetItemsProcessed(state.iterations() * kMoments);
}
BENCHMARK(BM_Chart)->Unit(benchmark::kMillisecond);

// The one-off cost behind the first chart is dominated by solving the 24
// terms of each of the 150 years 1900–2049 from the series.
void BM_SolarTermsOfAYear(benchmark::State& state) {
    for (auto _ : state) {
        for (int index = 0; index < velorin::kTermsPerYear; ++index) {
            benchmark::DoNotOptimize(velorin::astronomy::SolarTermJde(2024, index));
        }
    }
    state.SetItemsProcessed(state.iterations() * velorin::kTermsPerYear);
}
BENCHMARK(BM_SolarTermsOfAYear)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();

// How fast a name's evaluation report is built in the core (the budget is a
// millisecond a report, 1,000 a second), and how long the rich edit box takes
// to show one.
#include <QApplication>
#include <QTextEdit>
#include <benchmark/benchmark.h>

#include "NameSamples.h"
#include "OffscreenBenchmarkMain.h"
#include "evaluation/EvaluationReport.h"
#include "ui/ColouredText.h"

namespace velorin {
namespace {

// Names of one to three given characters on birthdays spread over the
// calendar's range, so that the lookups and the chart vary between builds.
std::vector<EvaluationRequest> SampleRequests() {
    std::vector<std::string> characters = CommonCharacters(41);
    std::vector<EvaluationRequest> requests;
    for (std::size_t i = 0; i < 200; ++i) {
        EvaluationRequest request;
        request.surname = kSurnames[i % kSurnames.size()];
        for (std::size_t k = 0; k <= i % 3; ++k) request.givenName += characters[(i * 7 + k * 13) % characters.size()];
        const int year = 1901 + static_cast<int>(i * 37 % 140);
        const int month = 1 + static_cast<int>(i % 12);
        const int day = 1 + static_cast<int>(i * 11 % 28);
        request.birthMoment = DateTime::FromParts(year, month, day, static_cast<int>(i % 24));
        request.scoreYear = year, request.scoreMonth = month, request.scoreDay = day;
        request.starSignMonth = month, request.starSignDay = day;
        requests.push_back(std::move(request));
    }
    return requests;
}

void BM_BuildReport(benchmark::State& state) {
    const std::vector<EvaluationRequest> requests = SampleRequests();
    BuildEvaluationReport(requests.front());  // loads the tables and converters once
    std::size_t next = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(BuildEvaluationReport(requests[next]));
        next = (next + 1) % requests.size();
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_BuildReport)->Unit(benchmark::kMicrosecond);

// Replacing the box's content by a full report and painting it.
void BM_ShowReport(benchmark::State& state) {
    const std::vector<EvaluationRequest> requests = SampleRequests();
    std::vector<EvaluationReport> reports;
    for (std::size_t i = 0; i < 10; ++i) reports.push_back(BuildEvaluationReport(requests[i]));
    QTextEdit box;
    box.resize(680, 424);
    box.show();
    std::size_t next = 0;
    for (auto _ : state) {
        ui::ShowColouredLines(&box, reports[next].lines);
        box.viewport()->repaint();
        next = (next + 1) % reports.size();
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_ShowReport)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace velorin

VELORIN_OFFSCREEN_BENCHMARK_MAIN()

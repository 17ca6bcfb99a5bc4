// A full generation run of 5,000 names in the main window on the offscreen
// platform: every name listed and scrolled into view, the progress bar
// updated and the window's pending events handled after each name. The same
// run through the engine alone, with controls that do nothing, shows what the
// window adds.
#include <QApplication>
#include <QPushButton>

#include <benchmark/benchmark.h>

#include "OffscreenBenchmarkMain.h"
#include "app/SharedState.h"
#include "generation/GenerationRun.h"
#include "platform/System.h"
#include "ui/MainWindow.h"
#include "ui/NameList.h"
#include "ui/SystemDesktop.h"

namespace {

// The benchmarks live one folder below the libraries that the build puts
// beside the program.
std::string LibraryDirectory() {
    return velorin::RunDirectory() + "/..";
}

void BM_WindowRun(benchmark::State& state) {
    velorin::app::SharedState shared;
    shared.libraryDirectory = LibraryDirectory();
    velorin::ui::SystemDesktop desktop;
    velorin::ui::MainWindow window(shared, desktop);
    window.show();
    QApplication::processEvents();
    auto* start = window.findChild<QPushButton*>("按钮1");
    auto* results = window.findChild<velorin::ui::NameList*>("超级列表框1");
    for (auto _ : state) {
        start->click();
        benchmark::DoNotOptimize(results->Count());
    }
    state.counters["names"] = results->Count();
}
BENCHMARK(BM_WindowRun)->Unit(benchmark::kMillisecond);

class SilentControls final : public velorin::GenerationControls {
public:
    velorin::NameSettings CurrentSettings() override { return {}; }
    void ListName(const velorin::ListedName& name) override { benchmark::DoNotOptimize(name.score); }
    bool StopRequested() override { return false; }
    void ProcessPendingEvents(int) override {}
};

void BM_EngineRun(benchmark::State& state) {
    velorin::GenerationRequest request;
    request.surname = "张";
    request.sex = "男";
    request.libraryDirectory = LibraryDirectory();
    const velorin::GenerationStart start = velorin::StartGeneration(request);
    if (start.message) {
        state.SkipWithError(start.message->text.c_str());
        return;
    }
    SilentControls controls;
    for (auto _ : state) benchmark::DoNotOptimize(velorin::GenerateNames(start.run, controls).namesMade);
}
BENCHMARK(BM_EngineRun)->Unit(benchmark::kMillisecond);

}  // namespace

VELORIN_OFFSCREEN_BENCHMARK_MAIN()

#pragma once
// The main of a benchmark that draws windows: Qt's offscreen platform, so
// that it runs without a display.
#include <QApplication>
#include <benchmark/benchmark.h>

#define VELORIN_OFFSCREEN_BENCHMARK_MAIN()                  \
    int main(int argc, char** argv) {                       \
        qputenv("QT_QPA_PLATFORM", "offscreen");            \
        QApplication application(argc, argv);               \
        benchmark::Initialize(&argc, argv);                 \
        benchmark::RunSpecifiedBenchmarks();                \
        benchmark::Shutdown();                              \
        return 0;                                           \
    }

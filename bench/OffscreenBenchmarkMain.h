#pragma once

// The main() of a benchmark that draws: a GUI application (a QApplication for the benchmarks of
// screens) on the offscreen platform unless another one is asked for.

#include <QGuiApplication>

#include <benchmark/benchmark.h>

template <class Application = QGuiApplication>
int runBenchmarksOffscreen(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    Application app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

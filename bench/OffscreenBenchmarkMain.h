#pragma once

// The main() of a benchmark that draws: a GUI application on the offscreen platform unless
// another one is asked for.

#include <QGuiApplication>

#include <benchmark/benchmark.h>

inline int runBenchmarksOffscreen(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

#pragma once

#include <QtGlobal>

#include <benchmark/benchmark.h>

// The main of every benchmark: a Qt application on the offscreen platform
// (unless another is asked for), then Google Benchmark's own run.
template <class Application> int runOffscreenBenchmarks(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    Application application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

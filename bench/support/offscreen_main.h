// offscreen_main.h — the main of the benchmarks that draw: offscreen unless told otherwise, one toolkit
// application for all of them, and their shared scene dropped while the toolkit is still there.
#pragma once

#include <benchmark/benchmark.h>

#include <QByteArray>
#include <QtGlobal>

#include "platform/application.h"

namespace drz::bench {

template <typename DropScene>
int RunOffscreenBenchmarks(int argc, char** argv, DropScene dropScene) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", QByteArray("offscreen"));
    platform::Application app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    dropScene();
    return 0;
}

}  // namespace drz::bench

#pragma once
// The main() of a benchmark that needs widgets: off screen unless a display
// is given, so it runs the same on a desktop and on a build machine.
#include <benchmark/benchmark.h>

#include <QApplication>

namespace lumidor::bench {

inline int runWithApplication(int argc, char** argv) {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM") && !qEnvironmentVariableIsSet("DISPLAY")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

}  // namespace lumidor::bench

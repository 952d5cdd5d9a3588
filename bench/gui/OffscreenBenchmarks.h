#pragma once
// The common start of the window benchmarks: the offscreen platform unless
// another is chosen, a private settings store, then Google Benchmark.

#include <QApplication>
#include <QStandardPaths>
#include <benchmark/benchmark.h>

namespace quorvale::bench {

// Runs the registered benchmarks inside a QApplication; `after` runs before
// the application goes, for windows that must be gone by then.
template <class After>
int runOffscreenBenchmarks(int argc, char** argv, After after) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    // The main window reads its placement; the user's own stays untouched.
    QStandardPaths::setTestModeEnabled(true);
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    after();
    return 0;
}

}  // namespace quorvale::bench

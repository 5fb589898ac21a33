// The repaint benchmarks' loop: one control of the size the benchmark's arguments give
// (kind, width, height), shown in a window and repainted in place. `prepare`, when given, runs
// once the window is on screen, to put the control in the state to be measured.
#pragma once

#include "bench/support/RatioReporter.h"

#include <QApplication>
#include <QTest>
#include <QWidget>
#include <benchmark/benchmark.h>
#include <string>
#include <vector>

template <typename Kind>
void RepaintLoop(benchmark::State& state, QWidget* (*make)(Kind, QWidget*),
    QSize window = { 400, 300 }, void (*prepare)(QWidget*) = nullptr)
{
    QWidget host;
    host.resize(window);
    QWidget* control = make(Kind(state.range(0)), &host);
    control->setGeometry(10, 10, int(state.range(1)), int(state.range(2)));
    host.show();
    if (!QTest::qWaitForWindowExposed(&host))
        state.SkipWithError("window not exposed");
    if (prepare)
        prepare(control);
    for (auto _ : state)
        control->repaint();
}

// The repaint benchmarks' main: offscreen unless told otherwise, then every benchmark, with the
// "Skinned" CPU time printed as a multiple of "Fusion"'s per control kind. `names[kind]` labels
// the pair ("TsuiButton / QPushButton"); the kind is the first argument ("/0/80/27").
inline int RunRepaintBenchmarks(int argc, char** argv, std::vector<std::string> names)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    RatioReporter reporter("Skinned", "Fusion", [&names](const std::string& args) {
        const size_t kind = args.size() > 1 ? size_t(args[1] - '0') : 0;
        return (kind < names.size() ? names[kind] : std::string("?")) + " " + args.substr(2);
    });
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}

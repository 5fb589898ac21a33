// The repaint benchmarks' loop: one control of the size the benchmark's arguments give
// (kind, width, height), shown in a window and repainted in place.
#pragma once

#include <QTest>
#include <QWidget>
#include <benchmark/benchmark.h>

template <typename Kind>
void RepaintLoop(
    benchmark::State& state, QWidget* (*make)(Kind, QWidget*), QSize window = { 400, 300 })
{
    QWidget host;
    host.resize(window);
    QWidget* control = make(Kind(state.range(0)), &host);
    control->setGeometry(10, 10, int(state.range(1)), int(state.range(2)));
    host.show();
    if (!QTest::qWaitForWindowExposed(&host))
        state.SkipWithError("window not exposed");
    for (auto _ : state)
        control->repaint();
}

// Nine-slice drawing of a button frame against one plain stretched draw onto the same target.
#include "skin/styles/SUIThemes.h"
#include "skin/styles/Suiresdef.h"
#include "skin/styles/Suipublic.h"

#include "bench/support/RatioReporter.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <map>
#include <string>

namespace {

// The normal frame of the BlueGlass push button, as a button draws it (its corners keyed out).
QImage buttonFrame()
{
    QImage frame;
    GetInsideThemeBitmap(TsuiUIStyle::BlueGlass, SuiThemes::SuiItem::ButtonImage, &frame, 3, 1);
    return frame;
}

void SpitDrawFrame(benchmark::State& state)
{
    const QImage frame = buttonFrame();
    QImage target(int(state.range(0)), int(state.range(1)), QImage::Format_ARGB32_Premultiplied);
    target.fill(Qt::white);
    QPainter painter(&target);
    const QRect r = target.rect();
    for (auto _ : state) {
        SpitDraw(frame, painter, r, true);
        benchmark::ClobberMemory();
    }
}

void DrawImageStretch(benchmark::State& state)
{
    const QImage frame = buttonFrame();
    QImage target(int(state.range(0)), int(state.range(1)), QImage::Format_ARGB32_Premultiplied);
    target.fill(Qt::white);
    QPainter painter(&target);
    const QRect r = target.rect();
    for (auto _ : state) {
        painter.drawImage(r, frame);
        benchmark::ClobberMemory();
    }
}

BENCHMARK(SpitDrawFrame)->Args({ 80, 27 })->Args({ 400, 300 });
BENCHMARK(DrawImageStretch)->Args({ 80, 27 })->Args({ 400, 300 });

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    RatioReporter reporter("SpitDrawFrame", "DrawImageStretch",
        [](const std::string& size) { return "SpitDraw / drawImage stretch " + size; });
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}

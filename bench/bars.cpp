// Repainting the skinned progress bar, track bar and scroll bar against Fusion's own controls of
// the same size, each shown in a window and repainted in place.
#include "skin/controls/SUIScrollBar.h"
#include "skin/controls/SUITrackBar.h"
#include "skin/controls/Suiprogressbar.h"

#include "bench/support/RepaintLoop.h"

#include <QApplication>
#include <QProgressBar>
#include <QScrollBar>
#include <QSlider>
#include <QStyleFactory>
#include <QTest>
#include <benchmark/benchmark.h>

namespace {

enum Kind { Progress, Track, Scroll };

QWidget* skinned(Kind kind, QWidget* parent)
{
    switch (kind) {
    case Progress: {
        auto* p = new TsuiProgressBar(parent);
        p->SetUIStyle(TsuiUIStyle::WinXP);
        p->SetPosition(40);
        return p;
    }
    case Track: {
        auto* t = new TsuiTrackBar(parent);
        t->SetUIStyle(TsuiUIStyle::BlueGlass);
        t->SetPosition(4);
        return t;
    }
    case Scroll: {
        auto* s = new TsuiScrollBar(parent);
        s->SetUIStyle(TsuiUIStyle::BlueGlass);
        s->SetOrientation(suiVertical);
        s->SetPageSize(30);
        s->SetPosition(40);
        return s;
    }
    }
    return nullptr;
}

QWidget* fusion(Kind kind, QWidget* parent)
{
    static QStyle* style = QStyleFactory::create("Fusion");
    QWidget* w = nullptr;
    switch (kind) {
    case Progress: {
        auto* p = new QProgressBar(parent);
        p->setValue(40);
        w = p;
        break;
    }
    case Track: {
        auto* s = new QSlider(Qt::Horizontal, parent);
        s->setRange(0, 10);
        s->setValue(4);
        s->setTickPosition(QSlider::TicksBelow);
        w = s;
        break;
    }
    case Scroll: {
        auto* s = new QScrollBar(Qt::Vertical, parent);
        s->setRange(0, 100);
        s->setPageStep(30);
        s->setValue(40);
        w = s;
        break;
    }
    }
    w->setStyle(style);
    return w;
}

void Skinned(benchmark::State& state)
{
    RepaintLoop(state, skinned);
}

void Fusion(benchmark::State& state)
{
    RepaintLoop(state, fusion);
}

void sizes(benchmark::internal::Benchmark* b)
{
    b->Args({ Progress, 150, 12 })->Args({ Track, 150, 20 })->Args({ Scroll, 17, 200 });
}

BENCHMARK(Skinned)->Apply(sizes);
BENCHMARK(Fusion)->Apply(sizes);

} // namespace

int main(int argc, char** argv)
{
    return RunRepaintBenchmarks(argc, argv,
        { "TsuiProgressBar / QProgressBar", "TsuiTrackBar / QSlider",
            "TsuiScrollBar / QScrollBar" });
}

// Repainting the skinned push button, check box and radio button against Fusion's own controls
// of the same size, each shown in a window and repainted in place.
#include "skin/controls/SUIButton.h"
#include "skin/controls/SUICheckBox.h"
#include "skin/controls/SUIRadioButton.h"

#include "bench/support/RepaintLoop.h"

#include <QApplication>
#include <QCheckBox>
#include <QPushButton>
#include <QRadioButton>
#include <QStyleFactory>
#include <QTest>
#include <benchmark/benchmark.h>
#include <memory>

namespace {

enum Kind { Button, CheckBox, RadioButton };

// The styles the program's windows use: BlueGlass buttons (drawn over their parent), MacOS radio
// buttons; the check box in BlueGlass too.
QWidget* skinned(Kind kind, QWidget* parent)
{
    switch (kind) {
    case Button: {
        auto* b = new TsuiButton(parent);
        b->SetUIStyle(TsuiUIStyle::BlueGlass);
        b->SetCaption("Exit");
        return b;
    }
    case CheckBox: {
        auto* c = new TsuiCheckBox(parent);
        c->SetUIStyle(TsuiUIStyle::BlueGlass);
        c->SetAutoSize(false);
        c->SetCaption("Wrap");
        return c;
    }
    case RadioButton: {
        auto* r = new TsuiRadioButton(parent);
        r->SetUIStyle(TsuiUIStyle::MacOS);
        r->SetAutoSize(false);
        r->SetCaption("Name");
        r->SetChecked(true);
        return r;
    }
    }
    return nullptr;
}

QWidget* fusion(Kind kind, QWidget* parent)
{
    static QStyle* style = QStyleFactory::create("Fusion");
    QWidget* w = nullptr;
    switch (kind) {
    case Button:
        w = new QPushButton("Exit", parent);
        break;
    case CheckBox:
        w = new QCheckBox("Wrap", parent);
        break;
    case RadioButton: {
        auto* r = new QRadioButton("Name", parent);
        r->setChecked(true);
        w = r;
        break;
    }
    }
    w->setStyle(style);
    return w;
}

void Skinned(benchmark::State& state)
{
    RepaintLoop(state, skinned, { 300, 100 });
}

void Fusion(benchmark::State& state)
{
    RepaintLoop(state, fusion, { 300, 100 });
}

void sizes(benchmark::internal::Benchmark* b)
{
    b->Args({ Button, 80, 27 })->Args({ CheckBox, 93, 17 })->Args({ RadioButton, 52, 21 });
}

BENCHMARK(Skinned)->Apply(sizes);
BENCHMARK(Fusion)->Apply(sizes);

} // namespace

int main(int argc, char** argv)
{
    return RunRepaintBenchmarks(argc, argv,
        { "TsuiButton / QPushButton", "TsuiCheckBox / QCheckBox",
            "TsuiRadioButton / QRadioButton" });
}

// Repainting a captioned group box and an 8-item radio group, and building a 1,000-item check
// group, against Fusion's QGroupBox with the same children.
#include "skin/controls/SUICheckGroup.h"
#include "skin/controls/SUIGroupBox.h"
#include "skin/controls/SUIRadioGroup.h"

#include "bench/support/RatioReporter.h"

#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QRadioButton>
#include <QStyleFactory>
#include <QTest>
#include <benchmark/benchmark.h>

namespace {

enum Kind { GroupBox, RadioGroup8, CheckGroup1000 };

QStringList lines(int n)
{
    QStringList items;
    for (int i = 0; i < n; ++i)
        items << QStringLiteral("Item %1").arg(i + 1);
    return items;
}

QWidget* skinned(Kind kind, QWidget* parent)
{
    if (kind == GroupBox) {
        auto* box = new TsuiGroupBox(parent);
        box->SetUIStyle(TsuiUIStyle::WinXP);
        box->SetGroupCaption(QStringLiteral("Options"));
        return box;
    }
    TsuiCheckGroup* group
        = kind == RadioGroup8 ? new TsuiRadioGroup(parent) : new TsuiCheckGroup(parent);
    group->SetUIStyle(TsuiUIStyle::WinXP);
    group->SetGroupCaption(QStringLiteral("Options"));
    group->SetColumns(2);
    group->SetItems(lines(kind == RadioGroup8 ? 8 : 1000));
    if (auto* radio = qobject_cast<TsuiRadioGroup*>(group))
        radio->SetItemIndex(0);
    return group;
}

QWidget* fusion(Kind kind, QWidget* parent)
{
    static QStyle* style = QStyleFactory::create("Fusion");
    auto* box = new QGroupBox(QStringLiteral("Options"), parent);
    box->setStyle(style);
    const int n = kind == GroupBox ? 0 : kind == RadioGroup8 ? 8 : 1000;
    for (int i = 0; i < n; ++i) {
        QAbstractButton* b = kind == RadioGroup8
            ? static_cast<QAbstractButton*>(
                new QRadioButton(QStringLiteral("Item %1").arg(i + 1), box))
            : new QCheckBox(QStringLiteral("Item %1").arg(i + 1), box);
        b->setStyle(style);
        b->move(8 + (i % 2) * 90, 19 + (i / 2) * 20);
        b->adjustSize();
    }
    if (kind == RadioGroup8)
        static_cast<QRadioButton*>(box->children().last())->setChecked(true);
    return box;
}

void repaintLoop(benchmark::State& state, QWidget* (*make)(Kind, QWidget*))
{
    QWidget window;
    window.resize(300, 200);
    QWidget* control = make(Kind(state.range(0)), &window);
    control->setGeometry(10, 10, 185, 105);
    window.show();
    if (!QTest::qWaitForWindowExposed(&window))
        state.SkipWithError("window not exposed");
    for (auto _ : state)
        control->repaint();
}

void buildLoop(benchmark::State& state, QWidget* (*make)(Kind, QWidget*))
{
    QWidget form;
    for (auto _ : state)
        delete make(CheckGroup1000, &form);
}

void Skinned(benchmark::State& state)
{
    if (state.range(0) == CheckGroup1000)
        buildLoop(state, skinned);
    else
        repaintLoop(state, skinned);
}

void Fusion(benchmark::State& state)
{
    if (state.range(0) == CheckGroup1000)
        buildLoop(state, fusion);
    else
        repaintLoop(state, fusion);
}

void kinds(benchmark::internal::Benchmark* b)
{
    b->Arg(GroupBox)->Arg(RadioGroup8)->Arg(CheckGroup1000);
}

BENCHMARK(Skinned)->Apply(kinds)->Unit(benchmark::kMicrosecond);
BENCHMARK(Fusion)->Apply(kinds)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    RatioReporter reporter("Skinned", "Fusion", [](const std::string& args) {
        static const char* names[] = { "repaint TsuiGroupBox / QGroupBox",
            "repaint TsuiRadioGroup of 8 / QGroupBox with 8 QRadioButton",
            "build TsuiCheckGroup of 1000 / QGroupBox with 1000 QCheckBox" };
        const int kind = args.size() > 1 ? args[1] - '0' : 0;
        return std::string(names[kind]);
    });
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}

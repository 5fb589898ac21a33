// Repainting the skinned edit and spin edit against Fusion's QLineEdit and QSpinBox of the same
// size, and typing into the number edit (keystroke filter included) against a QLineEdit with a
// double validator.
#include "skin/controls/SUIEdit.h"
#include "skin/controls/SUINumberEdit.h"
#include "skin/controls/SUISpinEdit.h"

#include "bench/support/RepaintLoop.h"

#include <QApplication>
#include <QDoubleValidator>
#include <QLineEdit>
#include <QSpinBox>
#include <QStyleFactory>
#include <QTest>
#include <benchmark/benchmark.h>

namespace {

// Each control is measured with its text selected and without: a selection is painted through
// clip paths and costs the line edit under both styles far more than the plain text.
enum Kind { Edit, Spin, SelectedEdit, SelectedSpin };

bool isEdit(Kind kind)
{
    return kind == Edit || kind == SelectedEdit;
}

QWidget* skinned(Kind kind, QWidget* parent)
{
    if (isEdit(kind)) {
        auto* e = new TsuiEdit(parent);
        e->SetUIStyle(TsuiUIStyle::BlueGlass);
        e->setText(QStringLiteral("System value QAUDLVL"));
        return e;
    }
    auto* s = new TsuiSpinEdit(parent);
    s->SetUIStyle(TsuiUIStyle::BlueGlass);
    s->SetMaxValue(100);
    s->SetValue(42);
    return s;
}

QWidget* fusion(Kind kind, QWidget* parent)
{
    static QStyle* style = QStyleFactory::create("Fusion");
    QWidget* w = nullptr;
    if (isEdit(kind)) {
        w = new QLineEdit(QStringLiteral("System value QAUDLVL"), parent);
    } else {
        auto* s = new QSpinBox(parent);
        s->setRange(0, 100);
        s->setValue(42);
        w = s;
    }
    w->setStyle(style);
    return w;
}

// Each control focused as after the user tabbed into it, its text then selected or not. The spin
// edit selects on entering however it is entered, Qt's spin box only when tabbed into: the state
// is set on both so that each pair paints the same.
template <bool selected> void focusWithSelection(QWidget* control)
{
    control->setFocus(Qt::TabFocusReason);
    auto* edit = qobject_cast<QLineEdit*>(control);
    if (!edit)
        edit = control->findChild<QLineEdit*>();
    if (selected)
        edit->selectAll();
    else
        edit->deselect();
}

void repaintLoop(benchmark::State& state, QWidget* (*make)(Kind, QWidget*))
{
    const bool selected = state.range(0) == SelectedEdit || state.range(0) == SelectedSpin;
    RepaintLoop(
        state, make, { 400, 300 }, selected ? focusWithSelection<true> : focusWithSelection<false>);
}

void Skinned(benchmark::State& state)
{
    repaintLoop(state, skinned);
}

void Fusion(benchmark::State& state)
{
    repaintLoop(state, fusion);
}

// Ten thousand keystrokes: digits with one decimal separator early on, as a user types a number.
const QString& keystrokes()
{
    static const QString text = [] {
        QString s = QStringLiteral("12.");
        while (s.size() < 10000)
            s += QChar(char16_t(u'0' + s.size() % 10));
        return s;
    }();
    return text;
}

void typeLoop(benchmark::State& state, QLineEdit* edit)
{
    QWidget window;
    edit->setParent(&window);
    edit->setMaxLength(20000);
    window.show();
    if (!QTest::qWaitForWindowExposed(&window))
        state.SkipWithError("window not exposed");
    edit->setFocus();
    for (auto _ : state) {
        state.PauseTiming();
        edit->clear();
        state.ResumeTiming();
        QTest::keyClicks(edit, keystrokes());
    }
    if (edit->text().size() != keystrokes().size())
        state.SkipWithError("not every keystroke was taken");
}

void SkinnedTyping(benchmark::State& state)
{
    auto* edit = new TsuiNumberEdit;
    // Formatting happens on leaving the edit; typing keeps what was typed.
    edit->SetMask(QStringLiteral("0.00"));
    typeLoop(state, edit);
}

void ValidatorTyping(benchmark::State& state)
{
    auto* edit = new QLineEdit;
    auto* validator = new QDoubleValidator(edit);
    validator->setNotation(QDoubleValidator::StandardNotation);
    validator->setLocale(QLocale::c());
    edit->setValidator(validator);
    typeLoop(state, edit);
}

void sizes(benchmark::internal::Benchmark* b)
{
    b->Args({ Edit, 160, 21 })->Args({ Spin, 80, 21 });
    b->Args({ SelectedEdit, 160, 21 })->Args({ SelectedSpin, 80, 21 });
}

BENCHMARK(Skinned)->Apply(sizes);
BENCHMARK(Fusion)->Apply(sizes);
BENCHMARK(SkinnedTyping)->Iterations(1);
BENCHMARK(ValidatorTyping)->Iterations(1);

} // namespace

int main(int argc, char** argv)
{
    return RunRepaintBenchmarks(argc, argv,
        { "TsuiEdit / QLineEdit", "TsuiSpinEdit / QSpinBox", "TsuiEdit / QLineEdit, selected",
            "TsuiSpinEdit / QSpinBox, selected" });
}

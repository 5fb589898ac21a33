// Switching the active child among 20 children of the skinned MDI frame against the same switch
// in a plain QMdiArea (same children, no frame); and the notice's slide: geometry updates per
// second of real time, and the timers it keeps.
#include "framework/TForm.h"
#include "framework/TMenuItem.h"
#include "skin/windows/SUIForm.h"
#include "skin/windows/SUIMDIForm.h"
#include "skin/windows/SUIMSNPopForm.h"
#include "skin/windows/SUIMainMenu.h"
#include "skin/windows/frmMSNPop.h"

#include "bench/support/RatioReporter.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QStyleFactory>
#include <QTest>
#include <QTimer>
#include <benchmark/benchmark.h>
#include <memory>

namespace {

constexpr int kChildren = 20;

void addMenu(QObject* owner, const QString& first, TsuiForm* frame)
{
    auto* menu = new TsuiMainMenu(owner);
    for (const QString& caption : { first, QStringLiteral("&Window"), QStringLiteral("&Help") }) {
        auto* top = new TMenuItem(menu);
        top->setCaption(caption);
        (new TMenuItem(top))->setCaption(QStringLiteral("&Item"));
    }
    frame->SetMenu(menu);
}

// Skinned children, each with a menu of its own, so every switch changes the bar.
QList<QMdiSubWindow*> addChildren(QMdiArea* area)
{
    QList<QMdiSubWindow*> children;
    for (int i = 0; i < kChildren; ++i) {
        auto* child = new TForm();
        child->setCaption(QStringLiteral("Child %1").arg(i));
        child->resize(240, 160);
        auto* frame = new TsuiForm(child);
        frame->SetUIStyle(TsuiUIStyle::WinXP);
        addMenu(child, QStringLiteral("Child &%1").arg(i), frame);
        QMdiSubWindow* window = area->addSubWindow(child);
        window->show();
        children.append(window);
    }
    return children;
}

void switchAround(benchmark::State& state, QMdiArea* area, const QList<QMdiSubWindow*>& children)
{
    int next = 0;
    for (auto _ : state) {
        area->setActiveSubWindow(children[next]);
        next = (next + 7) % kChildren;
        // The repaints the switch asked for.
        QCoreApplication::processEvents();
    }
}

void SkinnedSwitch(benchmark::State& state)
{
    TForm form;
    form.resize(900, 700);
    auto* mdi = new TsuiMDIForm(&form);
    mdi->SetUIStyle(TsuiUIStyle::WinXP);
    auto* menu = new TsuiMainMenu(&form);
    (new TMenuItem(menu))->setCaption(QStringLiteral("&File"));
    mdi->SetMenu(menu);
    form.show();
    (void)QTest::qWaitForWindowExposed(&form);
    const QList<QMdiSubWindow*> children = addChildren(mdi->MDIClient());
    QCoreApplication::processEvents();
    switchAround(state, mdi->MDIClient(), children);
}

void PlainSwitch(benchmark::State& state)
{
    QWidget window;
    window.resize(900, 700);
    auto* area = new QMdiArea(&window);
    area->setGeometry(0, 50, 900, 650);
    window.show();
    (void)QTest::qWaitForWindowExposed(&window);
    const QList<QMdiSubWindow*> children = addChildren(area);
    QCoreApplication::processEvents();
    switchAround(state, area, children);
}

// One slide in, on the real clock, per iteration.
void NoticeSlide(benchmark::State& state)
{
    TsuiMSNPopForm notice;
    notice.SetAnimateTime(400);
    notice.SetStayTime(0);
    TfrmMSNPopForm* window = notice.Window();
    const qsizetype timersBefore = window->findChildren<QTimer*>().size();
    double frames = 0;
    double seconds = 0;
    for (auto _ : state) {
        const int before = window->Slide()->steps();
        QElapsedTimer clock;
        clock.start();
        notice.Popup();
        (void)QTest::qWaitFor(
            [&] { return window->state() == TfrmMSNPopForm::State::Shown; }, 5000);
        seconds += clock.nsecsElapsed() / 1e9;
        frames += window->Slide()->steps() - before;
        window->HideNow();
    }
    state.counters["geometry_updates_per_second"] = frames / seconds;
    state.counters["timers_added"] = double(window->findChildren<QTimer*>().size() - timersBefore);
}

BENCHMARK(SkinnedSwitch)->Unit(benchmark::kMicrosecond);
BENCHMARK(PlainSwitch)->Unit(benchmark::kMicrosecond);
BENCHMARK(NoticeSlide)->Unit(benchmark::kMillisecond)->Iterations(5)->UseRealTime();

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    benchmark::Initialize(&argc, argv);
    RatioReporter reporter("SkinnedSwitch", "PlainSwitch", [](const std::string&) {
        return std::string("skinned MDI frame / plain QMdiArea, switching among 20 children");
    });
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}

// A full repaint of an 800 x 600 skinned window (frame, title bar, menu bar) against the same
// window unskinned (a plain widget with a QMenuBar, Fusion style); and what one resize step of a
// skinned window costs, counting the window regions it computes.
#include "framework/TForm.h"
#include "framework/TMenuItem.h"
#include "skin/windows/SUIForm.h"
#include "skin/windows/SUIMainMenu.h"

#include "bench/support/RatioReporter.h"

#include <QApplication>
#include <QImage>
#include <QMenu>
#include <QMenuBar>
#include <QStyleFactory>
#include <QTest>
#include <benchmark/benchmark.h>
#include <memory>

namespace {

const QStringList kMenus { QStringLiteral("&File"), QStringLiteral("&View"),
    QStringLiteral("&Help") };

struct SkinnedWindow {
    SkinnedWindow()
    {
        form = std::make_unique<TForm>();
        form->setCaption(QStringLiteral("Orlenda Reference"));
        form->resize(800, 600);
        frame = new TsuiForm(form.get());
        frame->SetUIStyle(TsuiUIStyle::BlueGlass);
        auto* menu = new TsuiMainMenu(form.get());
        for (const QString& caption : kMenus) {
            auto* top = new TMenuItem(menu);
            top->setCaption(caption);
            auto* item = new TMenuItem(top);
            item->setCaption(QStringLiteral("&Item"));
        }
        frame->SetMenu(menu);
        form->show();
        (void)QTest::qWaitForWindowExposed(form.get());
    }
    std::unique_ptr<TForm> form;
    TsuiForm* frame = nullptr;
};

struct PlainWindow {
    PlainWindow()
    {
        window = std::make_unique<QWidget>();
        window->resize(800, 600);
        auto* bar = new QMenuBar(window.get());
        for (const QString& caption : kMenus)
            bar->addMenu(caption)->addAction(QStringLiteral("&Item"));
        bar->setGeometry(0, 0, 800, bar->sizeHint().height());
        window->show();
        (void)QTest::qWaitForWindowExposed(window.get());
    }
    std::unique_ptr<QWidget> window;
};

void Skinned(benchmark::State& state)
{
    SkinnedWindow w;
    QImage target(w.form->size(), QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        w.form->render(&target);
        benchmark::ClobberMemory();
    }
}

void Unskinned(benchmark::State& state)
{
    PlainWindow w;
    QImage target(w.window->size(), QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        w.window->render(&target);
        benchmark::ClobberMemory();
    }
}

void ResizeStep(benchmark::State& state)
{
    SkinnedWindow w;
    const int before = TsuiForm::RegionComputations();
    int step = 0;
    for (auto _ : state) {
        w.form->resize(800 + (++step & 1), 600);
        QCoreApplication::sendPostedEvents();
    }
    state.counters["regions_per_step"]
        = double(TsuiForm::RegionComputations() - before) / double(state.iterations());
}

BENCHMARK(Skinned)->Unit(benchmark::kMicrosecond);
BENCHMARK(Unskinned)->Unit(benchmark::kMicrosecond);
BENCHMARK(ResizeStep)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    benchmark::Initialize(&argc, argv);
    RatioReporter reporter("Skinned", "Unskinned",
        [](const std::string&) { return std::string("skinned / unskinned full repaint 800x600"); });
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}

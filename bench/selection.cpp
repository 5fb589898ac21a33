// One selection of a value with the real catalogue: the item page written, the view navigated
// to it and repainted. Alternates between two values so every step is a real change.
#include "browser/BrowserResources.h"
#include "browser/Main.h"

#include <QApplication>
#include <QDir>
#include <QTest>

#include <benchmark/benchmark.h>

namespace {

void BM_SelectValue(benchmark::State& state)
{
    QDir::setCurrent(QStringLiteral(ORLENDA_BINARY_DIR "/bin"));
    TfmMain form;
    form.show();
    if (!QTest::qWaitForWindowExposed(&form) || form.tvValue->topLevelItemCount() == 0) {
        state.SkipWithError("no window or no orlenda.dat in the bin folder");
        return;
    }
    QTreeWidgetItem* group = form.tvValue->topLevelItem(0);
    QTreeWidgetItem* nodes[2] = { group->child(0), group->child(group->childCount() - 1) };
    int i = 0;
    for (auto _ : state) {
        form.tvValue->setCurrentItem(nodes[i ^= 1]);
        form.wbMain->viewport()->repaint();
    }
    if (!form.wbMain->LocationURL().endsWith(QStringLiteral("/item.html")))
        state.SkipWithError("the item page was not shown");
}
BENCHMARK(BM_SelectValue)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly();

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    initBrowserResources();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

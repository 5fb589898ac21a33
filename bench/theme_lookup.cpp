// Built-in theme lookups as a control does them on every style change: typed items and frames.
#include "skin/styles/SUIThemes.h"
#include "skin/styles/Suiresdef.h"

#include <QGuiApplication>
#include <QImage>
#include <benchmark/benchmark.h>

namespace {

void ColourLookup(benchmark::State& state)
{
    uint32_t sum = 0;
    for (auto _ : state) {
        for (int index = 1; index <= SuiThemes::SUI_THEME_ITEM_COUNT; ++index)
            sum += GetInsideThemeColor(TsuiUIStyle::WinXP, index);
        benchmark::DoNotOptimize(sum);
    }
    state.SetItemsProcessed(state.iterations() * SuiThemes::SUI_THEME_ITEM_COUNT);
}
BENCHMARK(ColourLookup);

// The title bar loads 18 frames per button type; the decoded strip comes from the cache.
void TitleButtonFrame(benchmark::State& state)
{
    QImage frame;
    int number = 0;
    for (auto _ : state) {
        GetInsideThemeBitmap(TsuiUIStyle::BlueGlass, SuiThemes::SuiItem::TitleBarButtonImage,
            &frame, 18, number % 18 + 1);
        ++number;
        benchmark::DoNotOptimize(frame.constBits());
    }
}
BENCHMARK(TitleButtonFrame);

void WholeStrip(benchmark::State& state)
{
    QImage strip;
    for (auto _ : state) {
        GetInsideThemeBitmap(TsuiUIStyle::MacOS, SuiThemes::SuiItem::ButtonImage, &strip);
        benchmark::DoNotOptimize(strip.constBits());
    }
}
BENCHMARK(WholeStrip);

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}

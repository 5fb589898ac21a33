// Nine-slice drawing of a button frame against one plain stretched draw onto the same target.
#include "skin/styles/SUIThemes.h"
#include "skin/styles/Suiresdef.h"
#include "skin/styles/Suipublic.h"

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

// Prints SpitDraw's time as a multiple of the plain stretch on each target after the table.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override
    {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs) {
            if (run.run_type != Run::RT_Iteration || run.iterations == 0)
                continue;
            const std::string name = run.benchmark_name();
            // CPU time: the machine is shared, so wall time carries other processes.
            const double perIteration = run.cpu_accumulated_time / double(run.iterations);
            const auto slash = name.find('/');
            const std::string kind = name.substr(0, slash);
            const std::string size = slash == std::string::npos ? "" : name.substr(slash);
            (kind == "SpitDrawFrame" ? m_spit : m_stretch)[size] = perIteration;
        }
    }
    void Finalize() override
    {
        ConsoleReporter::Finalize();
        for (const auto& [size, spit] : m_spit) {
            const auto plain = m_stretch.find(size);
            if (plain != m_stretch.end() && plain->second > 0)
                std::printf(
                    "SpitDraw / drawImage stretch %s: %.2fx\n", size.c_str(), spit / plain->second);
        }
    }

private:
    std::map<std::string, double> m_spit;
    std::map<std::string, double> m_stretch;
};

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}

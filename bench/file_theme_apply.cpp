// Applying a file theme to a form of 100 themed controls (load the file, restyle every control,
// repaint the form) against applying a built-in style to the same form (restyle, repaint); each
// control restyles once in both.
#include "framework/TForm.h"
#include "skin/styles/TsuiFileTheme.h"
#include "skin/windows/SUITitleBar.h"

#include "bench/support/RatioReporter.h"

#include <QApplication>
#include <QImage>
#include <benchmark/benchmark.h>
#include <memory>
#include <vector>

namespace {

constexpr int kControls = 100;

struct ThemedForm {
    ThemedForm()
    {
        form = std::make_unique<TForm>();
        form->resize(400, kControls * 34);
        for (int i = 0; i < kControls; ++i) {
            auto* bar = new TsuiTitleBar(form.get());
            bar->setGeometry(0, i * 34, 400, 34);
            controls.push_back(bar);
        }
        target = QImage(form->size(), QImage::Format_ARGB32_Premultiplied);
    }
    std::unique_ptr<TForm> form;
    std::vector<TsuiTitleBar*> controls;
    QImage target;
};

const QString kThemeFile = QStringLiteral(ORLENDA_SOURCE_DIR "/resources/themes/Protein.sui");

void BuiltIn(benchmark::State& state)
{
    ThemedForm f;
    for (auto _ : state) {
        for (TsuiTitleBar* bar : f.controls)
            bar->SetUIStyle(TsuiUIStyle::Protein);
        f.form->render(&f.target);
        benchmark::ClobberMemory();
    }
}

// As a form description has it: the controls already name the theme component (and draw DeepBlue
// while it is empty); loading the file gives it to each of them again, one restyle per control.
void FromFile(benchmark::State& state)
{
    ThemedForm f;
    for (auto _ : state) {
        state.PauseTiming();
        auto theme = std::make_unique<TsuiFileTheme>(f.form.get());
        for (TsuiTitleBar* bar : f.controls) {
            bar->SetFileTheme(theme.get());
            bar->SetUIStyle(TsuiUIStyle::FromThemeFile);
        }
        state.ResumeTiming();
        theme->SetThemeFile(kThemeFile);
        f.form->render(&f.target);
        benchmark::ClobberMemory();
        state.PauseTiming();
        theme.reset();
        state.ResumeTiming();
    }
}

BENCHMARK(BuiltIn)->Unit(benchmark::kMillisecond);
BENCHMARK(FromFile)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    RatioReporter reporter("FromFile", "BuiltIn", [](const std::string&) {
        return std::string("file theme / built-in style, 100 controls, load+restyle+repaint");
    });
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}

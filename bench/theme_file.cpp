// Loading a shipped theme file and looking up every item, against reading its bytes with one fread.
#include "skin/styles/SUIThemeFile.h"
#include "skin/styles/Suiresdef.h"

#include "bench/support/RatioReporter.h"

#include <QCoreApplication>
#include <QIODevice>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <map>
#include <string>
#include <vector>

namespace {

using namespace SuiThemes;

const char* const kStyles[] = { "MacOS", "WinXP", "DeepBlue", "Protein", "BlueGlass" };

std::string themePath(int style)
{
    return std::string(ORLENDA_SOURCE_DIR "/resources/themes/") + kStyles[style] + ".sui";
}

// What a file theme asks of its reader when a control changes style: every item by its key.
void ReaderLoadAndLookUp(benchmark::State& state)
{
    const QString path = QString::fromStdString(themePath(int(state.range(0))));
    std::vector<QString> keys;
    for (const TsuiThemeItem& item : kThemeItems)
        keys.push_back(QString::fromLatin1(item.key.data(), qsizetype(item.key.size())));
    for (auto _ : state) {
        const TsuiThemeFileReader reader(path);
        int64_t sum = 0;
        for (size_t i = 0; i < keys.size(); ++i) {
            switch (kThemeItems[i].kind) {
            case TsuiType::Str:
                if (QIODevice* stream = reader.GetFile(keys[i]))
                    sum += stream->size();
                break;
            case TsuiType::Bool:
                sum += reader.GetBool(keys[i]);
                break;
            case TsuiType::Int:
            case TsuiType::Color:
                sum += reader.GetInteger(keys[i]);
                break;
            }
        }
        benchmark::DoNotOptimize(sum);
    }
    state.SetLabel(kStyles[state.range(0)]);
}

// The floor: the same file's bytes into a buffer with one fread.
void FreadWholeFile(benchmark::State& state)
{
    const std::string path = themePath(int(state.range(0)));
    std::vector<char> buffer;
    for (auto _ : state) {
        std::FILE* file = std::fopen(path.c_str(), "rb");
        if (!file) {
            state.SkipWithError("cannot open the theme file");
            return;
        }
        std::fseek(file, 0, SEEK_END);
        const long size = std::ftell(file);
        std::fseek(file, 0, SEEK_SET);
        buffer.resize(size_t(size));
        const size_t read = std::fread(buffer.data(), 1, buffer.size(), file);
        std::fclose(file);
        benchmark::DoNotOptimize(read);
        benchmark::ClobberMemory();
    }
    state.SetLabel(kStyles[state.range(0)]);
}

BENCHMARK(ReaderLoadAndLookUp)->DenseRange(0, 4);
BENCHMARK(FreadWholeFile)->DenseRange(0, 4);

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    RatioReporter reporter("ReaderLoadAndLookUp", "FreadWholeFile", [](const std::string& style) {
        return std::string("reader + 42 lookups / one fread, ")
            + kStyles[std::stoi(style.substr(1))];
    });
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}

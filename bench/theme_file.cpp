// Loading a shipped theme file and looking up every item, against reading its bytes with one fread.
#include "skin/styles/SUIThemeFile.h"
#include "skin/styles/Suiresdef.h"

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

// Prints the reader's time as a multiple of the plain read for each style after the table.
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
            const int style = slash == std::string::npos ? 0 : std::stoi(name.substr(slash + 1));
            (kind == "ReaderLoadAndLookUp" ? m_reader : m_fread)[style] = perIteration;
        }
    }
    void Finalize() override
    {
        ConsoleReporter::Finalize();
        for (const auto& [style, reader] : m_reader) {
            const auto plain = m_fread.find(style);
            if (plain != m_fread.end() && plain->second > 0)
                std::printf("reader + 42 lookups / one fread, %s: %.2fx\n", kStyles[style],
                    reader / plain->second);
        }
    }

private:
    std::map<int, double> m_reader;
    std::map<int, double> m_fread;
};

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}

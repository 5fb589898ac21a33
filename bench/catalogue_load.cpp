// Loading a catalogue against the floor of one warm fread of the same bytes, and the peak heap
// use of loading, for the shipped catalogue and a file of 100,000 records; prints both ratios,
// and the same comparison from new memory (a process's first load).
#include "catalogue/OrlendaData.h"
#include "catalogue/OrlendaWriter.h"

#include "bench/support/RatioReporter.h"

#include <benchmark/benchmark.h>
#include <malloc.h>

#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <memory>
#include <new>
#include <optional>
#include <string>
#include <vector>

namespace {

// Heap accounting by real chunk size (plus its header word), so per-record overhead shows as it
// does in the process. Only switched on for the memory measurement, so it does not slow the
// timed loads.
std::atomic<bool> g_counting { false };
std::atomic<std::int64_t> g_heapInUse { 0 };
std::atomic<std::int64_t> g_heapPeak { 0 };
double g_peakPerFileByte[2] = { 0, 0 };

std::int64_t chunkSize(void* p)
{
    return std::int64_t(malloc_usable_size(p) + sizeof(std::size_t));
}

void* countedAlloc(std::size_t size)
{
    void* p = std::malloc(size ? size : 1);
    if (!p)
        throw std::bad_alloc();
    if (g_counting.load(std::memory_order_relaxed)) {
        const std::int64_t now = g_heapInUse += chunkSize(p);
        std::int64_t peak = g_heapPeak.load();
        while (now > peak && !g_heapPeak.compare_exchange_weak(peak, now)) { }
    }
    return p;
}

void countedFree(void* p)
{
    if (p && g_counting.load(std::memory_order_relaxed))
        g_heapInUse -= chunkSize(p);
    std::free(p);
}

const std::string kRealCatalogue = ORLENDA_BINARY_DIR "/bin/orlenda.dat";

std::uintmax_t fileSize(const std::string& path)
{
    std::error_code error;
    const auto size = std::filesystem::file_size(path, error);
    return error ? 0 : size;
}

// 100,000 records shaped like the shipped ones: the real records repeated under new names.
const std::string& largeCatalogue()
{
    static const std::string path = [] {
        const std::string file
            = (std::filesystem::temp_directory_path() / "orlenda_bench_100k.dat").string();
        OrlendaData real(kRealCatalogue.c_str());
        OrlendaWriter writer;
        for (int i = 0; i < 100000; ++i) {
            tagSysValItem item;
            if (real.GetCount() > 0)
                item = *real.GetItem(i % real.GetCount());
            else
                item.strDetail = std::string(600, 'd');
            std::snprintf(item.szName, sizeof item.szName, "Q%06d", i);
            writer.AddItem(item);
        }
        writer.Save(file.c_str());
        return file;
    }();
    return path;
}

// The first argument picks the file: 0 the shipped catalogue, 1 the 100,000-record file.
const std::string& catalogueFile(std::int64_t which)
{
    return which == 0 ? kRealCatalogue : largeCatalogue();
}

const char* const kCatalogueNames[] = { "shipped catalogue", "100,000 records" };

// The second argument picks the state of memory. Warm (0): what is filled is already mapped, as
// for the floor's buffer allocated once and a catalogue loaded again. Cold (1): every iteration
// starts from new memory, as a process's first load does; touching new pages costs more than
// reading the file on virtual machines, and it is the same for the floor.
bool cold(const benchmark::State& state)
{
    return state.range(1) != 0;
}

void Load(benchmark::State& state)
{
    const std::string& path = catalogueFile(state.range(0));
    if (!fileSize(path)) {
        state.SkipWithError("catalogue file missing");
        return;
    }
    std::optional<OrlendaData> data;
    data.emplace(path.c_str());
    for (auto _ : state) {
        // Loading starts from an empty catalogue, as at start-up: freeing the previous
        // iteration's records is not part of it.
        state.PauseTiming();
        if (cold(state))
            data.emplace("");
        else
            data->Clear();
        state.ResumeTiming();
        if (!data->Load(path.c_str()))
            state.SkipWithError("load failed");
        benchmark::DoNotOptimize(data->GetCount());
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(fileSize(path)));
    state.counters["records"] = data->GetCount();
}

// The floor: opening the file and one fread of all its bytes into a buffer, which is allocated
// and filled once before timing when warm.
void Fread(benchmark::State& state)
{
    const std::string& path = catalogueFile(state.range(0));
    const auto size = fileSize(path);
    if (!size) {
        state.SkipWithError("catalogue file missing");
        return;
    }
    std::unique_ptr<char[]> bytes(new char[size]);
    std::memset(bytes.get(), 0, size);
    for (auto _ : state) {
        if (cold(state)) {
            state.PauseTiming();
            bytes.reset();
            state.ResumeTiming();
            bytes.reset(new char[size]);
        }
        std::FILE* file = std::fopen(path.c_str(), "rb");
        if (!file || std::fread(bytes.get(), 1, size, file) != size)
            state.SkipWithError("read failed");
        if (file)
            std::fclose(file);
        benchmark::DoNotOptimize(bytes.get());
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(size));
}

// The most heap in use at once while a catalogue is created and loaded, against the file's size.
void PeakHeap(benchmark::State& state)
{
    const std::string& path = catalogueFile(state.range(0));
    const auto size = fileSize(path);
    std::int64_t peakGrowth = 0;
    for (auto _ : state) {
        g_heapInUse = 0;
        g_heapPeak = 0;
        g_counting = true;
        {
            OrlendaData data(path.c_str());
            benchmark::DoNotOptimize(data.GetCount());
        }
        g_counting = false;
        peakGrowth = g_heapPeak.load();
    }
    state.counters["file_bytes"] = double(size);
    state.counters["peak_heap_bytes"] = double(peakGrowth);
    state.counters["peak_per_file_byte"] = size ? double(peakGrowth) / double(size) : 0;
    g_peakPerFileByte[state.range(0)] = size ? double(peakGrowth) / double(size) : 0;
}

BENCHMARK(Load)->ArgsProduct({ { 0, 1 }, { 0, 1 } })->Unit(benchmark::kMicrosecond)->Repetitions(5);
BENCHMARK(Fread)
    ->ArgsProduct({ { 0, 1 }, { 0, 1 } })
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(5);
BENCHMARK(PeakHeap)->DenseRange(0, 1)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace

void* operator new(std::size_t size)
{
    return countedAlloc(size);
}
void* operator new[](std::size_t size)
{
    return countedAlloc(size);
}
void* operator new(std::size_t size, const std::nothrow_t&) noexcept
{
    try {
        return countedAlloc(size);
    } catch (const std::bad_alloc&) {
        return nullptr;
    }
}
void* operator new[](std::size_t size, const std::nothrow_t& tag) noexcept
{
    return operator new(size, tag);
}
void operator delete(void* p) noexcept
{
    countedFree(p);
}
void operator delete[](void* p) noexcept
{
    countedFree(p);
}
void operator delete(void* p, std::size_t) noexcept
{
    countedFree(p);
}
void operator delete[](void* p, std::size_t) noexcept
{
    countedFree(p);
}

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    RatioReporter reporter("Load", "Fread", [](const std::string& which) {
        // "/F/C": the file, then cold or warm.
        const bool isCold = which.size() > 3 && which[3] == '1';
        return std::string(isCold ? "cold load / one cold fread, " : "load / one warm fread, ")
            + kCatalogueNames[std::stoi(which.substr(1))];
    });
    benchmark::RunSpecifiedBenchmarks(&reporter);
    for (int which = 0; which < 2; ++which) {
        if (g_peakPerFileByte[which] > 0)
            std::printf("peak heap / file size, %s: %.2fx\n", kCatalogueNames[which],
                g_peakPerFileByte[which]);
    }
    benchmark::Shutdown();
    return 0;
}

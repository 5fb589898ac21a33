// Loading a catalogue against the floor of reading the same bytes with one fread, and the
// peak heap use of loading a large catalogue.
#include "catalogue/OrlendaData.h"
#include "catalogue/OrlendaWriter.h"

#include <benchmark/benchmark.h>
#include <malloc.h>

#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <new>
#include <string>
#include <vector>

namespace {

// Heap accounting by real chunk size (plus its header word), so per-record overhead shows as it
// does in the process. Only switched on for the memory measurement, so it does not slow the
// timed loads.
std::atomic<bool> g_counting { false };
std::atomic<std::int64_t> g_heapInUse { 0 };
std::atomic<std::int64_t> g_heapPeak { 0 };

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
                item.strDetail.assign(600, 'd');
            std::snprintf(item.szName, sizeof item.szName, "Q%06d", i);
            writer.AddItem(item);
        }
        writer.Save(file.c_str());
        return file;
    }();
    return path;
}

void loadCatalogue(benchmark::State& state, const std::string& path)
{
    const auto size = fileSize(path);
    if (!size) {
        state.SkipWithError("catalogue file missing");
        return;
    }
    OrlendaData data("");
    for (auto _ : state) {
        // Loading starts from an empty catalogue, as at start-up: freeing the previous
        // iteration's records is not part of it.
        state.PauseTiming();
        data.Clear();
        state.ResumeTiming();
        if (!data.Load(path.c_str()))
            state.SkipWithError("load failed");
        benchmark::DoNotOptimize(data.GetCount());
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(size));
    state.counters["records"] = data.GetCount();
}

// The floor: the same bytes with one fread into a buffer. The buffer is allocated per
// iteration (left uninitialised, as a reader would), or once for the pure read.
void readWholeFile(benchmark::State& state, const std::string& path, bool bufferPerRead)
{
    const auto size = fileSize(path);
    if (!size) {
        state.SkipWithError("catalogue file missing");
        return;
    }
    std::unique_ptr<char[]> kept(bufferPerRead ? nullptr : new char[size]);
    for (auto _ : state) {
        std::unique_ptr<char[]> fresh(bufferPerRead ? new char[size] : nullptr);
        char* bytes = bufferPerRead ? fresh.get() : kept.get();
        std::FILE* file = std::fopen(path.c_str(), "rb");
        if (!file || std::fread(bytes, 1, size, file) != size)
            state.SkipWithError("read failed");
        if (file)
            std::fclose(file);
        benchmark::DoNotOptimize(bytes);
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(size));
}

void BM_LoadShippedCatalogue(benchmark::State& state)
{
    loadCatalogue(state, kRealCatalogue);
}
void BM_FreadShippedCatalogue(benchmark::State& state)
{
    readWholeFile(state, kRealCatalogue, true);
}
void BM_FreadShippedCataloguePreallocated(benchmark::State& state)
{
    readWholeFile(state, kRealCatalogue, false);
}
void BM_Load100kCatalogue(benchmark::State& state)
{
    loadCatalogue(state, largeCatalogue());
}
void BM_Fread100kCatalogue(benchmark::State& state)
{
    readWholeFile(state, largeCatalogue(), true);
}
void BM_Fread100kCataloguePreallocated(benchmark::State& state)
{
    readWholeFile(state, largeCatalogue(), false);
}

void BM_PeakHeapOfLoading100k(benchmark::State& state)
{
    const std::string& path = largeCatalogue();
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
}

BENCHMARK(BM_LoadShippedCatalogue)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_FreadShippedCatalogue)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_FreadShippedCataloguePreallocated)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Load100kCatalogue)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Fread100kCatalogue)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Fread100kCataloguePreallocated)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PeakHeapOfLoading100k)->Unit(benchmark::kMillisecond)->Iterations(3);

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

BENCHMARK_MAIN();

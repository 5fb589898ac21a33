// Loads arbitrary bytes as a catalogue file and checks what the reader promises about them.
#include "catalogue/CatalogueError.h"
#include "catalogue/OrlendaData.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>
#include <unistd.h>

namespace {

// The smallest record: five empty strings and two indexes.
constexpr std::size_t kMinimumRecord = 5 * 4 + 2 * 4;
constexpr std::size_t kFixedPart = 7 + 4;

// One scratch file per fuzzing process, removed when the process ends. Memory-backed /dev/shm
// where there is one: creating a file on a disk costs milliseconds per input.
struct ScratchFile {
    std::string path
        = (access("/dev/shm", W_OK) == 0 ? std::string("/dev/shm") : std::string("/tmp"))
        + "/orlenda_fuzz_" + std::to_string(getpid()) + ".dat";
    ~ScratchFile() { std::remove(path.c_str()); }
};

const std::string& inputPath()
{
    static const ScratchFile file;
    return file.path;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    std::FILE* file = std::fopen(inputPath().c_str(), "wb");
    if (!file)
        std::abort();
    if (size && std::fwrite(data, 1, size, file) != size)
        std::abort();
    std::fclose(file);

    OrlendaData catalogue(inputPath().c_str());
    const std::size_t count = std::size_t(catalogue.GetCount());
    if (size < kFixedPart && count != 0)
        std::abort();
    if (size >= kFixedPart && count > (size - kFixedPart) / kMinimumRecord)
        std::abort();
    for (std::size_t i = 0; i < count; ++i) {
        const tagSysValItem* item = catalogue.GetItem(int(i));
        if (strnlen(item->szName, sizeof item->szName) > 11
            || strnlen(item->szLength, sizeof item->szLength) > 23)
            std::abort();
        if (item->strDescription.size() >= OrlendaData::kReadBufferSize
            || item->strExtra.size() >= OrlendaData::kReadBufferSize
            || item->strDetail.size() >= OrlendaData::kReadBufferSize
            || item->strDetail.view().find('\0') != std::string_view::npos)
            std::abort();
    }
    // A successful load read exactly the count the file gives.
    const bool loaded = catalogue.Load(nullptr);
    if (size >= kFixedPart) {
        uint32_t stated = 0;
        for (int b = 0; b < 4; ++b)
            stated |= uint32_t(data[7 + b]) << (8 * b);
        if (loaded != (std::size_t(catalogue.GetCount()) == stated))
            std::abort();
    } else if (loaded) {
        std::abort();
    }
    // Loading by name again gives the same records, and copies made with AddItem equal them.
    if (catalogue.Load(inputPath().c_str()) != loaded)
        std::abort();
    OrlendaData copies((inputPath() + ".missing").c_str());
    if (copies.GetCount() != 0 || copies.AddItem(nullptr))
        std::abort();
    for (int i = 0; i < catalogue.GetCount(); ++i) {
        const tagSysValItem* item = catalogue.GetItem(i);
        if (!copies.AddItem(item))
            std::abort();
        const tagSysValItem* copy = copies.GetItem(i);
        if (std::strcmp(copy->szName, item->szName) != 0
            || std::strcmp(copy->szLength, item->szLength) != 0
            || copy->nCategory != item->nCategory || copy->nValueType != item->nValueType
            || copy->strDescription != item->strDescription || copy->strExtra != item->strExtra
            || copy->strDetail != item->strDetail)
            std::abort();
    }
    try {
        catalogue.GetItem(catalogue.GetCount());
        std::abort();
    } catch (const CatalogueError&) {
    }
    // The copies share the loaded file's bytes: loading again must not write over them, and a
    // copy given new text leaves the catalogue's record as it was.
    if (catalogue.Load(nullptr) != loaded || catalogue.GetCount() != copies.GetCount())
        std::abort();
    for (int i = 0; i < copies.GetCount(); ++i) {
        const tagSysValItem* item = catalogue.GetItem(i);
        tagSysValItem* copy = copies.GetItem(i);
        if (copy->strDetail != item->strDetail || copy->strExtra != item->strExtra)
            std::abort();
        const std::string extra = copy->strExtra.str();
        copy->strExtra = extra + "+";
        if (item->strExtra != extra || copy->strExtra != extra + "+")
            std::abort();
    }
    // And they stay whole when the catalogue empties.
    catalogue.Clear();
    std::size_t nuls = 0;
    for (int i = 0; i < copies.GetCount(); ++i) {
        const std::string_view detail = copies.GetItem(i)->strDetail;
        nuls += std::size_t(std::count(detail.begin(), detail.end(), '\0'));
    }
    if (nuls != 0)
        std::abort();
    return 0;
}

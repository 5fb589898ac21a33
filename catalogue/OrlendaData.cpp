#include "catalogue/OrlendaData.h"

#include "catalogue/CatalogueError.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <limits>
#include <new>

#include <sys/stat.h>

namespace {

// The file's bytes, read into one buffer a step at a time as parsing asks for them: each step is
// parsed while it is still in the processor's cache, and nothing past what was read is looked at.
class FileReader {
public:
    // capacity bytes fit in buffer; the first filled of them hold the file's start already. A
    // null file has nothing more to give.
    FileReader(std::FILE* file, char* buffer, std::size_t capacity, std::size_t filled)
        : m_file(file)
        , m_buffer(buffer)
        , m_capacity(capacity)
        , m_filled(filled)
    {
    }

    // Where the next size bytes lie, moving past them; null when the file ends before them.
    const char* take(std::size_t size)
    {
        if (m_filled - m_pos < size && !pull(size))
            return nullptr;
        const char* bytes = m_buffer + m_pos;
        m_pos += size;
        return bytes;
    }

    bool readUInt32(uint32_t& value)
    {
        const auto* bytes = reinterpret_cast<const unsigned char*>(take(4));
        if (!bytes)
            return false;
        value = uint32_t(bytes[0]) | uint32_t(bytes[1]) << 8 | uint32_t(bytes[2]) << 16
            | uint32_t(bytes[3]) << 24;
        return true;
    }

    bool readInt32(int32_t& value)
    {
        uint32_t raw;
        if (!readUInt32(raw))
            return false;
        value = static_cast<int32_t>(raw);
        return true;
    }

private:
    static constexpr std::size_t kStep = 128 * 1024;

    bool pull(std::size_t size)
    {
        while (m_filled - m_pos < size && m_file) {
            const std::size_t wanted = std::min(kStep, m_capacity - m_filled);
            const std::size_t got = wanted ? std::fread(m_buffer + m_filled, 1, wanted, m_file) : 0;
            m_filled += got;
            // A short read is the end of the file or an error; either way nothing more comes.
            if (got < wanted || m_filled == m_capacity)
                m_file = nullptr;
        }
        return m_filled - m_pos >= size;
    }

    std::FILE* m_file;
    char* m_buffer;
    std::size_t m_capacity;
    std::size_t m_filled;
    std::size_t m_pos = 0;
};

// The text of one string: its bytes up to the first NUL, inside the file's bytes.
struct Text {
    const char* bytes = nullptr;
    std::size_t length = 0;
};

bool ReadString(FileReader& file, Text& text)
{
    uint32_t length = 0;
    if (!file.readUInt32(length))
        return false;
    // A string longer than the read buffer's limit is a broken record: nothing is read past the
    // bytes read and nothing is allocated from the length field.
    if (length > OrlendaData::kReadBufferSize - 1)
        return false;
    const char* bytes = file.take(length);
    if (!bytes)
        return false;
    // The text ends at the first NUL byte of what was read. Most strings are short: a plain loop
    // finds their end sooner than a call would.
    text.bytes = bytes;
    if (length <= 32) {
        std::size_t end = 0;
        while (end < length && bytes[end] != '\0')
            ++end;
        text.length = end;
    } else {
        const void* nul = std::memchr(bytes, '\0', length);
        text.length = nul ? std::size_t(static_cast<const char*>(nul) - bytes) : length;
    }
    return true;
}

// One record as it lies in the file, before it joins the list.
struct FileRecord {
    Text name;
    int32_t category = 0;
    int32_t valueType = 0;
    Text length;
    Text description;
    Text extra;
    Text detail;
};

bool ReadItem(FileReader& file, FileRecord& record)
{
    return ReadString(file, record.name) && file.readInt32(record.category)
        && file.readInt32(record.valueType) && ReadString(file, record.length)
        && ReadString(file, record.description) && ReadString(file, record.extra)
        && ReadString(file, record.detail);
}

// Copies a text into a fixed field; longer names and length texts are cut to fit rather than
// failing the record, so one odd record does not end the catalogue.
template <std::size_t N> void copyFixed(char (&field)[N], const char* text, std::size_t textLength)
{
    const std::size_t length = std::min(textLength, N - 1);
    std::memcpy(field, text, length);
    field[length] = '\0';
}

// The records' slices of the file's bytes, each holding a reference that is counted here and
// added to the bytes in one step when parsing ends, however it ends.
class SliceMaker {
public:
    explicit SliceMaker(CatalogueText::Bytes* bytes)
        : m_bytes(bytes)
    {
    }
    ~SliceMaker()
    {
        if (m_slices)
            m_bytes->retain(m_slices);
    }
    SliceMaker(const SliceMaker&) = delete;
    SliceMaker& operator=(const SliceMaker&) = delete;

    void fill(CatalogueText& field, const Text& text) noexcept
    {
        if (text.length == 0) {
            field = CatalogueText();
            return;
        }
        ++m_slices;
        field.adopt(m_bytes, text.bytes, text.length);
    }

private:
    CatalogueText::Bytes* m_bytes;
    std::size_t m_slices = 0;
};

} // namespace

OrlendaData::OrlendaData(const char* fileName)
    : m_fileName(fileName && *fileName ? fileName : kDefaultFileName)
{
    Load(m_fileName.c_str());
}

OrlendaData::~OrlendaData()
{
    Clear();
    if (m_file)
        m_file->release();
}

bool OrlendaData::Load(const char* fileName)
{
    // The constructor passes the stored name itself; assigning a string from its own buffer is
    // avoided rather than relied on.
    if (fileName && *fileName && fileName != m_fileName.c_str())
        m_fileName = fileName;
    Clear();

    std::FILE* file = std::fopen(m_fileName.c_str(), "rb");
    if (!file)
        return false;
    // The file is read straight into the records' buffer: stdio's own would copy every byte once
    // more.
    std::setvbuf(file, nullptr, _IONBF, 0);
    bool complete = false;
    try {
        complete = readRecords(file);
    } catch (const std::bad_alloc&) {
        // Out of memory for the file or the list: keep the complete records read before.
    }
    std::fclose(file);
    // Blocks a larger catalogue left behind are not kept for longer.
    m_blocks.resize((m_count + kBlockRecords - 1) / kBlockRecords);
    return complete;
}

void OrlendaData::useBuffer(std::size_t size)
{
    // The last file's bytes are written over only when no text shares them any more, and kept
    // only when they are not far larger than needed.
    if (m_file && (!m_file->unshared() || m_file->size() < size || m_file->size() / 2 > size)) {
        m_file->release();
        m_file = nullptr;
    }
    if (!m_file)
        m_file = CatalogueText::Bytes::create(size);
}

std::size_t OrlendaData::readWhole(std::FILE* file)
{
    std::size_t wanted = 64 * 1024;
    useBuffer(wanted);
    std::size_t size = 0;
    for (;;) {
        size += std::fread(m_file->data() + size, 1, wanted - size, file);
        if (size < wanted)
            return size;
        CatalogueText::Bytes* larger = CatalogueText::Bytes::create(wanted * 2);
        std::memcpy(larger->data(), m_file->data(), size);
        m_file->release();
        m_file = larger;
        wanted *= 2;
    }
}

bool OrlendaData::readRecords(std::FILE* file)
{
    // A regular file is read into a buffer of its size as parsing goes (as large as it was when
    // opened); anything else (a pipe, a device) is read whole first, in growing steps. The size
    // comes from the open file itself, in one call; the size a stream reports by seeking is not
    // used, since for a directory it is a huge number, not a size.
    struct stat info { };
    const bool regular
        = fstat(fileno(file), &info) == 0 && S_ISREG(info.st_mode) && info.st_size >= 0;
    std::size_t capacity = 0;
    if (regular) {
        capacity = std::size_t(info.st_size);
        useBuffer(capacity);
    } else {
        capacity = readWhole(file);
        file = nullptr;
    }
    FileReader reader(file, m_file->data(), capacity, file ? 0 : capacity);

    uint32_t count = 0;
    if (!reader.take(7) || !reader.readUInt32(count))
        return false;
    SliceMaker slices(m_file);
    FileRecord record;
    uint32_t i = 0;
    for (; i < count; ++i) {
        // A record joins the list only once all of it was read, so a broken one leaves no trace.
        if (!ReadItem(reader, record))
            break;
        tagSysValItem* item = nextSlot();
        if (!item)
            break;
        copyFixed(item->szName, record.name.bytes, record.name.length);
        item->nCategory = record.category;
        item->nValueType = record.valueType;
        copyFixed(item->szLength, record.length.bytes, record.length.length);
        slices.fill(item->strDescription, record.description);
        slices.fill(item->strExtra, record.extra);
        slices.fill(item->strDetail, record.detail);
        commitSlot();
    }
    return i == count;
}

tagSysValItem* OrlendaData::nextSlot()
{
    if (m_count >= static_cast<std::size_t>(std::numeric_limits<int>::max()))
        return nullptr;
    if (m_count == m_blocks.size() * kBlockRecords)
        m_blocks.push_back(std::make_unique<tagSysValItem[]>(kBlockRecords));
    return &m_blocks[m_count / kBlockRecords][m_count % kBlockRecords];
}

void OrlendaData::dropSlot()
{
    if (m_count < m_blocks.size() * kBlockRecords)
        m_blocks[m_count / kBlockRecords][m_count % kBlockRecords] = tagSysValItem {};
}

int OrlendaData::GetCount() const
{
    return static_cast<int>(m_count);
}

tagSysValItem* OrlendaData::GetItem(int index) const
{
    if (index < 0 || index >= GetCount())
        throw CatalogueError("List index out of bounds (" + std::to_string(index) + ")");
    const auto at = static_cast<std::size_t>(index);
    return &m_blocks[at / kBlockRecords][at % kBlockRecords];
}

void OrlendaData::Clear()
{
    for (std::size_t i = 0; i < m_count; ++i)
        m_blocks[i / kBlockRecords][i % kBlockRecords] = tagSysValItem {};
    m_count = 0;
}

bool OrlendaData::AddItem(const tagSysValItem* item)
{
    if (!item)
        return false;
    try {
        tagSysValItem* copy = nextSlot();
        if (!copy)
            return false;
        copyFixed(copy->szName, item->szName, strnlen(item->szName, sizeof item->szName));
        copy->nCategory = item->nCategory;
        copy->nValueType = item->nValueType;
        copyFixed(copy->szLength, item->szLength, strnlen(item->szLength, sizeof item->szLength));
        copy->strDescription = item->strDescription;
        copy->strExtra = item->strExtra;
        copy->strDetail = item->strDetail;
        commitSlot();
        return true;
    } catch (const std::bad_alloc&) {
        dropSlot();
        return false;
    }
}

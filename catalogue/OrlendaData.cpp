#include "catalogue/OrlendaData.h"

#include "catalogue/CatalogueError.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <limits>
#include <new>

namespace {

// The file seen through one bounded window: every field is parsed from memory, and a field that
// runs past the window's end is moved to its front before the next fread. Memory is the records
// plus one window, whatever the file's size. The window lives on the stack: a block this large
// freed on the heap makes the allocator sweep every small free chunk it holds.
class FileWindow {
public:
    explicit FileWindow(std::FILE* file)
        : m_file(file)
    {
    }

    // Where the next size bytes lie, moving past them; null when the file ends before them.
    // size is at most the window's size.
    const char* take(std::size_t size)
    {
        if (m_end - m_pos < size && !refill(size))
            return nullptr;
        const char* bytes = m_bytes.data() + m_pos;
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
    bool refill(std::size_t size)
    {
        const std::size_t kept = m_end - m_pos;
        std::memmove(m_bytes.data(), m_bytes.data() + m_pos, kept);
        m_pos = 0;
        m_end = kept;
        while (m_end < size && !m_atEnd) {
            const std::size_t wanted = OrlendaData::kWindowSize - m_end;
            const std::size_t got = std::fread(m_bytes.data() + m_end, 1, wanted, m_file);
            m_end += got;
            // A short read is the end of the file or an error; either way nothing more comes.
            m_atEnd = got < wanted;
        }
        return m_end >= size;
    }

    std::FILE* m_file;
    std::array<char, OrlendaData::kWindowSize> m_bytes;
    std::size_t m_pos = 0;
    std::size_t m_end = 0;
    bool m_atEnd = false;
};

// The text of one string: its bytes up to the first NUL, valid until the next read.
struct Text {
    const char* bytes = nullptr;
    std::size_t length = 0;
};

bool ReadString(FileWindow& file, Text& text)
{
    uint32_t length = 0;
    if (!file.readUInt32(length))
        return false;
    // A string longer than the read buffer's limit is a broken record: nothing is read past the
    // window and nothing is allocated from the length field.
    if (length > OrlendaData::kReadBufferSize - 1)
        return false;
    const char* bytes = file.take(length);
    if (!bytes)
        return false;
    // The text ends at the first NUL byte of what was read.
    const void* nul = length > 0 ? std::memchr(bytes, '\0', length) : nullptr;
    text.bytes = bytes;
    text.length = nul ? std::size_t(static_cast<const char*>(nul) - bytes) : length;
    return true;
}

// Copies a text into a fixed field; longer names and length texts are cut to fit rather than
// failing the record, so one odd record does not end the catalogue.
template <std::size_t N> void copyFixed(char (&field)[N], const char* text, std::size_t textLength)
{
    const std::size_t length = std::min(textLength, N - 1);
    std::memcpy(field, text, length);
    field[length] = '\0';
}

bool ReadItem(FileWindow& file, tagSysValItem& item)
{
    Text text;
    if (!ReadString(file, text))
        return false;
    copyFixed(item.szName, text.bytes, text.length);
    if (!file.readInt32(item.nCategory) || !file.readInt32(item.nValueType))
        return false;
    if (!ReadString(file, text))
        return false;
    copyFixed(item.szLength, text.bytes, text.length);
    if (!ReadString(file, text))
        return false;
    item.strDescription.assign(text.bytes, text.length);
    if (!ReadString(file, text))
        return false;
    item.strExtra.assign(text.bytes, text.length);
    if (!ReadString(file, text))
        return false;
    item.strDetail.assign(text.bytes, text.length);
    return true;
}

} // namespace

OrlendaData::OrlendaData(const char* fileName)
    : m_fileName(fileName && *fileName ? fileName : kDefaultFileName)
{
    Load(m_fileName.c_str());
}

OrlendaData::~OrlendaData()
{
    Clear();
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
    // The window is the only buffer: stdio's own would copy every byte once more.
    std::setvbuf(file, nullptr, _IONBF, 0);

    bool complete = false;
    try {
        FileWindow window(file);
        uint32_t count = 0;
        if (window.take(7) && window.readUInt32(count)) {
            uint32_t i = 0;
            for (; i < count; ++i) {
                // Read straight into the list's next slot: the same result as copying a working
                // record with AddItem, without copying every string a second time.
                tagSysValItem* item = nextSlot();
                if (!item)
                    break;
                if (!ReadItem(window, *item)) {
                    dropSlot();
                    break;
                }
                commitSlot();
            }
            complete = i == count;
        }
    } catch (const std::bad_alloc&) {
        // Out of memory while reading a record: keep the complete ones before it.
        dropSlot();
    }
    std::fclose(file);
    return complete;
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
    m_blocks.clear();
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

#include "catalogue/OrlendaData.h"

#include <algorithm>
#include <cstring>
#include <limits>
#include <new>
#include <stdexcept>

namespace {

// Shared by every catalogue: loads never run at the same time (one GUI thread).
char ReadBuffer[OrlendaData::kReadBufferSize];
char StreamBuffer[OrlendaData::kStreamBufferSize];

// The file never leaves the loading thread, so stdio's per-call locking buys nothing. With
// glibc, bytes that lie whole in the stream's buffer are taken from it directly, as
// getc_unlocked does: the block reader's call costs more than most fields of a record.
// Returns where the next size bytes lie and moves past them, or null when they are not there
// whole (the caller then uses the block reader).
const char* takeBuffered(std::FILE* file, std::size_t size)
{
#if defined(__GLIBC__)
    if (std::size_t(file->_IO_read_end - file->_IO_read_ptr) >= size) {
        const char* bytes = file->_IO_read_ptr;
        file->_IO_read_ptr += size;
        return bytes;
    }
#else
    (void)file;
    (void)size;
#endif
    return nullptr;
}

std::size_t readBytes(std::FILE* file, char* to, std::size_t size)
{
    if (const char* bytes = takeBuffered(file, size)) {
        std::memcpy(to, bytes, size);
        return size;
    }
#if defined(__GLIBC__)
    return fread_unlocked(to, 1, size, file);
#else
    return std::fread(to, 1, size, file);
#endif
}

bool readUInt32(std::FILE* file, uint32_t& value)
{
    unsigned char bytes[4];
    if (readBytes(file, reinterpret_cast<char*>(bytes), sizeof bytes) != sizeof bytes)
        return false;
    value = uint32_t(bytes[0]) | uint32_t(bytes[1]) << 8 | uint32_t(bytes[2]) << 16
        | uint32_t(bytes[3]) << 24;
    return true;
}

bool readInt32(std::FILE* file, int32_t& value)
{
    uint32_t raw;
    if (!readUInt32(file, raw))
        return false;
    value = static_cast<int32_t>(raw);
    return true;
}

// Copies the text of the read buffer into a fixed field; longer names and length texts are
// cut to fit rather than failing the record, so one odd record does not end the catalogue.
template <std::size_t N> void copyFixed(char (&field)[N], const char* text, std::size_t textLength)
{
    const std::size_t length = std::min(textLength, N - 1);
    std::memcpy(field, text, length);
    field[length] = '\0';
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
    // Records are read field by field; a buffer larger than stdio's default saves most of the
    // read calls on a big catalogue. It is shared like ReadBuffer, so a load allocates and
    // frees no large block (freeing one makes the allocator sweep its small free chunks).
    std::setvbuf(file, StreamBuffer, _IOFBF, sizeof StreamBuffer);

    bool complete = false;
    char header[7];
    uint32_t count = 0;
    if (readBytes(file, header, sizeof header) == sizeof header && readUInt32(file, count)) {
        uint32_t i = 0;
        try {
            for (; i < count; ++i) {
                // A fresh working record each time, moved into the list: the same result as
                // copying it with AddItem, without copying every string a second time.
                auto item = std::make_unique<tagSysValItem>();
                if (!ReadItem(file, item.get()) || !appendRead(std::move(item)))
                    break;
            }
        } catch (const std::bad_alloc&) {
            // Out of memory while reading a record: keep the complete ones before it.
        }
        complete = i == count;
    }
    std::fclose(file);
    return complete;
}

bool OrlendaData::appendRead(std::unique_ptr<tagSysValItem> item)
{
    if (m_items.size() >= static_cast<std::size_t>(std::numeric_limits<int>::max()))
        return false;
    m_items.push_back(std::move(item));
    return true;
}

int OrlendaData::GetCount() const
{
    return static_cast<int>(m_items.size());
}

tagSysValItem* OrlendaData::GetItem(int index) const
{
    if (index < 0 || index >= GetCount())
        throw std::out_of_range("List index out of bounds (" + std::to_string(index) + ")");
    return m_items[static_cast<std::size_t>(index)].get();
}

void OrlendaData::Clear()
{
    m_items.clear();
}

bool OrlendaData::AddItem(const tagSysValItem* item)
{
    // GetCount and GetItem speak int, so the list stops where int does.
    if (!item || m_items.size() >= static_cast<std::size_t>(std::numeric_limits<int>::max()))
        return false;
    try {
        auto copy = std::make_unique<tagSysValItem>();
        copyFixed(copy->szName, item->szName, strnlen(item->szName, sizeof item->szName));
        copy->nCategory = item->nCategory;
        copy->nValueType = item->nValueType;
        copyFixed(copy->szLength, item->szLength, strnlen(item->szLength, sizeof item->szLength));
        copy->strDescription = item->strDescription;
        copy->strExtra = item->strExtra;
        copy->strDetail = item->strDetail;
        m_items.push_back(std::move(copy));
    } catch (const std::bad_alloc&) {
        return false;
    }
    return true;
}

bool OrlendaData::ReadString(std::FILE* file, char* buffer, Text* text)
{
    uint32_t length = 0;
    if (!readUInt32(file, length))
        return false;
    // A string the buffer cannot hold is a broken record: nothing is read past the buffer and
    // nothing is allocated from the length field.
    if (length > kReadBufferSize - 1)
        return false;
    // A string that lies whole in the stream's buffer is used where it lies; any other goes
    // through the read buffer and is NUL-terminated there.
    const char* bytes = takeBuffered(file, length);
    if (!bytes) {
        if (length > 0 && readBytes(file, buffer, length) != length)
            return false;
        buffer[length] = '\0';
        bytes = buffer;
    }
    // The text ends at the first NUL byte of what was read.
    const void* nul = length > 0 ? std::memchr(bytes, '\0', length) : nullptr;
    text->bytes = bytes;
    text->length = nul ? std::size_t(static_cast<const char*>(nul) - bytes) : length;
    return true;
}

bool OrlendaData::ReadItem(std::FILE* file, tagSysValItem* item)
{
    Text text;
    if (!ReadString(file, ReadBuffer, &text))
        return false;
    copyFixed(item->szName, text.bytes, text.length);
    if (!readInt32(file, item->nCategory) || !readInt32(file, item->nValueType))
        return false;
    if (!ReadString(file, ReadBuffer, &text))
        return false;
    copyFixed(item->szLength, text.bytes, text.length);
    if (!ReadString(file, ReadBuffer, &text))
        return false;
    item->strDescription.assign(text.bytes, text.length);
    if (!ReadString(file, ReadBuffer, &text))
        return false;
    item->strExtra.assign(text.bytes, text.length);
    if (!ReadString(file, ReadBuffer, &text))
        return false;
    item->strDetail.assign(text.bytes, text.length);
    return true;
}

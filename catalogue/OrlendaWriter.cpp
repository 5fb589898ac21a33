#include "catalogue/OrlendaWriter.h"

#include "catalogue/OrlendaData.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <limits>

namespace {

void appendUInt32(std::string& out, uint32_t value)
{
    const char bytes[4] = { char(value & 0xff), char(value >> 8 & 0xff), char(value >> 16 & 0xff),
        char(value >> 24 & 0xff) };
    out.append(bytes, sizeof bytes);
}

void appendString(std::string& out, std::string_view text)
{
    appendUInt32(out, static_cast<uint32_t>(text.size()));
    out.append(text);
}

template <std::size_t N> std::string_view fixedText(const char (&field)[N])
{
    return std::string_view(field, strnlen(field, N));
}

std::string checkString(const char* what, std::string_view text)
{
    if (text.size() > OrlendaData::kReadBufferSize - 1)
        return std::string(what) + " is " + std::to_string(text.size()) + " bytes, more than the "
            + std::to_string(OrlendaData::kReadBufferSize - 1) + " a string may hold";
    if (text.find('\0') != std::string_view::npos)
        return std::string(what) + " holds a NUL byte";
    return {};
}

} // namespace

std::string OrlendaWriter::problemWith(const tagSysValItem& item)
{
    if (fixedText(item.szName).size() == sizeof item.szName)
        return "name is not NUL-terminated";
    if (fixedText(item.szLength).size() == sizeof item.szLength)
        return "length text is not NUL-terminated";
    std::string problem = checkString("description", item.strDescription);
    if (problem.empty())
        problem = checkString("further text", item.strExtra);
    if (problem.empty())
        problem = checkString("detail", item.strDetail);
    return problem;
}

bool OrlendaWriter::AddItem(const tagSysValItem& item)
{
    m_error = problemWith(item);
    if (!m_error.empty())
        return false;
    if (m_count == std::numeric_limits<uint32_t>::max()) {
        m_error = "too many records";
        return false;
    }
    appendString(m_records, fixedText(item.szName));
    appendUInt32(m_records, static_cast<uint32_t>(item.nCategory));
    appendUInt32(m_records, static_cast<uint32_t>(item.nValueType));
    appendString(m_records, fixedText(item.szLength));
    appendString(m_records, item.strDescription);
    appendString(m_records, item.strExtra);
    appendString(m_records, item.strDetail);
    ++m_count;
    return true;
}

std::string OrlendaWriter::bytes() const
{
    std::string out;
    out.reserve(kHeader.size() + 4 + m_records.size());
    out.append(kHeader);
    appendUInt32(out, m_count);
    out.append(m_records);
    return out;
}

bool OrlendaWriter::Save(const char* fileName)
{
    if (!fileName || !*fileName) {
        m_error = "no file name";
        return false;
    }
    const std::string target = fileName;
    const std::string temporary = target + ".part";
    std::FILE* file = std::fopen(temporary.c_str(), "wb");
    if (!file) {
        m_error = "cannot create " + temporary + ": " + std::strerror(errno);
        return false;
    }
    const std::string data = bytes();
    const bool written = std::fwrite(data.data(), 1, data.size(), file) == data.size();
    const bool closed = std::fclose(file) == 0;
    if (!written || !closed) {
        m_error = "cannot write " + temporary;
        std::remove(temporary.c_str());
        return false;
    }
    // Some platforms refuse to rename over an existing file; drop the old one and try again.
    if (std::rename(temporary.c_str(), target.c_str()) != 0
        && (std::remove(target.c_str()) != 0
            || std::rename(temporary.c_str(), target.c_str()) != 0)) {
        m_error = "cannot replace " + target + ": " + std::strerror(errno);
        std::remove(temporary.c_str());
        return false;
    }
    return true;
}

#include "catalogue/CatalogueSource.h"

#include "catalogue/CatalogueNames.h"
#include "catalogue/OrlendaWriter.h"

#include <array>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <map>
#include <optional>
#include <sstream>

namespace {

enum Field { Category, Type, Length, Extra, Description, Detail, FieldCount };

constexpr std::array<std::string_view, FieldCount> kFieldNames
    = { "category", "type", "length", "extra", "description", "detail" };

std::string_view trimmed(std::string_view text)
{
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos)
        return {};
    const auto last = text.find_last_not_of(" \t");
    return text.substr(first, last - first + 1);
}

template <int N, int Size> int indexIn(const char (&table)[N][Size], std::string_view text)
{
    for (int i = 0; i < N; ++i) {
        if (text == table[i])
            return i;
    }
    return -1;
}

template <std::size_t N> void setFixed(char (&field)[N], std::string_view text)
{
    std::memcpy(field, text.data(), text.size());
    field[text.size()] = '\0';
}

// The block being read: where each field came from, so a late fault can still name its line.
struct Block {
    int line = 0;
    tagSysValItem item;
    std::array<int, FieldCount> fieldLine = {};
};

class Parser {
public:
    Parser(const std::string& fileName, std::vector<tagSysValItem>& items)
        : m_fileName(fileName)
        , m_items(items)
    {
    }

    std::optional<std::string> run(std::string_view text);

private:
    std::string at(int line, const std::string& message) const
    {
        return m_fileName + ":" + std::to_string(line) + ": " + message;
    }
    std::optional<std::string> finishBlock();
    std::optional<std::string> setField(Field field, std::string_view value, int line);

    const std::string& m_fileName;
    std::vector<tagSysValItem>& m_items;
    std::optional<Block> m_block;
    std::map<std::string, int, std::less<>> m_seen;
};

std::optional<std::string> Parser::run(std::string_view text)
{
    int lineNumber = 0;
    int detailLine = 0;
    std::string detail;
    bool inDetail = false;
    std::size_t pos = 0;
    while (pos < text.size()) {
        auto end = text.find('\n', pos);
        if (end == std::string_view::npos)
            end = text.size();
        std::string_view line = text.substr(pos, end - pos);
        pos = end + 1;
        ++lineNumber;
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        for (const char c : line) {
            const auto byte = static_cast<unsigned char>(c);
            if (byte >= 0x80)
                return at(lineNumber, "non-ASCII byte; write it as an HTML entity");
            if (byte < 0x20 && c != '\t')
                return at(lineNumber, "control character");
        }

        if (inDetail) {
            if (line == ".") {
                inDetail = false;
                if (auto fault = setField(Detail, detail, detailLine))
                    return fault;
                continue;
            }
            if (!detail.empty())
                detail += '\n';
            detail += line;
            continue;
        }

        const std::string_view content = trimmed(line);
        if (content.empty() || content.front() == '#')
            continue;
        if (content.front() == '[') {
            if (content.back() != ']')
                return at(lineNumber, "value header lacks its closing ']'");
            if (auto fault = finishBlock())
                return fault;
            const std::string_view name = trimmed(content.substr(1, content.size() - 2));
            if (name.empty())
                return at(lineNumber, "empty value name");
            if (name.size() > sizeof(tagSysValItem::szName) - 1)
                return at(lineNumber,
                    "name '" + std::string(name) + "' is longer than "
                        + std::to_string(sizeof(tagSysValItem::szName) - 1) + " bytes");
            if (name.find_first_of(" \t[]") != std::string_view::npos)
                return at(lineNumber, "name '" + std::string(name) + "' holds a blank or bracket");
            if (const auto seen = m_seen.find(name); seen != m_seen.end())
                return at(lineNumber,
                    "value " + std::string(name) + " already defined at line "
                        + std::to_string(seen->second));
            m_seen.emplace(std::string(name), lineNumber);
            m_block.emplace();
            m_block->line = lineNumber;
            setFixed(m_block->item.szName, name);
            continue;
        }

        const auto colon = content.find(':');
        if (colon == std::string_view::npos)
            return at(lineNumber, "expected 'field: value', a '[NAME]' header or a comment");
        const std::string_view key = trimmed(content.substr(0, colon));
        const std::string_view value = trimmed(content.substr(colon + 1));
        int field = 0;
        while (field < FieldCount && kFieldNames[field] != key)
            ++field;
        if (field == FieldCount)
            return at(lineNumber, "unknown field '" + std::string(key) + "'");
        if (!m_block)
            return at(lineNumber, "field '" + std::string(key) + "' before any '[NAME]' header");
        if (m_block->fieldLine[field])
            return at(lineNumber,
                "field '" + std::string(key) + "' already given at line "
                    + std::to_string(m_block->fieldLine[field]));
        if (field == Detail) {
            if (!value.empty())
                return at(lineNumber, "the detail starts on the line after 'detail:'");
            inDetail = true;
            detailLine = lineNumber;
            detail.clear();
            continue;
        }
        if (auto fault = setField(static_cast<Field>(field), value, lineNumber))
            return fault;
    }
    if (inDetail)
        return at(detailLine, "detail not closed by a line holding only '.'");
    return finishBlock();
}

std::optional<std::string> Parser::setField(Field field, std::string_view value, int line)
{
    tagSysValItem& item = m_block->item;
    m_block->fieldLine[field] = line;
    switch (field) {
    case Category:
        item.nCategory = indexIn(CategoryNames, value);
        if (item.nCategory < 0)
            return at(line, "unknown category '" + std::string(value) + "'");
        break;
    case Type:
        item.nValueType = indexIn(ValueTypeNames, value);
        if (item.nValueType < 0)
            return at(line, "unknown type '" + std::string(value) + "'");
        break;
    case Length:
        if (value.empty())
            return at(line, "empty length");
        // The reader would cut a longer text without a word, so refuse it here.
        if (value.size() > sizeof item.szLength - 1)
            return at(line,
                "length '" + std::string(value) + "' is longer than "
                    + std::to_string(sizeof item.szLength - 1) + " bytes");
        setFixed(item.szLength, value);
        break;
    case Extra:
        item.strExtra = value;
        break;
    case Description:
        if (value.empty())
            return at(line, "empty description");
        item.strDescription = value;
        break;
    case Detail:
        if (trimmed(value).empty())
            return at(line, "empty detail");
        item.strDetail = value;
        break;
    case FieldCount:
        break;
    }
    if (const std::string problem = OrlendaWriter::problemWith(item); !problem.empty())
        return at(line, problem);
    return std::nullopt;
}

std::optional<std::string> Parser::finishBlock()
{
    if (!m_block)
        return std::nullopt;
    for (int field = 0; field < FieldCount; ++field) {
        if (field != Extra && !m_block->fieldLine[field])
            return at(m_block->line,
                std::string(m_block->item.szName) + " lacks the field '"
                    + std::string(kFieldNames[field]) + "'");
    }
    m_items.push_back(std::move(m_block->item));
    m_block.reset();
    return std::nullopt;
}

} // namespace

bool CatalogueSource::parse(std::string_view text, const std::string& fileName)
{
    m_items.clear();
    m_error.clear();
    Parser parser(fileName, m_items);
    if (auto fault = parser.run(text)) {
        m_items.clear();
        m_error = std::move(*fault);
        return false;
    }
    return true;
}

bool CatalogueSource::load(const char* path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        m_items.clear();
        m_error = std::string(path) + ": cannot open";
        return false;
    }
    std::ostringstream text;
    text << in.rdbuf();
    if (in.bad()) {
        m_items.clear();
        m_error = std::string(path) + ": cannot read";
        return false;
    }
    return parse(text.str(), path);
}

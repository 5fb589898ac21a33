// Writes catalogue records in the data file format that OrlendaData reads.
#pragma once

#include "catalogue/tagSysValItem.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

class OrlendaWriter {
public:
    // The reader skips these seven bytes; they only tell a person what the file is.
    static constexpr std::string_view kHeader = "ORLENDA";

    // Why the record cannot be written so that it reads back unchanged, or empty when it can:
    // fixed fields must be NUL-terminated and strings must fit the reader's buffer without a
    // NUL, since the reader would cut or reject them silently.
    static std::string problemWith(const tagSysValItem& item);

    // Appends one record; false (with the reason in error()) when problemWith finds one.
    bool AddItem(const tagSysValItem& item);
    uint32_t count() const { return m_count; }
    const std::string& error() const { return m_error; }

    // The whole file: header, count, records.
    std::string bytes() const;
    // Writes beside the target and renames over it, so a failed write never leaves a cut file
    // where the program would load it.
    bool Save(const char* fileName);

private:
    std::string m_records;
    uint32_t m_count = 0;
    std::string m_error;
};

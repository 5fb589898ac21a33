// The hand-edited text form of the catalogue, parsed into records for OrlendaWriter.
#pragma once

#include "catalogue/tagSysValItem.h"

#include <string>
#include <string_view>
#include <vector>

// The text is ASCII, one block per value:
//
//   # a comment
//   [QNAME]
//   category: *SYSCTL
//   type: Character
//   length: 10
//   extra: anything kept with the record (optional)
//   description: one line
//   detail:
//   <p>HTML lines, kept as written</p>
//   .
//
// A line holding only "." ends the detail. Every fault is reported as "file:line: message".
class CatalogueSource {
public:
    bool parse(std::string_view text, const std::string& fileName);
    bool load(const char* path);

    const std::vector<tagSysValItem>& items() const { return m_items; }
    const std::string& error() const { return m_error; }

private:
    std::vector<tagSysValItem> m_items;
    std::string m_error;
};

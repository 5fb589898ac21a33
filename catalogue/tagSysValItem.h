// One system value record of the catalogue.
#pragma once

#include <cstdint>
#include <string>

struct tagSysValItem {
    char szName[12] = {}; // at most 11 bytes of text, NUL-terminated
    int32_t nCategory = 0; // index into CategoryNames
    int32_t nValueType = 0; // index into ValueTypeNames
    char szLength[24] = {}; // at most 23 bytes of text, NUL-terminated
    std::string strDescription;
    std::string strExtra; // loaded and kept, shown nowhere
    std::string strDetail; // HTML fragment copied verbatim into the item page
};

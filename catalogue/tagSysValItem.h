// One system value record of the catalogue.
#pragma once

#include "catalogue/CatalogueText.h"

#include <cstdint>

struct tagSysValItem {
    char szName[12] = {}; // at most 11 bytes of text, NUL-terminated
    int32_t nCategory = 0; // index into CategoryNames
    int32_t nValueType = 0; // index into ValueTypeNames
    char szLength[24] = {}; // at most 23 bytes of text, NUL-terminated
    CatalogueText strDescription;
    CatalogueText strExtra; // loaded and kept, shown nowhere
    CatalogueText strDetail; // HTML fragment copied verbatim into the item page
};

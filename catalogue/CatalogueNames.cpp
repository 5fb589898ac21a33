#include "catalogue/CatalogueNames.h"

const char CategoryNames[kCategoryCount][kNameSlotSize] = {
    "*ALC",
    "*DATTIM",
    "*EDT",
    "*LIBL",
    "*MSG",
    "*SEC",
    "*STG",
    "*SYSCTL",
};

const char ValueTypeNames[kValueTypeCount][kNameSlotSize] = { "Binary", "Character", "Array" };

const char* categoryName(int index)
{
    return index >= 0 && index < kCategoryCount ? CategoryNames[index] : "?";
}

const char* valueTypeName(int index)
{
    return index >= 0 && index < kValueTypeCount ? ValueTypeNames[index] : "?";
}

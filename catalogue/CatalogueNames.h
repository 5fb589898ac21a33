// The two tables that turn a record's category and value type indexes into text.
#pragma once

inline constexpr int kCategoryCount = 8;
inline constexpr int kValueTypeCount = 3;
inline constexpr int kNameSlotSize = 20;

extern const char CategoryNames[kCategoryCount][kNameSlotSize];
extern const char ValueTypeNames[kValueTypeCount][kNameSlotSize];

// Text for an index that may lie outside the table; pages show "?" for those.
const char* categoryName(int index);
const char* valueTypeName(int index);

#include "catalogue/CatalogueNames.h"

#include <gtest/gtest.h>

TEST(CatalogueNames, IndexesOutsideTheTablesReadAsQuestionMark)
{
    EXPECT_STREQ(categoryName(7), "*SYSCTL");
    EXPECT_STREQ(categoryName(8), "?");
    EXPECT_STREQ(categoryName(-1), "?");
    EXPECT_STREQ(valueTypeName(2), "Array");
    EXPECT_STREQ(valueTypeName(3), "?");
}

#include "catalogue/CatalogueSource.h"

#include <gtest/gtest.h>

namespace {

const char kTwoValues[] = "# comment\r\n"
                          "\n"
                          "[QDATE]\r\n"
                          "category: *DATTIM\r\n"
                          "type: Character\n"
                          "length:  7 \n"
                          "description: System date\n"
                          "detail:\n"
                          "<p>first</p>\r\n"
                          "  <ul><li>.</li></ul>\n"
                          ".\n"
                          "[QACGLVL]\n"
                          "description: Accounting\n"
                          "extra: V4R2\n"
                          "type: Array\n"
                          "category: *MSG\n"
                          "length: 80 (8 x 10)\n"
                          "detail:\n"
                          "<p>x</p>\n"
                          ".";

TEST(CatalogueSource, ReadsBlocksInOrderWithFieldsInAnyOrderAndDetailLinesVerbatim)
{
    CatalogueSource source;
    ASSERT_TRUE(source.parse(kTwoValues, "values.txt")) << source.error();
    ASSERT_EQ(source.items().size(), 2u);
    const tagSysValItem& date = source.items()[0];
    EXPECT_STREQ(date.szName, "QDATE");
    EXPECT_EQ(date.nCategory, 1);
    EXPECT_EQ(date.nValueType, 1);
    EXPECT_STREQ(date.szLength, "7");
    EXPECT_EQ(date.strDescription, "System date");
    EXPECT_EQ(date.strExtra, "");
    EXPECT_EQ(date.strDetail, "<p>first</p>\n  <ul><li>.</li></ul>");
    const tagSysValItem& acg = source.items()[1];
    EXPECT_EQ(acg.nCategory, 4);
    EXPECT_EQ(acg.nValueType, 2);
    EXPECT_STREQ(acg.szLength, "80 (8 x 10)");
    EXPECT_EQ(acg.strExtra, "V4R2");
}

struct Fault {
    const char* text;
    int line;
    const char* message;
};

class CatalogueSourceFault : public testing::TestWithParam<Fault> { };

TEST_P(CatalogueSourceFault, IsReportedWithFileAndLine)
{
    const std::string body = "category: *SEC\ntype: Binary\nlength: 4\ndescription: d\n"
                             "detail:\n<p>x</p>\n.\n";
    std::string text = GetParam().text;
    if (const auto at = text.find("BODY"); at != std::string::npos)
        text.replace(at, 4, body);
    CatalogueSource source;
    ASSERT_FALSE(source.parse(text, "values.txt"));
    const std::string prefix = "values.txt:" + std::to_string(GetParam().line) + ": ";
    EXPECT_EQ(source.error().rfind(prefix, 0), 0u) << source.error();
    EXPECT_NE(source.error().find(GetParam().message), std::string::npos) << source.error();
    EXPECT_TRUE(source.items().empty());
}

INSTANTIATE_TEST_SUITE_P(Faults, CatalogueSourceFault,
    testing::Values(Fault { "type: Binary\n", 1, "before any" },
        Fault { "[QA]\nBODY[QA]\nBODY", 9, "already defined at line 1" },
        Fault { "[QA]\ncategory: *SEC\ncategory: *SEC\n", 3, "already given at line 2" },
        Fault { "[QA]\nflavour: mild\n", 2, "unknown field 'flavour'" },
        Fault { "[QA]\ncategory: *FOO\n", 2, "unknown category '*FOO'" },
        Fault { "[QA]\ntype: Decimal\n", 2, "unknown type 'Decimal'" },
        Fault { "[QA]\nlength: 123456789012345678901234\n", 2, "longer than 23 bytes" },
        Fault { "[QABCDEFGHIJK]\n", 1, "longer than 11 bytes" },
        Fault { "[QA\n", 1, "closing ']'" }, Fault { "[ ]\n", 1, "empty value name" },
        Fault { "[QA]\ncategory: *SEC\n[QB]\nBODY", 1, "lacks the field 'type'" },
        Fault { "[QA]\nBODY[QB]\ntype: Binary\n", 9, "lacks the field 'category'" },
        Fault { "[QA]\ndetail:\n<p>open\n", 2, "not closed" },
        Fault { "[QA]\ndetail: <p>\n", 2, "line after 'detail:'" },
        Fault { "[QA]\ndetail:\n\n.\n", 2, "empty detail" },
        Fault { "[QA]\ndescription:\n", 2, "empty description" },
        Fault { "[QA]\ndescription: caf\xc3\xa9\n", 2, "non-ASCII" },
        Fault { "[QA]\njust words\n", 2, "expected 'field: value'" }));

TEST(CatalogueSource, LoadNamesAFileThatCannotBeOpened)
{
    CatalogueSource source;
    EXPECT_FALSE(source.load("/nonexistent/values.txt"));
    EXPECT_EQ(source.error(), "/nonexistent/values.txt: cannot open");
}

} // namespace

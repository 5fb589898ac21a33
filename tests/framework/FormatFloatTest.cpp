// The float formatter on the mask notation: placeholders, rounding, grouping, sections, locales.
#include "framework/FormatFloat.h"

#include <gtest/gtest.h>
#include <limits>

namespace {
const QLocale english(QLocale::English, QLocale::UnitedStates);
const QLocale german(QLocale::German, QLocale::Germany);

struct Case {
    const char* mask;
    double value;
    const char* expected;
};

class FormatFloatCases : public testing::TestWithParam<Case> { };

TEST_P(FormatFloatCases, GivesTheExpectedText)
{
    const Case& c = GetParam();
    EXPECT_EQ(
        FormatFloat(QString::fromUtf8(c.mask), c.value, english), QString::fromUtf8(c.expected))
        << c.mask << " " << c.value;
}

INSTANTIATE_TEST_SUITE_P(Notation, FormatFloatCases,
    testing::Values(Case { "0.00", 0, "0.00" }, Case { "0.00", 12.5, "12.50" },
        Case { "0.00", 1.005e3, "1005.00" }, Case { "0.00", -3.14159, "-3.14" },
        // A value that rounds to zero shows no sign.
        Case { "0.00", -0.001, "0.00" }, Case { "#.##", 0.5, ".5" }, Case { "#.##", 12, "12" },
        Case { "0.##", 12.3, "12.3" }, Case { "000", 7, "007" }, Case { "0", 2.5, "3" },
        Case { "#,##0.00", 1234567.891, "1,234,567.89" }, Case { "#,##0", 999, "999" },
        Case { "#,##0", -1000, "-1,000" }, Case { "0.00;(0.00)", -2, "(2.00)" },
        Case { "0.00;(0.00);'zero'", 0, "zero" }, Case { "'EUR' 0.00", 3, "EUR 3.00" },
        Case { "0.00 kg", 1.5, "1.50 kg" },
        // Far beyond a 64-bit integer the digits are still the double's own.
        Case { "0", 1e20, "100000000000000000000" }));

TEST(FormatFloat, UsesTheLocaleSeparatorsAndWritesNonFiniteValuesPlainly)
{
    EXPECT_EQ(FormatFloat("#,##0.00", 1234.5, german), "1.234,50");
    EXPECT_EQ(FormatFloat("0.00", std::numeric_limits<double>::infinity(), english), "inf");
    EXPECT_EQ(FormatFloat("", 1.25, english), "1.25");
}
} // namespace

#include "nls/NumberText.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <iterator>
#include <limits>
#include <string_view>

namespace tankora {
namespace {

struct FormatCase
{
    double value;
    const char* expected;
};

TEST(NumberText, FourDecimalsRoundHalfAwayFromZero)
{
    const FormatCase cases[] = {
        { 0, "0.0000" },
        { 0.00005, "0.0001" },
        { -0.00005, "-0.0001" },
        { 0.00004999, "0.0000" },
        { 0.03125, "0.0313" }, // an exact binary tie rounds away from zero, not to even
        { 1.00005, "1.0001" }, // 1.0000499999... in binary, 1.00005 in 15 digits
        { 2.5, "2.5000" },
        { -3.14159265, "-3.1416" },
        { 9.99995, "10.0000" },
        { 123456.7, "123456.7000" },
        { 1e20, "100000000000000000000.0000" },
    };
    for (const auto& c : cases) {
        EXPECT_EQ(FormatDecimals(c.value, 4, '.'), c.expected) << c.value;
    }
}

TEST(NumberText, NegativeValuesThatRoundToZeroHaveNoMinus)
{
    EXPECT_EQ(FormatDecimals(-0.00004, 4, '.'), "0.0000");
    EXPECT_EQ(FormatDecimals(-0.0, 4, '.'), "0.0000");
    EXPECT_EQ(FormatFixed15(-1e-20, 2, '.'), "0.00");
}

TEST(NumberText, FormatsUseTheGivenSeparator)
{
    EXPECT_EQ(FormatDecimals(1.5, 4, ','), "1,5000");
    EXPECT_EQ(FormatFixed15(1.0 / 3.0, 15, ','), "0,333333333333333");
    EXPECT_EQ(FormatGeneral15(2.5, ','), "2,5");
    EXPECT_EQ(FormatDecimals(7, 0, ','), "7");
}

TEST(NumberText, FixedFifteenKeepsFifteenSignificantDigits)
{
    const FormatCase cases[] = {
        { 1.0 / 3.0, "0.333333333333333" },
        { 2.5, "2.500000000000000" },
        { 0, "0.000000000000000" },
        { 123456789.123456789, "123456789.123457000000000" },
        { -2.0 / 3.0, "-0.666666666666667" },
        { 999999999999999, "999999999999999.000000000000000" },
    };
    for (const auto& c : cases) {
        EXPECT_EQ(FormatFixed15(c.value, 15, '.'), c.expected) << c.value;
    }
    EXPECT_EQ(FormatFixed15(1234.5678, 2, '.'), "1234.57");
}

TEST(NumberText, FixedFifteenFallsBackToExponentFormWhenTooLarge)
{
    EXPECT_EQ(FormatFixed15(1e101, 15, '.'), "1E101");
    EXPECT_EQ(FormatFixed15(1e15, 2, '.'), "1E15");
    EXPECT_EQ(FormatFixed15(-1.5e16, 2, '.'), "-1.5E16");
}

TEST(NumberText, GeneralFormUsesUpToFifteenDigits)
{
    const FormatCase cases[] = {
        { 0, "0" },
        { 1e100, "1E100" },
        { 1e101, "1E101" },
        { -1e100, "-1E100" },
        { 2.5, "2.5" },
        { -5, "-5" },
        { 0.0001, "0.0001" },
        { 0.00001, "1E-5" },
        { 1.5e-7, "1.5E-7" },
        { 1.0 / 3.0, "0.333333333333333" },
        { 123456789012345, "123456789012345" },
        { 1e15, "1E15" },
        { 0.1 + 0.2, "0.3" },
    };
    for (const auto& c : cases) {
        EXPECT_EQ(FormatGeneral15(c.value, '.'), c.expected) << c.value;
    }
}

TEST(NumberText, NonFiniteValuesHaveFixedTexts)
{
    EXPECT_EQ(FormatDecimals(std::numeric_limits<double>::infinity(), 4, '.'), "INF");
    EXPECT_EQ(FormatGeneral15(-std::numeric_limits<double>::infinity(), '.'), "-INF");
    EXPECT_EQ(FormatFixed15(std::nan(""), 2, '.'), "NAN");
}

struct ParseCase
{
    const char* text;
    char separator;
    double expected;
};

TEST(NumberText, ParseAcceptsStrictNumbers)
{
    const ParseCase cases[] = {
        { "0", '.', 0 },
        { "1.5E-3", '.', 0.0015 },
        { "1,5", ',', 1.5 },
        { "  -2.25  ", '.', -2.25 },
        { "+7", '.', 7 },
        { "5.", '.', 5 },
        { ".5", '.', 0.5 },
        { "1e+2", '.', 100 },
        { "1E100", '.', 1e100 },
        { "1E-400", '.', 0 }, // underflow reads as zero
        { "0.000000000000000000000000000000000000001E-300", '.', 0 },
    };
    for (const auto& c : cases) {
        const auto value = ParseNumber(c.text, c.separator);
        ASSERT_TRUE(value.has_value()) << c.text;
        EXPECT_DOUBLE_EQ(*value, c.expected) << c.text;
        EXPECT_TRUE(IsNumberText(c.text, c.separator)) << c.text;
    }
}

TEST(NumberText, ParseRefusesEverythingElse)
{
    const ParseCase cases[] = {
        { "", '.', 0 },
        { "   ", '.', 0 },
        { ".", '.', 0 },
        { "1.5Ee", '.', 0 },
        { "1E", '.', 0 },
        { "1E+", '.', 0 },
        { "1,5", '.', 0 },
        { "1.5", ',', 0 },
        { "1.2.3", '.', 0 },
        { "--1", '.', 0 },
        { "1 2", '.', 0 },
        { "abc", '.', 0 },
        { "1E400", '.', 0 },
        { "-1E309", '.', 0 },
        { "1e5x", '.', 0 },
        { "0x10", '.', 0 },
        { "inf", '.', 0 },
        { "nan", '.', 0 },
        { "E5", '.', 0 },
        { "-", '.', 0 },
        { "1E99999999999999999999", '.', 0 },
    };
    const std::string_view overflowing[] = { "1E400", "-1E309", "1E99999999999999999999" };
    for (const auto& c : cases) {
        EXPECT_FALSE(ParseNumber(c.text, c.separator).has_value()) << c.text;
        // The shape check refuses the same texts, except that magnitude is no part of a shape.
        const bool overflows = std::find(std::begin(overflowing), std::end(overflowing), c.text)
            != std::end(overflowing);
        EXPECT_EQ(IsNumberText(c.text, c.separator), overflows) << c.text;
    }
}

TEST(NumberText, FormattedNumbersReadBack)
{
    // The largest doubles show as 1.79769313486232E308, above the largest
    // double; that text reads back as the largest double, one digit more overflows.
    constexpr double kLargest = std::numeric_limits<double>::max();
    EXPECT_EQ(ParseNumber("-1.79769313486232E308", '.'), -kLargest);
    EXPECT_FALSE(ParseNumber("1.79769313486233E308", '.').has_value());
    // Up to that display, written any way, and not a hair above it.
    for (const char* largest : { "179769313486232000E291", "0.0179769313486232e310",
             "1.7976931348623199999E308", "1.7976931348623157E308" })
        EXPECT_EQ(ParseNumber(largest, '.'), kLargest) << largest;
    for (const char* above : { "1.797693134862320000001E308", "17976931348623201E292", "2E308" })
        EXPECT_FALSE(ParseNumber(above, '.').has_value()) << above;
    for (const double value :
        { 0.0, 1.0 / 3.0, -123.456, 1e-5, 1e100, 6.02214076e23, kLargest, -kLargest }) {
        const auto parsed = ParseNumber(FormatGeneral15(value, ','), ',');
        ASSERT_TRUE(parsed.has_value()) << value;
        EXPECT_NEAR(*parsed, value, std::fabs(value) * 1e-14) << value;
    }
}

} // namespace
} // namespace tankora

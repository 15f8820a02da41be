#include "l10n/dictionary/StringParser.h"

#include "framework/core/Exceptions.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

std::vector<std::string> Tokens(const std::string& text, char delimiter)
{
    TIvStringParser parser(text, delimiter);
    std::vector<std::string> tokens;
    while (!parser.AtEnd())
        tokens.push_back(parser.NextToken());
    return tokens;
}

} // namespace

TEST(TIvStringParser, SplitsAtEveryDelimiterKeepingEmptyTokens)
{
    using V = std::vector<std::string>;
    EXPECT_EQ(Tokens("a,,b", ','), (V { "a", "", "b" }));
    EXPECT_EQ(Tokens("a,", ','), (V { "a" }));
    EXPECT_EQ(Tokens(",a", ','), (V { "", "a" }));
    EXPECT_EQ(Tokens("", ','), V {});
    EXPECT_EQ(Tokens("Chinese (PRC)", ' '), (V { "Chinese", "(PRC)" }));
}

TEST(TIvStringParser, DelimiterMayChangeBetweenCallsAndSetTextRestarts)
{
    TIvStringParser parser("1,2;3", ',');
    EXPECT_EQ(parser.NextInteger(), 1);
    parser.Delimiter = ';';
    EXPECT_EQ(parser.NextToken(), "2");
    EXPECT_EQ(parser.NextToken(), "3");
    EXPECT_TRUE(parser.AtEnd());
    EXPECT_EQ(parser.NextToken(), "") << "reading at the end gives nothing";
    parser.SetText("x;y");
    EXPECT_EQ(parser.Position, 1);
    EXPECT_EQ(parser.Size, 4);
    EXPECT_EQ(parser.NextToken(), "x");
}

TEST(TIvStringParser, IntegersAreStrictDecimalText)
{
    EXPECT_EQ(TIvStringParser::ToInteger("42"), 42);
    EXPECT_EQ(TIvStringParser::ToInteger("-7"), -7);
    EXPECT_EQ(TIvStringParser::ToInteger("+3"), 3);
    for (const char* bad : { "", "x", "1x", " 1", "+", "+-1", "99999999999", "0x10" }) {
        EXPECT_THROW(TIvStringParser::ToInteger(bad), EConvertError) << bad;
    }
}

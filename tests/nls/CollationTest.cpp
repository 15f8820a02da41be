#include "nls/Collation.h"

#include <gtest/gtest.h>

namespace tankora {
namespace {

TEST(Collation, ComparesUnderTheLocalesRules)
{
    ScopedMachineLocale machine({ 0x0409, 0x0409, 1252 });
    EXPECT_EQ(CompareLocaleTexts("a", "b", 0x0407), -1);
    EXPECT_EQ(CompareLocaleTexts("b", "a", 0x0407), 1);
    EXPECT_EQ(CompareLocaleTexts("abc", "abc", 0x0407), 0);
    // German sorts a-umlaut with a, Swedish after z.
    EXPECT_EQ(CompareLocaleTexts("\xE4", "b", 0x0407), -1);
    EXPECT_EQ(CompareLocaleTexts("\xE4", "z", 0x041D), 1);
    // Case and accents count; whole lengths are compared.
    EXPECT_NE(CompareLocaleTexts("a", "A", 0x0409), 0);
    EXPECT_NE(CompareLocaleTexts("e", "\xE9", 0x0409), 0);
    EXPECT_EQ(CompareLocaleTexts("ab", "abc", 0x0409), -1);
    EXPECT_EQ(
        CompareLocaleTexts(std::string_view("a\0b", 3), std::string_view("a\0c", 3), 0x0409), -1);
}

TEST(Collation, TextsAreDecodedFromTheActiveCodePage)
{
    ScopedMachineLocale machine({ 0x0419, 0x0419, 1251 });
    // Cyrillic a (0xE0) before be (0xE1) in 1251.
    EXPECT_EQ(CompareLocaleTexts("\xE0", "\xE1", 0x0419), -1);
    // CLDR's Russian order puts Cyrillic before Latin (Windows puts it after).
    EXPECT_EQ(CompareLocaleTexts("\xE1", "z", 0x0419), -1);
    EXPECT_EQ(CompareLocaleTexts("\xE1", "z", 0x0409), 1);
}

TEST(Collation, UnknownLocaleComparesUnderTheRootRules)
{
    EXPECT_EQ(CompareLocaleTexts("a", "b", 0x9999), -1);
    EXPECT_EQ(CompareLocaleTexts("b", "b", 0x9999), 0);
}

} // namespace
} // namespace tankora

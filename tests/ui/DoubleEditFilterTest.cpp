// The numeric field's character filter on plain values: one table of
// (text, caret, character) -> accepted, and the field state after a typed
// character with and without a selection.
#include "ui/DoubleEditFilter.h"

#include <gtest/gtest.h>

using tankora::ApplyTypedChar;
using tankora::DoubleEditRules;
using tankora::EditState;
using tankora::IsValidChar;

namespace {

struct CharCase
{
    const char* what;
    const char16_t* text;
    qsizetype caret;
    char16_t ch;
    bool accepted;
};

const CharCase kCharCases[] = {
    { "digit into empty text", u"", 0, u'7', true },
    { "second separator", u"1.5", 3, u'.', false },
    { "second separator before the first", u"1.5", 0, u'.', false },
    { "separator after the exponent letter", u"1E5", 3, u'.', false },
    { "separator directly after the exponent letter", u"1E5", 2, u'.', false },
    { "separator before the exponent letter", u"15E3", 1, u'.', true },
    { "letter other than E", u"1", 1, u'x', false },
    { "blank", u"1", 1, u' ', false },
    { "comma when the separator is a point", u"1", 1, u',', false },
    { "E directly after the separator", u"1.", 2, u'E', false },
    { "E before the separator", u"1.5", 0, u'E', false },
    { "E after a digit after the separator", u"1.5", 3, u'E', true },
    { "E without a separator", u"15", 2, u'E', true },
    { "second E", u"1E5", 3, u'E', false },
    { "e after E (the search is case-sensitive)", u"1.5E", 4, u'e', true },
    { "minus between digits", u"12", 1, u'-', false },
    { "minus at the end of digits", u"12", 2, u'-', false },
    { "minus at the start", u"12", 0, u'-', true },
    { "minus at the start of a negative number", u"-12", 0, u'-', true },
    { "minus directly after E", u"1.5E", 4, u'-', true },
    { "plus directly after e", u"2e", 2, u'+', true },
    { "minus one place after E", u"1E5", 3, u'-', false },
    // With both letters present the lower-case one is the exponent.
    { "minus after e when an E comes first", u"1E2e", 4, u'-', true },
    { "minus after E when an e comes later", u"1E2e", 2, u'-', false },
    { "separator before e after E", u"1E2e", 3, u'.', true },
    { "backspace", u"12", 2, 8, true },
    { "tab", u"12", 1, 9, true },
    { "form feed", u"", 0, 12, true },
    { "enter", u"12", 2, 13, true },
    { "escape", u"12", 2, 27, true },
    { "copy shortcut", u"12", 2, 3, false },
    { "paste shortcut", u"12", 2, 22, false },
    { "non-ASCII letter", u"1", 1, u'\u00e9', false },
};

TEST(DoubleEditFilter, JudgesEachCharacterByTextAndCaret)
{
    const DoubleEditRules rules;
    for (const CharCase& c : kCharCases) {
        EXPECT_EQ(IsValidChar(QChar(c.ch), QString::fromUtf16(c.text), c.caret, rules), c.accepted)
            << c.what;
    }
}

TEST(DoubleEditFilter, UsesTheGivenDecimalSeparator)
{
    DoubleEditRules rules;
    rules.separator = u',';
    EXPECT_TRUE(IsValidChar(u',', u"1"_qs, 1, rules));
    EXPECT_FALSE(IsValidChar(u'.', u"1"_qs, 1, rules));
    EXPECT_FALSE(IsValidChar(u',', u"1,5"_qs, 3, rules));
    EXPECT_FALSE(IsValidChar(u'E', u"1,"_qs, 2, rules));
}

TEST(DoubleEditFilter, RestrictsDigitsAfterTheSeparatorOnly)
{
    DoubleEditRules rules;
    rules.restrictToDecimalPlaces = true;
    rules.decimalPlaces = 2;
    EXPECT_TRUE(IsValidChar(u'3', u"1.2"_qs, 3, rules));
    EXPECT_FALSE(IsValidChar(u'4', u"1.23"_qs, 4, rules));
    EXPECT_TRUE(IsValidChar(u'9', u"1.23"_qs, 0, rules));
    EXPECT_TRUE(IsValidChar(u'9', u"1.23"_qs, 1, rules));
    EXPECT_TRUE(IsValidChar(QChar(8), u"1.23"_qs, 4, rules));
}

TEST(DoubleEditFilter, ValidatesTheTextTheCharacterWouldProduce)
{
    DoubleEditRules rules;
    QString seen;
    rules.acceptsText = [&seen](const QString& text) {
        seen = text;
        bool ok = false;
        const double value = text.toDouble(&ok);
        return ok && value >= 0 && value <= 10;
    };
    EXPECT_TRUE(IsValidChar(u'1', u""_qs, 0, rules));
    EXPECT_FALSE(IsValidChar(u'1', u"1"_qs, 1, rules));
    EXPECT_FALSE(IsValidChar(u'-', u""_qs, 0, rules));
    EXPECT_TRUE(IsValidChar(u'0', u"5"_qs, 0, rules));
    EXPECT_EQ(seen, u"05"_qs); // inserted at the caret, not appended
}

struct ApplyCase
{
    const char* what;
    EditState before;
    char16_t ch;
    std::optional<EditState> after;
};

TEST(DoubleEditFilter, AppliesAcceptedCharactersAndKeepsTheTextOnRejection)
{
    const ApplyCase cases[] = {
        { "digit inserted at the caret", { u"12"_qs, 1, 0 }, u'5', EditState { u"152"_qs, 2, 0 } },
        { "digit replaces the selection", { u"1234"_qs, 1, 2 }, u'9',
            EditState { u"194"_qs, 2, 0 } },
        { "backspace deletes just the selection", { u"1234"_qs, 1, 2 }, 8,
            EditState { u"14"_qs, 1, 0 } },
        { "backspace deletes the character before the caret", { u"1234"_qs, 2, 0 }, 8,
            EditState { u"134"_qs, 1, 0 } },
        { "backspace at the start changes nothing", { u"12"_qs, 0, 0 }, 8,
            EditState { u"12"_qs, 0, 0 } },
        { "copy shortcut over a selection keeps it", { u"1234"_qs, 0, 4 }, 3, std::nullopt },
        { "rejected letter over a selection keeps it", { u"1234"_qs, 1, 2 }, u'x', std::nullopt },
        { "enter over a selection keeps it", { u"1234"_qs, 1, 2 }, 13,
            EditState { u"1234"_qs, 1, 2 } },
        { "validity judged without the selected separator", { u"1.5"_qs, 1, 2 }, u'.',
            EditState { u"1."_qs, 2, 0 } },
        { "second separator outside the selection", { u"1.5"_qs, 2, 1 }, u'.', std::nullopt },
    };
    const DoubleEditRules rules;
    for (const ApplyCase& c : cases) {
        const auto after = ApplyTypedChar(c.before, QChar(c.ch), rules);
        ASSERT_EQ(after.has_value(), c.after.has_value()) << c.what;
        if (after) {
            EXPECT_EQ(after->text, c.after->text) << c.what;
            EXPECT_EQ(after->selStart, c.after->selStart) << c.what;
            EXPECT_EQ(after->selLength, c.after->selLength) << c.what;
        }
    }
}

} // namespace

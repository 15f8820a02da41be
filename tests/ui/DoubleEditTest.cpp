// The numeric field as a real widget: typed keys, the mended selection
// handling, number text in both directions and the range hints.
#include "ui/DoubleEdit.h"

#include "QStringPrinter.h"
#include "SeparatorScope.h"

#include <QApplication>
#include <QClipboard>
#include <QTest>

#include <gtest/gtest.h>

#include <limits>

namespace {

class DoubleEditTest : public ::testing::Test
{
protected:
    SeparatorScope m_point { '.' };
    TDoubleEdit m_edit;
};

TEST_F(DoubleEditTest, TypingANumberWithExponentIsAcceptedThroughout)
{
    QTest::keyClicks(&m_edit, QStringLiteral("1.5E-3"));
    EXPECT_EQ(m_edit.text(), QStringLiteral("1.5E-3"));
    EXPECT_DOUBLE_EQ(m_edit.GetValue(), 0.0015);
}

TEST_F(DoubleEditTest, DropsCharactersThatBreakTheNumberShape)
{
    const struct
    {
        const char* typed;
        const char* shown;
    } cases[] = {
        { "1.5.", "1.5" }, // second separator
        { "1.E5", "1.5" }, // exponent directly after the separator
        { "1.5E5", "1.5E5" }, { "1a2b", "12" }, // letters
        { "1 2", "12" }, // blank
        { "1,5", "15" }, // not the separator in use
        { "1E5e", "1E5e" }, // the other exponent letter passes
        { "5-", "5" }, // sign after a digit
    };
    for (const auto& c : cases) {
        m_edit.clear();
        QTest::keyClicks(&m_edit, QString::fromLatin1(c.typed));
        EXPECT_EQ(m_edit.text(), QString::fromLatin1(c.shown)) << c.typed;
    }
}

TEST_F(DoubleEditTest, TakesASignOnlyAtTheStartOrAfterTheExponent)
{
    m_edit.setText(QStringLiteral("12"));
    m_edit.setCursorPosition(1);
    QTest::keyClick(&m_edit, Qt::Key_Minus);
    EXPECT_EQ(m_edit.text(), QStringLiteral("12"));
    QTest::keyClick(&m_edit, Qt::Key_Home);
    QTest::keyClick(&m_edit, Qt::Key_Minus);
    EXPECT_EQ(m_edit.text(), QStringLiteral("-12"));
    QTest::keyClick(&m_edit, Qt::Key_Home);
    QTest::keyClick(&m_edit, Qt::Key_Minus);
    EXPECT_EQ(m_edit.text(), QStringLiteral("--12"));
    QTest::keyClick(&m_edit, Qt::Key_End);
    QTest::keyClicks(&m_edit, QStringLiteral("e+4"));
    EXPECT_EQ(m_edit.text(), QStringLiteral("--12e+4"));
}

TEST_F(DoubleEditTest, BackspaceOverASelectionDeletesJustTheSelection)
{
    m_edit.setText(QStringLiteral("1234"));
    m_edit.setSelection(1, 2);
    QTest::keyClick(&m_edit, Qt::Key_Backspace);
    EXPECT_EQ(m_edit.text(), QStringLiteral("14"));
    EXPECT_EQ(m_edit.cursorPosition(), 1);
}

TEST_F(DoubleEditTest, RejectedKeysLeaveTextAndSelectionAsTheyWere)
{
    QApplication::clipboard()->setText(QStringLiteral("99"));
    m_edit.setText(QStringLiteral("1234"));
    m_edit.setSelection(1, 2);
    QTest::keyClick(&m_edit, Qt::Key_C, Qt::ControlModifier); // copy
    QTest::keyClick(&m_edit, Qt::Key_X, Qt::ControlModifier); // cut
    QTest::keyClick(&m_edit, Qt::Key_V, Qt::ControlModifier); // paste
    QTest::keyClick(&m_edit, Qt::Key_Q);
    QTest::keyClick(&m_edit, Qt::Key_Space);
    EXPECT_EQ(m_edit.text(), QStringLiteral("1234"));
    EXPECT_EQ(m_edit.selectedText(), QStringLiteral("23"));
    EXPECT_EQ(m_edit.selectionStart(), 1);
    EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("99"));
}

TEST_F(DoubleEditTest, KeysWithModifiersTypeNothing)
{
    // Alt+C once left "300c", which then read as 0; "e" and "5" would even
    // pass the filter, but a shortcut the window does not use types nothing.
    const struct
    {
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
    } shortcuts[] = {
        { Qt::Key_C, Qt::AltModifier },
        { Qt::Key_E, Qt::AltModifier },
        { Qt::Key_5, Qt::AltModifier },
        { Qt::Key_E, Qt::MetaModifier },
        { Qt::Key_5, Qt::ControlModifier | Qt::AltModifier },
        { Qt::Key_E, Qt::AltModifier | Qt::ShiftModifier },
        { Qt::Key_Period, Qt::AltModifier },
    };
    m_edit.setText(QStringLiteral("300"));
    for (const auto& shortcut : shortcuts) {
        QTest::keyClick(&m_edit, shortcut.key, shortcut.modifiers);
        EXPECT_EQ(m_edit.text(), QStringLiteral("300")) << shortcut.key;
        EXPECT_EQ(m_edit.GetValue(), 300.0);
    }
    // The same keys without the modifier still type.
    QTest::keyClicks(&m_edit, QStringLiteral(".5e"));
    EXPECT_EQ(m_edit.text(), QStringLiteral("300.5e"));
}

TEST_F(DoubleEditTest, AnAcceptedCharacterReplacesTheSelection)
{
    m_edit.setText(QStringLiteral("1.5"));
    m_edit.selectAll();
    QTest::keyClick(&m_edit, Qt::Key_Period); // judged on the text without the selection
    QTest::keyClicks(&m_edit, QStringLiteral("25"));
    EXPECT_EQ(m_edit.text(), QStringLiteral(".25"));
    EXPECT_DOUBLE_EQ(m_edit.GetValue(), 0.25);
}

TEST_F(DoubleEditTest, AFullFieldRefusesTheCharacterAndKeepsItsText)
{
    m_edit.SetMaxLength(3);
    m_edit.setText(QStringLiteral("123"));
    m_edit.setCursorPosition(0);
    QTest::keyClick(&m_edit, Qt::Key_9);
    EXPECT_EQ(m_edit.text(), QStringLiteral("123"));
    m_edit.setSelection(1, 1);
    QTest::keyClick(&m_edit, Qt::Key_9); // replacing keeps the length
    EXPECT_EQ(m_edit.text(), QStringLiteral("193"));
}

TEST_F(DoubleEditTest, ReadsUnreadableTextAsZero)
{
    for (const char* text : { "", ".", "abc", "1.5Ee", "1E", "-", "1E999" }) {
        m_edit.setText(QString::fromLatin1(text)); // as pasted or set by a program
        EXPECT_EQ(m_edit.GetValue(), 0.0) << text;
    }
}

TEST_F(DoubleEditTest, ShowsValuesWithTrailingZerosDropped)
{
    const struct
    {
        double value;
        const char* shown;
    } cases[] = {
        { 0.0, "0.0" },
        { 2.5, "2.5" },
        { 1.0 / 3.0, "0.333333333333333" },
        { -12.0, "-12.0" },
        { 1E101, "0.0" },
        { -1E101, "0.0" },
        { std::numeric_limits<double>::quiet_NaN(), "0.0" },
        { 1E100, "1E100" },
    };
    for (const auto& c : cases) {
        m_edit.SetValue(c.value);
        EXPECT_EQ(m_edit.text(), QString::fromLatin1(c.shown)) << c.value;
    }
}

TEST_F(DoubleEditTest, RestrictedFieldShowsAndTakesExactlyItsDecimals)
{
    m_edit.SetRestrictToDecimalPlaces(true);
    m_edit.SetDecimalPlaces(2);
    m_edit.SetValue(2.5);
    EXPECT_EQ(m_edit.text(), QStringLiteral("2.50"));
    m_edit.clear();
    QTest::keyClicks(&m_edit, QStringLiteral("1.234"));
    EXPECT_EQ(m_edit.text(), QStringLiteral("1.23"));
    QTest::keyClick(&m_edit, Qt::Key_Home);
    QTest::keyClick(&m_edit, Qt::Key_9);
    EXPECT_EQ(m_edit.text(), QStringLiteral("91.23"));
}

TEST_F(DoubleEditTest, FormatOptionsDoNotReformatTheShownText)
{
    m_edit.SetValue(2.5);
    m_edit.SetRestrictToDecimalPlaces(true);
    m_edit.SetDecimalPlaces(3);
    m_edit.SetValidate(true);
    EXPECT_EQ(m_edit.text(), QStringLiteral("2.5"));
}

TEST_F(DoubleEditTest, ShowsAtMostEighteenDecimals)
{
    m_edit.SetRestrictToDecimalPlaces(true);
    m_edit.SetDecimalPlaces(30);
    m_edit.SetValue(2.5);
    EXPECT_EQ(m_edit.text(), QStringLiteral("2.500000000000000000"));
    m_edit.SetDecimalPlaces(70000);
    EXPECT_EQ(m_edit.DecimalPlaces(), 65535);
}

TEST_F(DoubleEditTest, ValidatingFieldRefusesTextOutOfRange)
{
    m_edit.SetMaxValue(10);
    m_edit.SetValidate(true);
    QTest::keyClicks(&m_edit, QStringLiteral("11"));
    EXPECT_EQ(m_edit.text(), QStringLiteral("1"));
    m_edit.clear();
    QTest::keyClick(&m_edit, Qt::Key_Minus);
    EXPECT_EQ(m_edit.text(), QString());
}

TEST_F(DoubleEditTest, FollowsTheProcessDecimalSeparator)
{
    SeparatorScope comma(',');
    QTest::keyClicks(&m_edit, QStringLiteral("1.,5"));
    EXPECT_EQ(m_edit.text(), QStringLiteral("1,5"));
    EXPECT_DOUBLE_EQ(m_edit.GetValue(), 1.5);
    m_edit.SetValue(0.25);
    EXPECT_EQ(m_edit.text(), QStringLiteral("0,25"));
}

TEST_F(DoubleEditTest, HintNamesTheRange)
{
    const struct
    {
        double minValue;
        double maxValue;
        const char* hint;
    } cases[] = {
        { 0, 1E100, "Use any value between 0 to 1E100" },
        { 0, 1E200, "Any positive value can be entered" },
        { -1E200, 1E200, "Any value can be entered" },
        { -5, -1, "Any negative value can be entered" },
        { 2.5, 7, "Use any value between 2.5 to 7" },
    };
    for (const auto& c : cases) {
        TDoubleEdit edit;
        // Widen first so that neither bound is refused on the way.
        edit.SetMaxValue(1E300);
        edit.SetMinValue(-1E300);
        edit.SetMinValue(c.minValue);
        edit.SetMaxValue(c.maxValue);
        EXPECT_EQ(edit.Hint(), QString::fromLatin1(c.hint)) << c.hint;
    }
}

TEST_F(DoubleEditTest, BoundsThatWouldCrossAreIgnored)
{
    m_edit.SetMaxValue(-1);
    EXPECT_EQ(m_edit.MaxValue(), 1E100);
    m_edit.SetMinValue(2E100);
    EXPECT_EQ(m_edit.MinValue(), 0.0);
}

TEST_F(DoubleEditTest, InactiveHintIsEmpty)
{
    m_edit.SetActiveHint(false);
    EXPECT_TRUE(m_edit.Hint().isEmpty());
    EXPECT_FALSE(m_edit.EffectiveShowHint());
    m_edit.SetMaxValue(1E200); // a bound change builds no hint while inactive
    m_edit.SetMinValue(-1E200);
    EXPECT_TRUE(m_edit.Hint().isEmpty());
    m_edit.SetMinValue(0);
    m_edit.SetMaxValue(1E100);
    m_edit.SetActiveHint(true);
    EXPECT_EQ(m_edit.Hint(), QStringLiteral("Use any value between 0 to 1E100"));
    EXPECT_TRUE(m_edit.EffectiveShowHint());
}

} // namespace

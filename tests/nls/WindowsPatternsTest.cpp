#include "nls/WindowsPatterns_p.h"

#include <gtest/gtest.h>

namespace tankora {
namespace {

struct PatternCase
{
    std::u16string_view icu;
    std::u16string_view windows;
};

TEST(WindowsPatterns, IcuDatePatternsBecomeWindowsPatterns)
{
    const PatternCase cases[] = {
        { u"dd.MM.yy", u"dd.MM.yy" },
        { u"M/d/y", u"M/d/yyyy" },
        { u"EEEE, d. MMMM y", u"dddd, d. MMMM yyyy" },
        { u"EEE, MMM d, yyyy", u"ddd, MMM d, yyyy" },
        { u"cccc LLLL", u"dddd MMMM" },
        { u"h:mm:ss a", u"h:mm:ss tt" },
        { u"h:mm:ss\u202Fa", u"h:mm:ss tt" },
        { u"HH:mm:ss zzzz", u"HH:mm:ss" },
        { u"Bh:mm", u"tth:mm" },
        { u"K:mm a", u"h:mm tt" },
        { u"kk:mm", u"HH:mm" },
        { u"d\u200F/M\u200F/y", u"d/M/yyyy" },
        { u"EEEE, d 'de' MMMM 'de' y", u"dddd, d' de 'MMMM' de 'yyyy" },
        { u"EEEE, d MMMM y '\u0433'.", u"dddd, d MMMM yyyy \u0433." },
        { u"h 'o''clock' a", u"h' o''clock 'tt" },
        { u"y\u5E74M\u6708d\u65E5", u"yyyy\u5E74M\u6708d\u65E5" },
        { u"G y", u"gg yyyy" },
        { u"HH:mm:ss.SSS", u"HH:mm:ss." },
    };
    for (const auto& c : cases) {
        EXPECT_EQ(WindowsDatePattern(c.icu), c.windows);
    }
}

TEST(WindowsPatterns, SeparatorFollowsTheFirstField)
{
    EXPECT_EQ(SeparatorAfterField(u"dd.MM.yyyy", u"dMy"), u'.');
    EXPECT_EQ(SeparatorAfterField(u"yyyy/MM/dd", u"dMy"), u'/');
    EXPECT_EQ(SeparatorAfterField(u"tt h:mm:ss", u"hH"), u':');
    EXPECT_EQ(SeparatorAfterField(u"HH'h'mm", u"hH"), u'h');
    EXPECT_EQ(SeparatorAfterField(u"yyyy", u"dMy"), u'\0');
    EXPECT_EQ(SeparatorAfterField(u"tt", u"hH"), u'\0');
}

TEST(WindowsPatterns, BidiMarksAreRemoved)
{
    EXPECT_EQ(WithoutBidiMarks(u"\u200F\u0631.\u0633.\u200E\u061C"), u"\u0631.\u0633.");
}

struct CurrencyCase
{
    std::u16string_view pattern;
    int positive;
    int negative;
};

TEST(WindowsPatterns, CurrencyPatternsGiveWindowsFormatCodes)
{
    const CurrencyCase cases[] = {
        { u"\u00A4#,##0.00", 0, 1 },
        { u"#,##0.00\u00A0\u00A4", 3, 8 },
        { u"\u00A4\u00A0#,##0.00", 2, 9 },
        { u"#,##0.00\u00A4", 1, 5 },
        { u"\u00A4#,##0.00;(\u00A4#,##0.00)", 0, 0 },
        { u"\u00A4 #,##0.00;\u00A4 -#,##0.00", 2, 12 },
        { u"\u200F#,##0.00\u00A0\u00A4;\u200F-#,##0.00\u00A0\u00A4", 3, 8 },
        { u"#,##0.00 \u00A4;(#,##0.00 \u00A4)", 3, 15 },
        { u"\u00A4#,##0.00;\u00A4#,##0.00-", 0, 3 },
    };
    for (const auto& c : cases) {
        EXPECT_EQ(PositiveCurrencyFormatCode(c.pattern), c.positive);
        EXPECT_EQ(NegativeCurrencyFormatCode(c.pattern), c.negative);
    }
}

} // namespace
} // namespace tankora

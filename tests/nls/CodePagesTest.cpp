#include "nls/CodePages.h"

#include "nls/GuiText.h"
#include "nls/Nls.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace tankora {
namespace {

struct Sample
{
    int codePage;
    std::u16string text; // characters the code page holds
    std::string expected; // their bytes, where a fixed value is known
};

// One sample per code page of the Windows character sets, with bytes Windows gives.
const Sample kSamples[] = {
    { 1252, u"Gr\u00FC\u00DFe \u20AC",
        "Gr\xFC\xDF"
        "e \x80" },
    { 1250, u"\u0158\u00ED\u0161e \u0142",
        "\xD8\xED\x9A"
        "e \xB3" },
    { 1251, u"\u041F\u0440\u0438\u0432\u0435\u0442", "\xCF\xF0\xE8\xE2\xE5\xF2" },
    { 1253, u"\u0391\u03B8\u03AE\u03BD\u03B1", "\xC1\xE8\xDE\xED\xE1" },
    { 1254, u"\u0130stanbul \u011F", "\xDDstanbul \xF0" },
    { 1255, u"\u05E9\u05DC\u05D5\u05DD", "\xF9\xEC\xE5\xED" },
    { 1256, u"\u0633\u0644\u0627\u0645", "\xD3\xE1\xC7\xE3" },
    { 1257, u"\u0160iauliai \u0101", "\xD0iauliai \xE2" },
    { 1258, u"Vi\u00EA\u0323t", "Vi\xEA\xF2t" }, // 1258 writes Vietnamese with combining marks
    { 874, u"\u0E2A\u0E27\u0E31\u0E2A\u0E14\u0E35", "\xCA\xC7\xD1\xCA\xB4\xD5" },
    { 932, u"\u65E5\u672C\u8A9E \uFF76\uFF85", "\x93\xFA\x96\x7B\x8C\xEA \xB6\xC5" },
    { 936, u"\u4E2D\u6587", "\xD6\xD0\xCE\xC4" },
    { 949, u"\uD55C\uAD6D\uC5B4", "\xC7\xD1\xB1\xB9\xBE\xEE" },
    { 950, u"\u4E2D\u6587", "\xA4\xA4\xA4\xE5" },
    { 1361, u"\uD55C\uAD6D\uC5B4", "\xD0\x65\x8A\x82\xB4\xE1" },
};

TEST(CodePages, EachCharacterSetCodePageRoundTrips)
{
    for (const auto& sample : kSamples) {
        const std::string bytes = EncodeToCodePage(sample.text, sample.codePage);
        if (!sample.expected.empty()) {
            EXPECT_EQ(bytes, sample.expected) << sample.codePage;
        }
        EXPECT_EQ(DecodeFromCodePage(bytes, sample.codePage), sample.text) << sample.codePage;
        EXPECT_TRUE(IsCodePageSupported(sample.codePage)) << sample.codePage;
    }
}

TEST(CodePages, UnmappableCharactersBecomeQuestionMarks)
{
    EXPECT_EQ(EncodeToCodePage(u"a\u4E2Db", 1252), "a?b");
    EXPECT_EQ(EncodeToCodePage(u"\u0416", 1250), "?");
    EXPECT_EQ(EncodeToCodePage(u"x\u0416y", 932).size(), 4u); // Zhe exists in 932 as two bytes
    EXPECT_EQ(EncodeToCodePage(u"a\u0E01b", 932), "a?b");
    EXPECT_EQ(EncodeToCodePage(u"a\u0E01b", 1361), "a?b");
    // A character outside the BMP is one "?", not two.
    EXPECT_EQ(EncodeToCodePage(u"a\U0001F600b", 1252), "a?b");
    EXPECT_EQ(EncodeToCodePage(u"a\U0001F600b", 1361), "a?b");
}

TEST(CodePages, UnpairedSurrogatesBecomeQuestionMarks)
{
    const std::u16string lone { u'a', char16_t(0xD800), u'b' };
    EXPECT_EQ(EncodeToCodePage(lone, 1252), "a?b");
    EXPECT_EQ(EncodeToCodePage(lone, 1361), "a?b");
    const std::u16string trailing { u'a', char16_t(0xDBFF) };
    EXPECT_EQ(EncodeToCodePage(trailing, 1361), "a?");
}

TEST(CodePages, InvalidBytesDecodeToReplacementCharacters)
{
    // A lead byte without its trail byte.
    EXPECT_EQ(DecodeFromCodePage("a\x93", 932), u"a\uFFFD");
    EXPECT_EQ(DecodeFromCodePage("a\xFF", 1361).front(), u'a');
}

TEST(CodePages, EmptyTextsStayEmpty)
{
    EXPECT_EQ(EncodeToCodePage(u"", 1252), "");
    EXPECT_EQ(DecodeFromCodePage("", 1361), u"");
}

TEST(CodePages, CodePageZeroIsTheActiveOne)
{
    ScopedMachineLocale machine({ 0x0409, 0x0419, std::nullopt });
    EXPECT_EQ(EncodeToCodePage(u"\u041F", 0), "\xCF");
    EXPECT_EQ(DecodeFromCodePage("\xCF", 0), u"\u041F");
    EXPECT_TRUE(IsCodePageSupported(0));
}

TEST(CodePages, UnsupportedCodePagesAreRefused)
{
    EXPECT_FALSE(IsCodePageSupported(12345));
    EXPECT_FALSE(IsCodePageSupported(-1));
    EXPECT_THROW(EncodeToCodePage(u"a", 12345), UnsupportedCodePage);
    try {
        DecodeFromCodePage("a", 4242);
        FAIL() << "no exception";
    } catch (const UnsupportedCodePage& error) {
        EXPECT_EQ(error.CodePage(), 4242);
        EXPECT_STREQ(error.what(), "Code page 4242 is not supported");
    }
}

TEST(CodePages, SupportedListHoldsTheWindowsAnsiCodePages)
{
    const auto& codePages = SupportedCodePages();
    EXPECT_TRUE(std::is_sorted(codePages.begin(), codePages.end()));
    for (const int codePage : { 874, 932, 936, 949, 950, 1250, 1251, 1252, 1253, 1254, 1255, 1256,
             1257, 1258, 1361, 437, 850, 65001 }) {
        EXPECT_TRUE(std::binary_search(codePages.begin(), codePages.end(), codePage)) << codePage;
    }
}

TEST(GuiText, QStringsMeetTheActiveCodePage)
{
    ScopedMachineLocale machine({ 0x0407, 0x0407, 1252 });
    EXPECT_EQ(AnsiToQString("Gr\xFC\xDF"
                            "e \x80"),
        QString::fromUtf8("Grüße €"));
    EXPECT_EQ(QStringToAnsi(QString::fromUtf8("Grüße € 中")),
        "Gr\xFC\xDF"
        "e \x80 ?");
    ScopedMachineLocale japanese({ 0x0411, 0x0411, 932 });
    EXPECT_EQ(AnsiToQString("\x93\xFA\x96\x7B"), QString::fromUtf8("日本"));
}

// ASCII texts skip the converter where the active code page keeps them as
// they are; in every code page they must come out as the converter gives them.
TEST(GuiText, AsciiTextsComeOutAsTheConverterGivesThemInEveryCodePage)
{
    std::string everyAscii(0x80, '\0');
    for (std::size_t i = 0; i < everyAscii.size(); ++i)
        everyAscii[i] = static_cast<char>(i);
    const std::string texts[] = { "Volume of the tank", "a\\b~c [m3]", everyAscii };
    for (const int codePage : SupportedCodePages()) {
        ScopedMachineLocale machine({ 0x0409, 0x0409, codePage });
        for (const std::string& text : texts) {
            const std::u16string wide = DecodeFromCodePage(text, codePage);
            EXPECT_EQ(AnsiToQString(text),
                QString::fromUtf16(wide.data(), static_cast<qsizetype>(wide.size())))
                << codePage;
            const std::u16string ascii(text.begin(), text.end());
            EXPECT_EQ(QStringToAnsi(
                          QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()))),
                EncodeToCodePage(ascii, codePage))
                << codePage;
        }
    }
}

} // namespace
} // namespace tankora

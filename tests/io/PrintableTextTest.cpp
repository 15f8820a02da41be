// Texts from files shown on one line of a terminal, a message or a PO comment.

#include "io/PrintableText.h"

#include <gtest/gtest.h>

using tankora::io::Printable;

namespace {

TEST(PrintableText, EscapesWhatCouldMoveTheCursorOrStartALine)
{
    EXPECT_EQ(Printable("a\nmsgid \"x\""), "a\\nmsgid \"x\"");
    EXPECT_EQ(Printable("\x1b[2J\r\t"), "\\e[2J\\r\\t");
    EXPECT_EQ(Printable(std::string("cut\0here", 8)), "cut\\0here");
    EXPECT_EQ(Printable("\x7f\x01"), "\\x7F\\x01");
    // C1 controls (CSI is U+009B) as escapes too.
    EXPECT_EQ(Printable("\xc2\x9b"
                        "31m\xc2\x85"),
        "\\u009B31m\\u0085");
}

TEST(PrintableText, KeepsEveryPrintableCharacterAndShowsBrokenUtf8AsBytes)
{
    EXPECT_EQ(Printable("Größe 日本 العربية \xc2\xa0 😀 \\n"), "Größe 日本 العربية \xc2\xa0 😀 \\n");
    EXPECT_EQ(Printable("\xff\xc3"), "\\xFF\\xC3");
    EXPECT_EQ(Printable("\xe6\x97"), "\\xE6\\x97") << "a sequence cut short";
    EXPECT_EQ(Printable("\xc0\xaf"), "\\xC0\\xAF") << "an overlong slash";
    EXPECT_EQ(Printable("\xed\xa0\x80"), "\\xED\\xA0\\x80") << "a surrogate";
}

} // namespace

#include "framework/layout/FormText.h"
#include "MessageOf.h"
#include "framework/streams/MemoryStream.h"

#include <gtest/gtest.h>

namespace {

QByteArray Binary(std::string_view text)
{
    TMemoryStream out;
    FormTextToBinary(text, out);
    return out.Bytes();
}

std::string Text(const QByteArray& bytes)
{
    TMemoryStream in(bytes);
    return FormBinaryToText(in);
}

std::string ParseError(std::string_view text)
{
    return MessageOf<EParserError>([&] { Binary(text); });
}

} // namespace

TEST(FormText, TargetsDataListGivesTheTranslatorsBytes)
{
    const QByteArray bytes
        = Binary("object F: TForm\n"
                 "  TargetsData = (1 3 ('' 'Hint' 0) ('' 'Caption' 0) ('' 'Items' 0))\n"
                 "end\n");
    const QByteArray value = QByteArray::fromHex("01020102030106000604") + "Hint"
        + QByteArray::fromHex("0200000106000607") + "Caption"
        + QByteArray::fromHex("0200000106000605") + "Items" + QByteArray::fromHex("02000000");
    EXPECT_EQ(bytes,
        QByteArray("TPF0\x05TForm\x01"
                   "F\x0bTargetsData")
            + value + QByteArray(2, '\0'));
}

TEST(FormText, StringsJoinPiecesAndCharacterCodes)
{
    const QByteArray bytes = Binary("object F: TForm\n S = 'it''s'#13#10 +\n 'x'\nend");
    EXPECT_TRUE(bytes.contains(QByteArray("\x06\x07it's\r\nx")));
    EXPECT_NE(Text(bytes).find("S = 'it''s'#13#10'x'"), std::string::npos);
    // A string over 255 characters becomes a long string.
    const QByteArray longer = Binary("object F: TForm\n S = '" + std::string(256, 'a') + "'\nend");
    EXPECT_TRUE(longer.contains(QByteArray("\x0c\x00\x01\x00\x00", 5)));
}

TEST(FormText, BinaryToTextAndBackIsTheSameBinary)
{
    const QByteArray bytes = Binary(R"(inline Root: TForm [2]
  I = -70000
  R = 1.5E-3
  B = True
  N = nil
  Id = clBtnFace
  Set = [fsBold, fsItalic]
  Empty = []
  Data = {00FF10}
  Items.Strings = ('a' 'b')
  Panels = <
    item [3]
      Width = 50
    end
    item
    end>
  object Child: TLabel
    Caption = #1'x'#255
  end
  inherited TPanel
  end
end)");
    EXPECT_EQ(Binary(Text(bytes)), bytes);
}

TEST(FormText, SyntaxErrorsNameTheLine)
{
    EXPECT_EQ(ParseError("object F: TForm\n  A = \nend"), "Line 3: value expected");
    EXPECT_EQ(ParseError("object F: TForm\n  A = 'open\nend"), "Line 2: unterminated string");
    EXPECT_EQ(ParseError("object F: TForm\n  A = 1\n"), "Line 3: 'end' expected");
    EXPECT_EQ(ParseError("thing F: TForm end"), "Line 1: 'object' expected");
    EXPECT_EQ(ParseError("object F: TForm A = #300 end"), "Line 1: character code out of range");
    EXPECT_EQ(ParseError("object F: TForm A = 99999999999 end"), "Line 1: integer out of range");
    EXPECT_EQ(ParseError("object F: TForm A = {0} end"), "Line 1: odd number of hex digits");
    EXPECT_EQ(
        ParseError("object F: TForm A = --9223372036854775808 end"), "Line 1: number expected");
    EXPECT_EQ(ParseError("object F: TForm end end"), "Line 1: text after the last 'end'");
    std::string deep = "object F: TForm A = ";
    deep += std::string(1000, '(');
    EXPECT_EQ(ParseError(deep), "Line 1: values nested too deeply");
}

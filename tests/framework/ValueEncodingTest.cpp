#include "MessageOf.h"
#include "framework/core/Exceptions.h"
#include "framework/layout/Reader.h"
#include "framework/layout/Writer.h"
#include "framework/streams/MemoryStream.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>

namespace {

QByteArray Encode(const std::function<void(TWriter&)>& write)
{
    TMemoryStream stream;
    TWriter writer(stream);
    write(writer);
    return stream.Bytes();
}

std::string FailureOf(const std::function<void()>& action)
{
    return MessageOf<Exception>(action);
}

constexpr int kSentinel = 0x5A;

} // namespace

struct TSkipCase
{
    const char* kind;
    std::function<void(TWriter&)> write;
};

class SkipValue : public ::testing::TestWithParam<TSkipCase>
{ };

// Each value followed by a sentinel: SkipValue must stop exactly at it.
TEST_P(SkipValue, StopsRightAfterTheValue)
{
    const QByteArray bytes = Encode([](TWriter& w) {
        GetParam().write(w);
        w.WriteInteger(kSentinel);
    });
    TMemoryStream stream(bytes);
    TReader reader(stream);
    reader.SkipValue();
    EXPECT_EQ(reader.ReadInteger(), kSentinel);
    EXPECT_EQ(stream.Remaining(), 0);
}

// Every proper prefix of the value is a truncated stream.
TEST_P(SkipValue, TruncatedValueRaisesStreamReadError)
{
    const QByteArray bytes = Encode(GetParam().write);
    for (qsizetype length = 0; length < bytes.size(); ++length) {
        TMemoryStream stream(bytes.left(length));
        TReader reader(stream);
        EXPECT_EQ(FailureOf([&] { reader.SkipValue(); }), "Stream read error")
            << GetParam().kind << " cut at " << length;
    }
}

INSTANTIATE_TEST_SUITE_P(EveryKind, SkipValue,
    ::testing::Values(TSkipCase { "null", [](TWriter& w) { w.WriteValue(TValueType::vaNull); } },
        TSkipCase { "nested list",
            [](TWriter& w) {
                w.WriteListBegin();
                w.WriteInteger(1);
                w.WriteListBegin();
                w.WriteString("Hint");
                w.WriteListEnd();
                w.WriteListEnd();
            } },
        TSkipCase { "int8", [](TWriter& w) { w.WriteInteger(-3); } },
        TSkipCase { "int16", [](TWriter& w) { w.WriteInteger(1000); } },
        TSkipCase { "int32", [](TWriter& w) { w.WriteInteger(100000); } },
        TSkipCase { "extended", [](TWriter& w) { w.WriteFloat(2.5); } },
        TSkipCase { "string", [](TWriter& w) { w.WriteString("Caption"); } },
        TSkipCase { "ident", [](TWriter& w) { w.WriteIdent("clBtnFace"); } },
        TSkipCase { "false", [](TWriter& w) { w.WriteBoolean(false); } },
        TSkipCase { "true", [](TWriter& w) { w.WriteBoolean(true); } },
        TSkipCase {
            "binary over one chunk", [](TWriter& w) { w.WriteBinary(QByteArray(700, 'b')); } },
        TSkipCase { "set",
            [](TWriter& w) {
                w.WriteSet({ "fsBold", "fsItalic" });
            } },
        TSkipCase { "long string", [](TWriter& w) { w.WriteString(std::string(300, 's')); } },
        TSkipCase { "nil", [](TWriter& w) { w.WriteIdent("nil"); } },
        TSkipCase { "collection",
            [](TWriter& w) {
                w.WriteValue(TValueType::vaCollection);
                w.WriteInteger(0); // with an index
                w.WriteListBegin();
                w.WriteStr("Width");
                w.WriteInteger(50);
                w.WriteListEnd();
                w.WriteListBegin(); // without one
                w.WriteStr("Text");
                w.WriteString("x");
                w.WriteListEnd();
                w.WriteListEnd();
            } },
        TSkipCase { "high bit ignored",
            [](TWriter& w) {
                w.WriteValue(static_cast<TValueType>(0x86)); // short string
                w.WriteStr("ab");
            } }),
    [](const auto& instance) {
        std::string name = instance.param.kind;
        for (char& c : name)
            if (!std::isalnum(static_cast<unsigned char>(c)))
                c = '_';
        return name;
    });

TEST(ValueEncoding, UnknownKindHasNoPayloadToSkipButIsNoValueToRead)
{
    TMemoryStream stream(QByteArray("\x30\x02\x05", 3));
    TReader reader(stream);
    reader.SkipValue();
    EXPECT_EQ(reader.ReadInteger(), 5);
    stream.SetPosition(0);
    EXPECT_EQ(FailureOf([&] { reader.ReadInteger(); }), "Invalid property value");
    stream.SetPosition(0);
    EXPECT_EQ(FailureOf([&] { reader.ReadString(); }), "Invalid property value");
}

TEST(ValueEncoding, LengthsPastTheEndFailWithoutReadingOrAllocating)
{
    for (const TValueType kind : { TValueType::vaLString, TValueType::vaBinary }) {
        QByteArray bytes(1, static_cast<char>(kind));
        bytes.append("\xFF\xFF\xFF\x7F"
                     "abc",
            7);
        TMemoryStream stream(bytes);
        TReader reader(stream);
        EXPECT_EQ(FailureOf([&] {
            if (kind == TValueType::vaLString)
                reader.ReadString();
            else
                reader.ReadBinary();
        }),
            "Stream read error");
    }
    TMemoryStream shortString(QByteArray("\x06\x09"
                                         "Hint",
        6));
    TReader reader(shortString);
    EXPECT_EQ(FailureOf([&] { reader.ReadString(); }), "Stream read error");
}

TEST(ValueEncoding, NestingDeeperThanTheCapIsRefusedWithoutExhaustingTheStack)
{
    QByteArray bytes(100000, static_cast<char>(TValueType::vaList));
    TMemoryStream stream(bytes);
    TReader reader(stream);
    EXPECT_EQ(FailureOf([&] { reader.SkipValue(); }), "Invalid stream format");
}

TEST(ValueEncoding, WrongSignatureIsAnInvalidStreamFormat)
{
    for (const char* bytes : { "TPF1", "TPF", "", "tpf0" }) {
        TMemoryStream stream { QByteArray(bytes) };
        TReader reader(stream);
        EXPECT_EQ(FailureOf([&] { reader.ReadSignature(); }), "Invalid stream format") << bytes;
    }
}

TEST(ValueEncoding, IntegersTakeTheSmallestKind)
{
    const std::pair<int32_t, uint8_t> cases[] = { { 0, 2 }, { 127, 2 }, { -128, 2 }, { 128, 3 },
        { -129, 3 }, { 32767, 3 }, { 32768, 4 }, { INT32_MIN, 4 } };
    for (const auto& [value, kind] : cases) {
        const QByteArray bytes = Encode([value](TWriter& w) { w.WriteInteger(value); });
        EXPECT_EQ(static_cast<uint8_t>(bytes[0]), kind) << value;
        TMemoryStream stream(bytes);
        EXPECT_EQ(TReader(stream).ReadInteger(), value);
    }
}

TEST(ValueEncoding, ValuesRoundTrip)
{
    const double reals[] = { 0.0, 1.5, -0.1, 1e100, 5e-324, -1e-300 };
    const QByteArray bytes = Encode([&](TWriter& w) {
        for (double real : reals)
            w.WriteFloat(real);
        w.WriteString(std::string(256, 'x'));
        w.WriteString("");
        w.WriteChar('.');
        w.WriteBoolean(true);
        w.WriteIdent("alBottom");
        w.WriteIdent("False");
        w.WriteSet({});
        w.WriteBinary(QByteArray("\0\1", 2));
    });
    TMemoryStream stream(bytes);
    TReader r(stream);
    for (double real : reals)
        EXPECT_EQ(r.ReadFloat(), real);
    EXPECT_EQ(r.ReadString(), std::string(256, 'x'));
    EXPECT_EQ(r.ReadString(), "");
    EXPECT_EQ(r.ReadChar(), '.');
    EXPECT_TRUE(r.ReadBoolean());
    EXPECT_EQ(r.ReadIdent(), "alBottom");
    EXPECT_EQ(r.ReadIdent(), "False");
    EXPECT_TRUE(r.ReadSet().empty());
    EXPECT_EQ(r.ReadBinary(), QByteArray("\0\1", 2));
    EXPECT_EQ(stream.Remaining(), 0);
}

TEST(ValueEncoding, ExtendedRealsHaveTheTenByteLayout)
{
    // 1.0: mantissa 0x8000000000000000, exponent 0x3FFF.
    const QByteArray bytes = Encode([](TWriter& w) { w.WriteFloat(1.0); });
    EXPECT_EQ(bytes.toHex(), QByteArray("050000000000000080ff3f"));
    // -2.0: exponent 0x4000 with the sign bit.
    EXPECT_EQ(Encode([](TWriter& w) { w.WriteFloat(-2.0); }).toHex(),
        QByteArray("05000000000000008000c0"));
}

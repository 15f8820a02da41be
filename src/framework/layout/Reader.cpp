#include "framework/layout/Reader.h"

#include "framework/app/ResStrings.h"
#include "framework/core/Exceptions.h"
#include "framework/streams/Stream.h"
#include "nls/ByteOrder.h"
#include "nls/GuiText.h"

#include <array>
#include <cmath>
#include <cstring>

namespace {

// The 10-byte x87 extended format: 64-bit mantissa with explicit integer
// bit, 15-bit exponent biased by 16383, sign bit.
double ExtendedToDouble(const uint8_t* bytes)
{
    const uint64_t mantissa = tankora::LoadInteger<uint64_t>(bytes);
    const uint16_t signExponent = tankora::LoadInteger<uint16_t>(bytes + 8);
    const bool negative = (signExponent & 0x8000) != 0;
    const int exponent = signExponent & 0x7FFF;
    double value;
    if (exponent == 0x7FFF)
        value = (mantissa << 1) == 0 ? INFINITY : NAN;
    else
        value = std::ldexp(static_cast<double>(mantissa), exponent - 16383 - 63);
    return negative ? -value : value;
}

} // namespace

// Counts one level of nesting for as long as it lives.
class TReader::TDepth
{
public:
    explicit TDepth(TReader& reader)
        : m_reader(reader)
    {
        if (++m_reader.m_depth > kMaxNestingDepth) {
            --m_reader.m_depth;
            throw EReadError(LoadResString(SInvalidImage));
        }
    }
    ~TDepth() { --m_reader.m_depth; }
    TDepth(const TDepth&) = delete;
    TDepth& operator=(const TDepth&) = delete;

private:
    TReader& m_reader;
};

void TReader::PropertyValueError()
{
    throw EReadError(LoadResString(SInvalidPropertyValue));
}

uint8_t TReader::ReadByte()
{
    uint8_t byte;
    m_stream.ReadBuffer(&byte, 1);
    return byte;
}

void TReader::CheckAvailable(int64_t length)
{
    if (length < 0 || length > m_stream.Remaining())
        throw EReadError();
}

std::string TReader::ReadChars(int64_t length)
{
    CheckAvailable(length);
    std::string text(static_cast<size_t>(length), '\0');
    m_stream.ReadBuffer(text.data(), length);
    return text;
}

void TReader::SkipBytes(int64_t length)
{
    // In chunks, so that a length running past the end fails as a read.
    std::array<char, 256> chunk;
    while (length > 0) {
        const int64_t n = std::min<int64_t>(length, static_cast<int64_t>(chunk.size()));
        m_stream.ReadBuffer(chunk.data(), n);
        length -= n;
    }
}

void TReader::ReadSignature()
{
    char signature[4];
    if (m_stream.Read(signature, 4) != 4 || std::memcmp(signature, "TPF0", 4) != 0)
        throw EReadError(LoadResString(SInvalidImage));
}

TObjectHeader TReader::ReadObjectHeader()
{
    TObjectHeader header;
    const auto next = static_cast<uint8_t>(NextValue());
    if ((next & 0xF0) == 0xF0) {
        header.flags = ReadByte() & 0x0F;
        if (header.flags & ffChildPos)
            header.childPos = ReadInteger();
    }
    header.className = ReadStr();
    header.objectName = ReadStr();
    return header;
}

TValueType TReader::NextValue()
{
    const TValueType kind = ReadValue();
    m_stream.Seek(-1, TSeekOrigin::soCurrent);
    return kind;
}

TValueType TReader::ReadValue()
{
    return static_cast<TValueType>(ReadByte());
}

void TReader::ReadListBegin()
{
    if (ReadValue() != TValueType::vaList)
        PropertyValueError();
}

void TReader::ReadListEnd()
{
    if (ReadValue() != TValueType::vaNull)
        PropertyValueError();
}

int32_t TReader::ReadInteger()
{
    uint8_t bytes[4];
    switch (ReadValue()) {
    case TValueType::vaInt8:
        m_stream.ReadBuffer(bytes, 1);
        return static_cast<int8_t>(bytes[0]);
    case TValueType::vaInt16:
        m_stream.ReadBuffer(bytes, 2);
        return tankora::LoadInteger<int16_t>(bytes);
    case TValueType::vaInt32:
        m_stream.ReadBuffer(bytes, 4);
        return tankora::LoadInteger<int32_t>(bytes);
    default:
        PropertyValueError();
    }
}

bool TReader::ReadBoolean()
{
    const TValueType kind = ReadValue();
    if (kind != TValueType::vaFalse && kind != TValueType::vaTrue)
        PropertyValueError();
    return kind == TValueType::vaTrue;
}

char TReader::ReadChar()
{
    if (ReadValue() != TValueType::vaString || ReadByte() != 1)
        PropertyValueError();
    return static_cast<char>(ReadByte());
}

std::string TReader::ReadString()
{
    switch (ReadValue()) {
    case TValueType::vaString:
        return ReadChars(ReadByte());
    case TValueType::vaLString: {
        uint8_t bytes[4];
        m_stream.ReadBuffer(bytes, 4);
        return ReadChars(tankora::LoadInteger<uint32_t>(bytes));
    }
    default:
        PropertyValueError();
    }
}

QString TReader::ReadQString()
{
    return tankora::AnsiToQString(ReadString());
}

std::string TReader::ReadIdent()
{
    switch (ReadValue()) {
    case TValueType::vaIdent:
        return ReadChars(ReadByte());
    case TValueType::vaFalse:
        return "False";
    case TValueType::vaTrue:
        return "True";
    case TValueType::vaNil:
        return "nil";
    case TValueType::vaNull:
        return "Null";
    default:
        PropertyValueError();
    }
}

double TReader::ReadFloat()
{
    const TValueType kind = NextValue();
    if (kind == TValueType::vaInt8 || kind == TValueType::vaInt16 || kind == TValueType::vaInt32)
        return ReadInteger();
    if (ReadValue() != TValueType::vaExtended)
        PropertyValueError();
    uint8_t bytes[10];
    m_stream.ReadBuffer(bytes, 10);
    return ExtendedToDouble(bytes);
}

std::vector<std::string> TReader::ReadSet()
{
    if (ReadValue() != TValueType::vaSet)
        PropertyValueError();
    std::vector<std::string> names;
    // Each name takes at least one byte, so the loop ends with the data.
    for (std::string name = ReadStr(); !name.empty(); name = ReadStr())
        names.push_back(std::move(name));
    return names;
}

QByteArray TReader::ReadBinary()
{
    if (ReadValue() != TValueType::vaBinary)
        PropertyValueError();
    uint8_t bytes[4];
    m_stream.ReadBuffer(bytes, 4);
    const std::string data = ReadChars(tankora::LoadInteger<uint32_t>(bytes));
    return QByteArray(data.data(), static_cast<qsizetype>(data.size()));
}

std::string TReader::ReadStr()
{
    return ReadChars(ReadByte());
}

void TReader::SkipValue()
{
    const uint8_t kind = ReadByte() & 0x7F;
    uint8_t bytes[4];
    switch (static_cast<TValueType>(kind)) {
    case TValueType::vaList: {
        TDepth depth(*this);
        while (!EndOfList())
            SkipValue();
        ReadByte();
        break;
    }
    case TValueType::vaInt8:
        SkipBytes(1);
        break;
    case TValueType::vaInt16:
        SkipBytes(2);
        break;
    case TValueType::vaInt32:
        SkipBytes(4);
        break;
    case TValueType::vaExtended:
        SkipBytes(10);
        break;
    case TValueType::vaString:
    case TValueType::vaIdent:
        SkipBytes(ReadByte());
        break;
    case TValueType::vaBinary:
    case TValueType::vaLString:
        m_stream.ReadBuffer(bytes, 4);
        SkipBytes(tankora::LoadInteger<uint32_t>(bytes));
        break;
    case TValueType::vaSet:
        for (uint8_t length = ReadByte(); length != 0; length = ReadByte())
            SkipBytes(length);
        break;
    case TValueType::vaCollection: {
        TDepth depth(*this);
        while (!EndOfList()) {
            const TValueType next = NextValue();
            if (next == TValueType::vaInt8 || next == TValueType::vaInt16
                || next == TValueType::vaInt32)
                ReadInteger();
            ReadListBegin();
            SkipProperties();
        }
        ReadByte();
        break;
    }
    default: // vaNull, vaFalse, vaTrue, vaNil and kinds without payload
        break;
    }
}

void TReader::SkipProperties()
{
    while (!EndOfList()) {
        ReadStr();
        SkipValue();
    }
    ReadByte();
}

void TReader::SkipObject()
{
    TDepth depth(*this);
    ReadObjectHeader();
    SkipProperties();
    while (!EndOfList())
        SkipObject();
    ReadByte();
}

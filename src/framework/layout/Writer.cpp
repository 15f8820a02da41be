#include "framework/layout/Writer.h"

#include "framework/app/ResStrings.h"
#include "framework/core/Exceptions.h"
#include "framework/streams/Stream.h"
#include "nls/ByteOrder.h"
#include "nls/GuiText.h"

#include <cmath>
#include <limits>

namespace {

// The 10-byte x87 extended form of a double (exact: every double fits).
void DoubleToExtended(double value, uint8_t* bytes)
{
    uint16_t signExponent = std::signbit(value) ? 0x8000 : 0;
    uint64_t mantissa = 0;
    value = std::fabs(value);
    if (std::isnan(value)) {
        signExponent |= 0x7FFF;
        mantissa = 0xC000000000000000ull;
    } else if (std::isinf(value)) {
        signExponent |= 0x7FFF;
        mantissa = 0x8000000000000000ull;
    } else if (value != 0) {
        int exponent;
        const double fraction
            = std::frexp(value, &exponent); // value = fraction * 2^exponent, fraction in [0.5, 1)
        mantissa = static_cast<uint64_t>(std::ldexp(fraction, 64));
        signExponent |= static_cast<uint16_t>(exponent - 1 + 16383);
    }
    tankora::StoreInteger(mantissa, bytes);
    tankora::StoreInteger(signExponent, bytes + 8);
}

} // namespace

void TWriter::WriteBytes(const void* bytes, int64_t count)
{
    m_stream.WriteBuffer(bytes, count);
}

template <typename T> void TWriter::WriteLittleEndian(T value)
{
    uint8_t bytes[sizeof(T)];
    tankora::StoreInteger(value, bytes);
    WriteBytes(bytes, sizeof(T));
}

void TWriter::WriteSignature()
{
    WriteBytes("TPF0", 4);
}

void TWriter::WriteObjectHeader(
    const std::string& className, const std::string& objectName, uint8_t flags, int32_t childPos)
{
    if (flags != 0) {
        WriteLittleEndian<uint8_t>(0xF0 | (flags & 0x0F));
        if (flags & ffChildPos)
            WriteInteger(childPos);
    }
    WriteStr(className);
    WriteStr(objectName);
}

void TWriter::WriteValue(TValueType kind)
{
    WriteLittleEndian(static_cast<uint8_t>(kind));
}

void TWriter::WriteInteger(int32_t value)
{
    if (value >= std::numeric_limits<int8_t>::min()
        && value <= std::numeric_limits<int8_t>::max()) {
        WriteValue(TValueType::vaInt8);
        WriteLittleEndian(static_cast<int8_t>(value));
    } else if (value >= std::numeric_limits<int16_t>::min()
        && value <= std::numeric_limits<int16_t>::max()) {
        WriteValue(TValueType::vaInt16);
        WriteLittleEndian(static_cast<int16_t>(value));
    } else {
        WriteValue(TValueType::vaInt32);
        WriteLittleEndian(value);
    }
}

void TWriter::WriteBoolean(bool value)
{
    WriteValue(value ? TValueType::vaTrue : TValueType::vaFalse);
}

void TWriter::WriteChar(char value)
{
    WriteString(std::string(1, value));
}

void TWriter::WriteString(const std::string& text)
{
    if (text.size() <= 255) {
        WriteValue(TValueType::vaString);
        WriteStr(text);
    } else {
        if (text.size() > std::numeric_limits<uint32_t>::max())
            throw EWriteError();
        WriteValue(TValueType::vaLString);
        WriteLittleEndian(static_cast<uint32_t>(text.size()));
        WriteBytes(text.data(), static_cast<int64_t>(text.size()));
    }
}

void TWriter::WriteQString(const QString& text)
{
    WriteString(tankora::QStringToAnsi(text));
}

void TWriter::WriteIdent(const std::string& ident)
{
    if (ident == "False")
        WriteValue(TValueType::vaFalse);
    else if (ident == "True")
        WriteValue(TValueType::vaTrue);
    else if (ident == "nil")
        WriteValue(TValueType::vaNil);
    else if (ident == "Null")
        WriteValue(TValueType::vaNull);
    else {
        WriteValue(TValueType::vaIdent);
        WriteStr(ident);
    }
}

void TWriter::WriteFloat(double value)
{
    uint8_t bytes[10];
    DoubleToExtended(value, bytes);
    WriteValue(TValueType::vaExtended);
    WriteBytes(bytes, 10);
}

void TWriter::WriteSet(const std::vector<std::string>& names)
{
    WriteValue(TValueType::vaSet);
    for (const std::string& name : names)
        if (!name.empty())
            WriteStr(name);
    WriteStr({});
}

void TWriter::WriteBinary(const QByteArray& bytes)
{
    WriteValue(TValueType::vaBinary);
    WriteLittleEndian(static_cast<uint32_t>(bytes.size()));
    WriteBytes(bytes.constData(), bytes.size());
}

void TWriter::WriteStr(const std::string& text)
{
    if (text.size() > 255)
        throw EWriteError(FormatResString(SNameTooLong, text.substr(0, 32)));
    WriteLittleEndian(static_cast<uint8_t>(text.size()));
    WriteBytes(text.data(), static_cast<int64_t>(text.size()));
}

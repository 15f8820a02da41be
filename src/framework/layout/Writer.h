// Writes the stored-layout encoding to a stream. Integers take the smallest
// of the 8-, 16- and 32-bit kinds that holds them; strings of up to 255
// characters are short strings, longer ones long strings.
#pragma once

#include "framework/layout/Filer.h"

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <string>
#include <vector>

class TStream;

class TWriter
{
public:
    explicit TWriter(TStream& stream)
        : m_stream(stream)
    { }

    TStream& Stream() { return m_stream; }

    void WriteSignature();
    // Prefix byte (only when flags are set), class name, object name.
    void WriteObjectHeader(const std::string& className, const std::string& objectName,
        uint8_t flags = 0, int32_t childPos = -1);

    void WriteValue(TValueType kind);
    void WriteListBegin() { WriteValue(TValueType::vaList); }
    void WriteListEnd() { WriteValue(TValueType::vaNull); }
    void WriteInteger(int32_t value);
    void WriteBoolean(bool value);
    void WriteChar(char value);
    void WriteString(const std::string& text);
    void WriteQString(const QString& text);
    // "False", "True", "nil" and "Null" become their own kinds.
    void WriteIdent(const std::string& ident);
    void WriteFloat(double value);
    void WriteSet(const std::vector<std::string>& names);
    void WriteBinary(const QByteArray& bytes);
    // A short string without kind byte; longer than 255: EWriteError.
    void WriteStr(const std::string& text);

private:
    void WriteBytes(const void* bytes, int64_t count);
    template <typename T> void WriteLittleEndian(T value);

    TStream& m_stream;
};

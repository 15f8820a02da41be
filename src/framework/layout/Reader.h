// Reads the stored-layout encoding from a stream. Every length is checked
// against the bytes that remain; a read past the end raises EReadError
// "Stream read error"; a value of another kind than the one asked for
// raises EReadError "Invalid property value"; nesting deeper than
// kMaxNestingDepth raises EReadError "Invalid stream format".
#pragma once

#include "framework/layout/Filer.h"

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <string>
#include <vector>

class TStream;

struct TObjectHeader
{
    uint8_t flags = 0; // TFilerFlag bits
    int32_t childPos = -1; // with ffChildPos
    std::string className;
    std::string objectName;
};

class TReader
{
public:
    explicit TReader(TStream& stream)
        : m_stream(stream)
    { }

    TStream& Stream() { return m_stream; }

    // "TPF0", else EReadError "Invalid stream format".
    void ReadSignature();
    // Prefix (when present), class name and object name.
    TObjectHeader ReadObjectHeader();

    // The next value kind without consuming it (the whole byte).
    TValueType NextValue();
    TValueType ReadValue();
    bool EndOfList() { return NextValue() == TValueType::vaNull; }
    void ReadListBegin();
    void ReadListEnd();

    // vaInt8, vaInt16 or vaInt32.
    int32_t ReadInteger();
    bool ReadBoolean();
    // A short string of exactly one character.
    char ReadChar();
    // vaString or vaLString, as 8-bit text.
    std::string ReadString();
    QString ReadQString();
    // vaIdent; vaFalse, vaTrue, vaNil and vaNull read as "False", "True",
    // "nil" and "Null".
    std::string ReadIdent();
    // vaExtended, or an integer kind.
    double ReadFloat();
    // vaSet: the element names.
    std::vector<std::string> ReadSet();
    QByteArray ReadBinary();
    // A short string without kind byte (names in object headers and properties).
    std::string ReadStr();

    // Skips one value by its kind byte, of which only the low 7 bits count:
    // lists and collections with everything inside them, every payload of
    // kinds 1 to 14; other kinds have no payload.
    void SkipValue();
    // Skips the property values of an object up to and including the end marker.
    void SkipProperties();
    // Skips one whole object (header, properties, children).
    void SkipObject();

private:
    uint8_t ReadByte();
    std::string ReadChars(int64_t length);
    void CheckAvailable(int64_t length);
    void SkipBytes(int64_t length);
    [[noreturn]] static void PropertyValueError();

    class TDepth;
    TStream& m_stream;
    int m_depth = 0;
};

// The stored-layout encoding: value kinds and the filer through which a
// persistent object declares its defined (extra) stored properties.
//
// A stored layout is the signature "TPF0" and one object: an optional
// prefix byte (0xF0 | flags), the class name and the object name as short
// strings, its properties (name as a short string, then a tagged value) up
// to an end marker, its child objects up to an end marker. A value is a
// kind byte followed by its payload (little-endian).
#pragma once

#include <cstdint>
#include <functional>
#include <string>

enum class TValueType : uint8_t {
    vaNull = 0, // end of a list
    vaList = 1,
    vaInt8 = 2,
    vaInt16 = 3,
    vaInt32 = 4,
    vaExtended = 5, // 10-byte extended real
    vaString = 6, // length byte, characters
    vaIdent = 7, // length byte, characters
    vaFalse = 8,
    vaTrue = 9,
    vaBinary = 10, // 32-bit length, bytes
    vaSet = 11, // short strings up to an empty one
    vaLString = 12, // 32-bit length, characters
    vaNil = 13,
    vaCollection = 14, // items (optional integer index, list of properties) up to vaNull
};

// Object prefix flags (the low nibble of a prefix byte 0xF0 | flags).
enum TFilerFlag : uint8_t { ffInherited = 1, ffChildPos = 2, ffInline = 4 };

class TReader;
class TWriter;

class TFiler
{
public:
    using TReadProc = std::function<void(TReader&)>;
    using TWriteProc = std::function<void(TWriter&)>;

    virtual ~TFiler() = default;
    // Declares a defined property. Reading: when the stored property with
    // this name is met, readProc reads its value. Writing: when hasData is
    // true, the name is written and writeProc writes the value.
    virtual void DefineProperty(const std::string& name, const TReadProc& readProc,
        const TWriteProc& writeProc, bool hasData)
        = 0;
    // True while a layout is being read, false while one is written.
    virtual bool IsReading() const = 0;
};

// The deepest nesting of lists, collections and objects that readers accept.
inline constexpr int kMaxNestingDepth = 64;

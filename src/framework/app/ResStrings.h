#pragma once
// The framework's messages as named resource strings.
//
// Every text the framework shows or puts into an exception is one of the
// TResString constants below: a name (the identifier a translation is keyed
// by) and the built-in English text, a format whose places are "%s" (a text)
// and "%d" (an integer), filled in order; "%%" is a percent sign.
//
//   LoadResString(id)             the text of id, through the installed loader
//   FormatResString(id, args...)  that text with its places filled from args
//   SetResStringLoader(loader)    installs a loader (an empty one restores the
//                                 built-in texts) and returns the previous one
//
// A loader is asked for the text of every resource string the framework
// uses, at the moment it is used, so a translating loader changes every
// message from then on. It must return a format with the same places in the
// same order as id.Text. The program calls these from the GUI thread only.
// Callers never compare message texts: wrapped errors, for one, are told by
// their type (EComponentReadError).

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <type_traits>
#include <variant>
#include <vector>

struct TResString
{
    const char* Name;
    const char* Text;
};

#define TANKORA_RES_STRING(name, text)                                                             \
    inline constexpr TResString name                                                               \
    {                                                                                              \
#name, text                                                                                \
    }

// Streams and files.
TANKORA_RES_STRING(SReadError, "Stream read error");
TANKORA_RES_STRING(SWriteError, "Stream write error");
TANKORA_RES_STRING(SFOpenError, "Cannot open file %s");
TANKORA_RES_STRING(SFCreateError, "Cannot create file %s");
TANKORA_RES_STRING(SFileSizeError, "Cannot determine the size of file %s");
TANKORA_RES_STRING(SSeekBeforeStart, "Seek before the start of the stream");
TANKORA_RES_STRING(SSeekBeyondEnd, "Seek beyond the largest stream position");
TANKORA_RES_STRING(SResNotFound, "Resource %s not found");
// Bounds.
TANKORA_RES_STRING(SRangeError, "Range check error");
TANKORA_RES_STRING(SListIndexError, "List index out of bounds (%d)");
// Stored layouts: the binary encoding.
TANKORA_RES_STRING(SInvalidImage, "Invalid stream format");
TANKORA_RES_STRING(SInvalidPropertyValue, "Invalid property value");
TANKORA_RES_STRING(SInvalidPropertyValueOf, "Invalid property value %s");
TANKORA_RES_STRING(SNameTooLong, "Name too long for a short string: %s...");
// Stored layouts: reading components.
TANKORA_RES_STRING(SErrorReading, "Error reading %s: %s");
TANKORA_RES_STRING(SLayoutClassMismatch, "The stored layout is of class %s, not %s");
TANKORA_RES_STRING(SUnknownProperty, "Property %s does not exist");
TANKORA_RES_STRING(SUnsupportedPropertyType, "Unsupported property type %s");
TANKORA_RES_STRING(SComponentNotFound, "Component %s not found");
TANKORA_RES_STRING(SClassNotFound, "Class %s not found");
// Components.
TANKORA_RES_STRING(SInvalidName, "\"%s\" is not a valid component name");
TANKORA_RES_STRING(SDuplicateName, "A component named %s already exists");
TANKORA_RES_STRING(SNoEvent, "%s has no event %s");
TANKORA_RES_STRING(SHandlerNotFound, "Handler %s for %s.%s not found");
TANKORA_RES_STRING(SUnknownException, "Unknown exception");
// Stored layouts: the readable text form ("Line 3: 'end' expected").
TANKORA_RES_STRING(SParseLine, "Line %d: %s");
TANKORA_RES_STRING(SParseTextAfterEnd, "text after the last 'end'");
TANKORA_RES_STRING(SParseCharExpected, "'%s' expected");
TANKORA_RES_STRING(SParseIdentExpected, "identifier expected");
TANKORA_RES_STRING(SParseObjectsTooDeep, "objects nested too deeply");
TANKORA_RES_STRING(SParseObjectExpected, "'object' expected");
TANKORA_RES_STRING(SParseEndExpected, "'end' expected");
TANKORA_RES_STRING(SParseNumberExpected, "number expected");
TANKORA_RES_STRING(SParseIntegerRange, "integer out of range");
TANKORA_RES_STRING(SParseUnterminatedString, "unterminated string");
TANKORA_RES_STRING(SParseCharCodeRange, "character code out of range");
TANKORA_RES_STRING(SParseStringAfterPlus, "string expected after '+'");
TANKORA_RES_STRING(SParseValuesTooDeep, "values nested too deeply");
TANKORA_RES_STRING(SParseCloseParenExpected, "')' expected");
TANKORA_RES_STRING(SParseSetSeparatorExpected, "',' or ']' expected");
TANKORA_RES_STRING(SParseHexDigitExpected, "hex digit or '}' expected");
TANKORA_RES_STRING(SParseOddHexDigits, "odd number of hex digits");
TANKORA_RES_STRING(SParseItemExpected, "'item' or '>' expected");
TANKORA_RES_STRING(SParseValueExpected, "value expected");
// Captions: message boxes and button kinds.
TANKORA_RES_STRING(SMsgDlgWarning, "Warning");
TANKORA_RES_STRING(SMsgDlgError, "Error");
TANKORA_RES_STRING(SOKButton, "OK");
TANKORA_RES_STRING(SCancelButton, "Cancel");
TANKORA_RES_STRING(SCloseButton, "Close");

#undef TANKORA_RES_STRING

// Returns the text to use for a resource string.
using TResStringLoader = std::function<std::string(const TResString& id)>;

// Installs loader (empty: the built-in texts) and returns the previous one.
TResStringLoader SetResStringLoader(TResStringLoader loader);

// The text of id from the installed loader.
std::string LoadResString(const TResString& id);

// One value for a place of a format: a text for "%s", an integer for "%d"
// (either kind fills either place, written as text or in decimal).
using TFormatArg = std::variant<std::string, long long>;

// format with its places filled from args in order; a place without an
// argument stays empty, an argument without a place is left out.
std::string FormatText(std::string_view format, const std::vector<TFormatArg>& args);

template <typename T> TFormatArg ToFormatArg(const T& value)
{
    if constexpr (std::is_integral_v<T>)
        return static_cast<long long>(value);
    else
        return std::string(value);
}

// The loaded text of id with its places filled from args.
template <typename... Args> std::string FormatResString(const TResString& id, const Args&... args)
{
    return FormatText(LoadResString(id), { ToFormatArg(args)... });
}

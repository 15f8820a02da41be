// The readable text form of a stored layout, and its conversion to and from
// the binary encoding:
//
//   object MainForm: TMainForm          (also "inherited" and "inline")
//     Caption = 'Tankora'               strings in single quotes, '' for a
//     Items.Strings = (                 quote, #nnn for any byte, joined by +
//       'm'
//       'cm')                           lists in parentheses
//     Style = csDropDownList            identifiers bare (True, False, nil too)
//     Font.Style = [fsBold]             sets in brackets
//     Left = 12                         integers (smallest kind), $hex too
//     Ratio = 1.5                       reals (extended)
//     Data = {0A0B0C}                   binary in braces, hex digits
//     Panels = <item Width = 50 end>    collections of items
//     object Label1: TLabel ... end     child objects
//   end
//
// Text outside strings is ASCII; a byte of a string outside printable ASCII
// is written as #nnn, so the text does not depend on a code page.
#pragma once

#include "framework/core/Exceptions.h"

#include <string>
#include <string_view>

class TStream;

// A syntax error in a text form: "Line <n>: <what>".
class EParserError : public Exception
{
public:
    using Exception::Exception;
};

// Writes the binary encoding (signature first) of the text form.
void FormTextToBinary(std::string_view text, TStream& out);
// The text form of the binary stored layout read from in (signature first).
// Malformed input raises the reader's errors ("Invalid stream format",
// "Stream read error", "Invalid property value").
std::string FormBinaryToText(TStream& in);

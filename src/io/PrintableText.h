#pragma once
// Text from files and command lines made safe to print on one line of a
// terminal, a message or a PO comment: control characters (C0, DEL and the
// C1 range), which could move the cursor, recolour the terminal or start a
// forged line, are shown as escapes; bytes that are not UTF-8 are shown as
// \xHH. Everything else, including every printable character, is kept.

#include <string>
#include <string_view>

namespace tankora::io {

// "\n", "\t", "\r", "\e" for ESC, "\0" for NUL, "\xHH" for other bytes and
// "\u0085" for C1 characters.
std::string Printable(std::string_view text);

} // namespace tankora::io

#pragma once
// The escape sequences of C string literals, which PO files use as well:
// \n \t \r \a \b \f \v \\ \" \' \?, octal \ooo and hexadecimal \xhh.

#include <string>
#include <string_view>

namespace tankora::mld {

// Decodes the sequence whose backslash stands just before text[at]: appends
// its byte to out and moves at past it. Returns what is wrong with it, or an
// empty text when it is valid.
std::string DecodeEscape(std::string_view text, std::size_t& at, std::string& out);

} // namespace tankora::mld

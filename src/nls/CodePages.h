#pragma once
// Conversions between UTF-16 and Windows code pages: the windows-NNN tables
// of ICU, Johab (1361) through iconv. Characters a code page cannot hold
// become "?", as Windows' default conversion does.

#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace tankora {

// Raised when a conversion is asked for a code page no converter exists for.
class UnsupportedCodePage : public std::runtime_error
{
public:
    explicit UnsupportedCodePage(int codePage);
    int CodePage() const { return m_codePage; }

private:
    int m_codePage;
};

// Every code page a converter exists for, ascending.
const std::vector<int>& SupportedCodePages();

// Whether a converter exists for the code page (0 counts: the active one).
bool IsCodePageSupported(int codePage);

// UTF-16 to an 8-bit text in the code page (0 = the active ANSI code page).
// Unmappable characters and unpaired surrogates become "?". Throws
// UnsupportedCodePage for a code page without converter.
std::string EncodeToCodePage(std::u16string_view text, int codePage);

// An 8-bit text in the code page (0 = the active ANSI code page) to UTF-16.
// Bytes that are not valid in the code page become U+FFFD. Throws
// UnsupportedCodePage for a code page without converter.
std::u16string DecodeFromCodePage(std::string_view text, int codePage);

} // namespace tankora

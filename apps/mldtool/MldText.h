#pragma once
// Text conversions between the UTF-8 of JSON and the 8-bit or UTF-16 texts of
// MLD images. A code page without a converter is read and written as the
// active ANSI code page, so dump and build treat it alike.

#include <optional>
#include <string>

namespace tankora::mld {

// The code page used for the code page of a field (0: the active ANSI one).
int EffectiveCodePage(int codePage);

// 8-bit text in the code page -> UTF-8.
std::string Utf8FromCodePage(const std::string& bytes, int codePage);
// UTF-8 -> 8-bit text in the code page (unmappable characters become '?').
std::string CodePageFromUtf8(const std::string& utf8, int codePage);
// The first character of a UTF-8 text that the code page cannot hold (one
// that would come back as another character after conversion); nullopt when
// all fit. The text must be valid UTF-8.
std::optional<char32_t> FirstUnfitCharacter(const std::string& utf8, int codePage);
// Whether an 8-bit text decoded by Utf8FromCodePage held bytes that are not
// characters of its code page (they decode to U+FFFD).
bool HasUndecodableBytes(const std::string& utf8);
// "'ő' (U+0151)": a character as messages name it.
std::string DescribeCharacter(char32_t character);
// UTF-8 -> UTF-16.
std::u16string Utf16FromUtf8(const std::string& utf8);

} // namespace tankora::mld

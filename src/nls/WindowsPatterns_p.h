#pragma once
// Rewriting of ICU (CLDR) date, time and currency patterns into the
// conventions of the Windows locale items.

#include <string>
#include <string_view>

namespace tankora {

// The text without bidi control marks (U+200E, U+200F, U+061C, U+202A..U+202E,
// U+2066..U+2069), which Windows' locale items do not carry.
std::u16string WithoutBidiMarks(std::u16string_view text);

// An ICU date or time pattern in Windows syntax: d dd ddd dddd, M MM MMM MMMM,
// yy yyyy, gg, h hh H HH, m mm, s ss, tt. Fields Windows has no letter for
// (time zones, fractions of a second, quarters ...) are dropped; literal
// text keeps its quotes when it holds ASCII letters; no-break spaces become
// blanks; bidi marks are dropped. Two-digit years stay "yy".
std::u16string WindowsDatePattern(std::u16string_view icuPattern);

// The first character of the literal text that follows the first field whose
// letter is one of `fieldLetters` in a Windows pattern ("dd.MM.yyyy" with
// "dMy" gives '.'); u'\0' when there is none.
char16_t SeparatorAfterField(std::u16string_view windowsPattern, std::u16string_view fieldLetters);

// Windows' positive currency format code (0 "$1", 1 "1$", 2 "$ 1", 3 "1 $")
// of an ICU currency pattern such as "#,##0.00 ¤".
int PositiveCurrencyFormatCode(std::u16string_view icuPattern);

// Windows' negative currency format code 0..15 ("($1)", "-$1", ... "(1 $)")
// of an ICU currency pattern; the negative subpattern when there is one,
// else the positive one with a leading minus.
int NegativeCurrencyFormatCode(std::u16string_view icuPattern);

} // namespace tankora

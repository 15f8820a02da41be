#pragma once
// The code page, character set, reading-order and euro rules that
// dictionaries and translators apply to a locale id.

#include "l10n/dictionary/DictionaryEnums.h"

#include <chrono>
#include <cstdint>
#include <optional>
#include <string>

// The locale's default ANSI code page from the platform; when it has none (0),
// a fallback chosen by primary (and for Chinese and Croatian/Serbian, sub) language.
int DefaultAnsiCodePage(int localeId);

// The platform's code-page bitfield position of a character set / code page
// pair; positions not listed hold character set 0 and code page 0.
struct TIvCharsetEntry
{
    std::uint8_t Charset;
    int CodePage;
};
TIvCharsetEntry CharsetTableEntry(int bit); // bit 0..31

// Character set of a code page; 1 (the default character set) for a code page
// not in the table.
std::uint8_t CharsetOfCodePage(int codePage);

// Character set of the locale's first default code page in its font signature;
// the entry of bit 0 when the platform knows no signature.
std::uint8_t LocaleCharset(int localeId);

// 2 (right to left) for Arabic, Hebrew, Farsi; 1 for Chinese, Japanese,
// Korean; 0 otherwise.
int BiDiKind(int localeId);
inline bool IsRightToLeft(int localeId)
{
    return BiDiKind(localeId) == 2;
}

// Whether the locale's country adopted the euro.
bool IsEuroCountry(int localeId);

// 1 before 1999-01-01, 2 before 2002-01-01, 3 before 2002-07-01, else 4, for
// the given date.
int EuroDatePhaseOn(std::chrono::year_month_day date);
// The same for today's local date, or for the date set by SetEuroDateForTesting.
int EuroDatePhase();
// Makes EuroDatePhase answer for this date instead of today; nullopt restores today.
void SetEuroDateForTesting(std::optional<std::chrono::year_month_day> date);

// The process-wide euro mode values (TIvEuro) are in DictionaryEnums.h.

// The euro sign of code page 1252.
inline const std::string kEuroSign = "\x80";

#pragma once
// The locale-item query: every Windows locale item the locale records use,
// answered from ICU (CLDR) in Windows conventions.
//
// Values come as Windows would give them: date and time formats in Windows
// pattern syntax (d dd ddd dddd M MM MMM MMMM yy yyyy h hh H HH mm ss tt),
// without bidi marks, Latin digits, Gregorian calendar; numeric items as
// decimal text; day names Monday first.

#include "nls/Nls.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tankora {

enum class LocaleItem : int {
    EnglishLanguageName, // "German"
    EnglishCountryName, // "Germany"
    NativeLanguageName, // "Deutsch"
    NativeCountryName, // "Deutschland"
    AbbrevLanguageName, // three letters, "DEU"
    CountryName, // country name in the user default locale's language
    IsoLanguageName, // ISO 639, "de"
    IsoCountryName, // ISO 3166, "DE"
    DefaultAnsiCodePage, // "1252"; "0" for Unicode-only locales
    CurrencySymbol, // "€"
    CurrencyFormat, // positive currency format 0..3
    NegativeCurrencyFormat, // negative currency format 0..15
    CurrencyDigits, // "2"
    ThousandSeparator, // "."
    DecimalSeparator, // ","
    DateSeparator, // "."
    ShortDateFormat, // "dd.MM.yyyy"
    LongDateFormat, // "dddd, d. MMMM yyyy"
    TimeFormatString, // "HH:mm:ss"
    TimeSeparator, // ":"
    AmDesignator, // "AM"
    PmDesignator, // "PM"
    TimeLeadingZero, // "1" when hours have a leading zero, else "0"
    TimeFormat, // "0" 12-hour clock with designator, "1" 24-hour
    TimeMarkerPosition, // "0" designator after the time, "1" before
    Measure, // "0" metric, "1" U.S.
    CalendarType, // "1" Gregorian
    OptionalCalendar, // "1" Gregorian
    FirstDayOfWeek, // "0" Monday .. "6" Sunday
    FirstWeekOfYear, // "0" contains Jan 1, "1" first full week, "2" first 4-day week
    LongMonthName1, // .. LongMonthName1 + 11: "Januar" ..
    ShortMonthName1 = LongMonthName1 + 12, // .. + 11: "Jan" ..
    LongDayName1 = ShortMonthName1 + 12, // .. + 6: Monday first, "Montag" ..
    ShortDayName1 = LongDayName1 + 7, // .. + 6: Monday first, "Mo" ..
    ItemCount = ShortDayName1 + 7,
};

// Item of month 1..12 and of day 1..7 (1 = Monday). Out-of-range numbers are
// clamped into range, so a caller cannot produce an item that does not exist.
LocaleItem LongMonthNameItem(int month);
LocaleItem ShortMonthNameItem(int month);
LocaleItem LongDayNameItem(int day);
LocaleItem ShortDayNameItem(int day);

// The item's value for a locale id (0x400/0x800 resolved), as UTF-16. An
// unknown locale id or an item ICU has no answer for gives defaultText.
std::u16string LocaleItemText(LocaleId id, LocaleItem item, std::u16string_view defaultText);

// The same as an 8-bit text in the locale's default ANSI code page (the active
// ANSI code page for Unicode-only locales); unmappable characters become "?".
// defaultText is ASCII and returned as it is.
std::string LocaleItemAnsi(LocaleId id, LocaleItem item, std::string_view defaultText);

// The default code-page word of the locale's font signature: bit n is set for
// the code page of bit n of the character-set table. 0 for Unicode-only
// locales; nullopt for unknown locale ids.
std::optional<std::uint32_t> LocaleCodePageBits(LocaleId id);

} // namespace tankora

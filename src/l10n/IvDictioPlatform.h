#pragma once
// The platform's national-language answers that the language and locale
// records need, in the layer's terms. One file maps them onto the platform
// service so the records never name it directly.

#include <cstdint>
#include <optional>
#include <string>

// Locale items the records read.
enum class TIvLocaleItem {
    IsoLanguageName,
    IsoCountryName,
    DefaultAnsiCodePage,
    EnglishLanguageName,
    EnglishCountryName,
    NativeLanguageName,
    NativeCountryName,
    AbbrevLanguageName,
    CountryName,
    CurrencyString,
    CurrencyFormat,
    NegCurrFormat,
    CurrencyDecimals,
    ThousandSeparator,
    DecimalSeparator,
    DateSeparator,
    ShortDateFormat,
    LongDateFormat,
    TimeSeparator,
    TimeAMString,
    TimePMString,
    TimeLeadingZero,
    TimeFormat,
    TimeMarkerPosition,
    Measure,
    CalendarType,
    OptionalCalendar,
    FirstDayOfWeek,
    FirstWeekOfYear,
};

// The item's text for the locale, or defaultText when the platform has none.
std::string QueryLocaleItem(int localeId, TIvLocaleItem item, const std::string& defaultText);
// Month (1..12) and day (1..7, Monday first) names; long or abbreviated.
std::string QueryMonthName(int localeId, int month, bool abbreviated);
std::string QueryDayName(int localeId, int day, bool abbreviated);

int PlatformUserDefaultLocaleId();
int PlatformSystemDefaultLocaleId();
// The locale's default ANSI code page item as a number; 0 when it has none.
int PlatformDefaultAnsiCodePage(int localeId);
// The first default code-page word of the locale's font signature, when known.
std::optional<std::uint32_t> PlatformCodePageSignature(int localeId);

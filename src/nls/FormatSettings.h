#pragma once
// The process-wide number, currency and date format settings. Filled from
// the user default locale on first use; the localization layer overwrites
// them when a dictionary applies its locale. All number formatting and
// parsing of the program reads them. GUI thread only; no locks.

#include "nls/Nls.h"

#include <array>
#include <string>

namespace tankora {

// Texts are 8-bit in the active ANSI code page.
struct FormatSettings
{
    std::string CurrencyString;
    int CurrencyFormat = 0; // positive currency format 0..3
    int NegCurrFormat = 0; // negative currency format 0..15
    int CurrencyDecimals = 2;
    char ThousandSeparator = ',';
    char DecimalSeparator = '.';
    char DateSeparator = '/';
    std::string ShortDateFormat;
    std::string LongDateFormat;
    char TimeSeparator = ':';
    std::string TimeAMString;
    std::string TimePMString;
    std::string ShortTimeFormat;
    std::string LongTimeFormat;
    std::array<std::string, 12> ShortMonthNames; // [0] = January
    std::array<std::string, 12> LongMonthNames; // [0] = January
    std::array<std::string, 7> ShortDayNames; // [0] = Sunday
    std::array<std::string, 7> LongDayNames; // [0] = Sunday
    LocaleId DefaultLocaleId = kLocaleEnglishUs;
    int PrimaryLanguageId = 9;
    int SubLanguageId = 1;
    bool FarEast = false; // the system's code page is a double-byte one
};

// The settings a locale gives (0x400/0x800 resolved), texts in the active
// ANSI code page; time formats are built from the locale's hour style, clock
// and designator position. An unknown locale gives the en-US settings.
FormatSettings FormatSettingsForLocale(LocaleId id);

// The process's settings, filled from the user default locale on first use.
FormatSettings& ProcessFormatSettings();

// Refills the process's settings from the current user default locale (for
// tests that change the machine locale).
void ResetProcessFormatSettings();

} // namespace tankora

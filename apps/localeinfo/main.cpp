// Prints every locale item of a Windows locale id as the national-language service
// answers it, as UTF-8, one "name: value" line per item.
//
//   localeinfo 0x0407        by id (hexadecimal with 0x, else decimal)
//   localeinfo de_DE         by locale name
//   localeinfo --list        every supported locale id
//
// Exit codes: 0 printed, 1 the output could not be written, 2 a usage error:
// extra arguments, or an id or name that names no locale of the platform.

#include "io/PrintableText.h"
#include "io/StandardOutput.h"
#include "nls/LocaleItems.h"
#include "nls/Nls.h"

#include "ProgramOptions.h"

#include <CLI/CLI.hpp>
#include <unicode/ustring.h>

#include <algorithm>
#include <array>
#include <cctype>
#include <cstdio>
#include <string>

namespace {

using tankora::LocaleItem;

std::string Utf8(const std::u16string& text)
{
    std::string result(text.size() * 3 + 1, '\0');
    int32_t length = 0;
    UErrorCode status = U_ZERO_ERROR;
    u_strToUTF8(result.data(), static_cast<int32_t>(result.size()), &length, text.data(),
        static_cast<int32_t>(text.size()), &status);
    result.resize(U_SUCCESS(status) ? static_cast<std::size_t>(length) : 0);
    return result;
}

struct NamedItem
{
    const char* name;
    LocaleItem item;
};

constexpr std::array kItems {
    NamedItem { "EnglishLanguageName", LocaleItem::EnglishLanguageName },
    NamedItem { "EnglishCountryName", LocaleItem::EnglishCountryName },
    NamedItem { "NativeLanguageName", LocaleItem::NativeLanguageName },
    NamedItem { "NativeCountryName", LocaleItem::NativeCountryName },
    NamedItem { "AbbrevLanguageName", LocaleItem::AbbrevLanguageName },
    NamedItem { "CountryName", LocaleItem::CountryName },
    NamedItem { "IsoLanguageName", LocaleItem::IsoLanguageName },
    NamedItem { "IsoCountryName", LocaleItem::IsoCountryName },
    NamedItem { "DefaultAnsiCodePage", LocaleItem::DefaultAnsiCodePage },
    NamedItem { "CurrencySymbol", LocaleItem::CurrencySymbol },
    NamedItem { "CurrencyFormat", LocaleItem::CurrencyFormat },
    NamedItem { "NegativeCurrencyFormat", LocaleItem::NegativeCurrencyFormat },
    NamedItem { "CurrencyDigits", LocaleItem::CurrencyDigits },
    NamedItem { "ThousandSeparator", LocaleItem::ThousandSeparator },
    NamedItem { "DecimalSeparator", LocaleItem::DecimalSeparator },
    NamedItem { "DateSeparator", LocaleItem::DateSeparator },
    NamedItem { "ShortDateFormat", LocaleItem::ShortDateFormat },
    NamedItem { "LongDateFormat", LocaleItem::LongDateFormat },
    NamedItem { "TimeFormatString", LocaleItem::TimeFormatString },
    NamedItem { "TimeSeparator", LocaleItem::TimeSeparator },
    NamedItem { "AmDesignator", LocaleItem::AmDesignator },
    NamedItem { "PmDesignator", LocaleItem::PmDesignator },
    NamedItem { "TimeLeadingZero", LocaleItem::TimeLeadingZero },
    NamedItem { "TimeFormat", LocaleItem::TimeFormat },
    NamedItem { "TimeMarkerPosition", LocaleItem::TimeMarkerPosition },
    NamedItem { "Measure", LocaleItem::Measure },
    NamedItem { "CalendarType", LocaleItem::CalendarType },
    NamedItem { "OptionalCalendar", LocaleItem::OptionalCalendar },
    NamedItem { "FirstDayOfWeek", LocaleItem::FirstDayOfWeek },
    NamedItem { "FirstWeekOfYear", LocaleItem::FirstWeekOfYear },
};

std::string LanguageOf(const std::string& name)
{
    std::string language = name.substr(0, name.find_first_of("_-.@"));
    for (char& c : language)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return language;
}

std::optional<tankora::LocaleId> ParseLocale(const std::string& text)
{
    try {
        std::size_t used = 0;
        const long value = std::stol(text, &used, 0);
        if (used == text.size()) {
            return static_cast<tankora::LocaleId>(value);
        }
    } catch (const std::exception&) {
        // Not a number: a locale name.
    }
    // A name resolves to a locale of its own language, or to none: the
    // platform's fallback to the most likely locale of nothing (en_US) would
    // answer for a name it never knew.
    const auto id = tankora::LocaleIdFromName(text);
    if (!id || LanguageOf(tankora::IcuLocaleName(*id)) != LanguageOf(text))
        return std::nullopt;
    return id;
}

void PrintItem(tankora::LocaleId id, const std::string& name, LocaleItem item)
{
    std::printf("%-24s %s\n", (name + ":").c_str(),
        Utf8(tankora::LocaleItemText(id, item, u"(none)")).c_str());
}

int Run(int argc, char** argv)
{
    CLI::App app { "Prints every locale item of a Windows locale id.", "localeinfo" };
    std::string locale;
    bool list = false;
    app.add_option("locale", locale, "locale id (0x0407, 1031) or name (de_DE)");
    app.add_flag("--list", list, "print every supported locale id with its ICU name");
    tankora::program::AddProgramOptions(app, "localeinfo");
    try {
        app.parse(argc, argv);
    } catch (const CLI::Success& e) {
        return app.exit(e);
    } catch (const CLI::ParseError& e) {
        std::string message = e.what();
        std::replace(message.begin(), message.end(), '\n', ' ');
        std::fprintf(stderr, "localeinfo: %s\n", tankora::io::Printable(message).c_str());
        return 2;
    }
    if (!list && locale.empty()) {
        std::fprintf(stderr, "localeinfo: give a locale id or name, or --list\n");
        return 2;
    }

    if (list) {
        for (const tankora::LocaleId id : tankora::SupportedLocaleIds()) {
            std::printf(
                "0x%04X %s\n", static_cast<unsigned>(id), tankora::IcuLocaleName(id).c_str());
        }
        return 0;
    }
    const auto id = ParseLocale(locale);
    if (!id || !tankora::IsLocaleIdKnown(*id)) {
        std::fprintf(stderr, "Unknown locale: '%s'\n", tankora::io::Printable(locale).c_str());
        return 2;
    }
    std::printf("%-24s 0x%04X (%s)\n", "LocaleId:", static_cast<unsigned>(*id),
        tankora::IcuLocaleName(*id).c_str());
    for (const NamedItem& named : kItems) {
        PrintItem(*id, named.name, named.item);
    }
    for (int month = 1; month <= 12; ++month) {
        PrintItem(*id, "LongMonthName" + std::to_string(month), tankora::LongMonthNameItem(month));
        PrintItem(
            *id, "ShortMonthName" + std::to_string(month), tankora::ShortMonthNameItem(month));
    }
    for (int day = 1; day <= 7; ++day) {
        PrintItem(*id, "LongDayName" + std::to_string(day), tankora::LongDayNameItem(day));
        PrintItem(*id, "ShortDayName" + std::to_string(day), tankora::ShortDayNameItem(day));
    }
    const auto bits = tankora::LocaleCodePageBits(*id);
    std::printf("%-24s 0x%08X\n", "CodePageBits:", bits.value_or(0));
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    return tankora::io::FinishStandardOutput("localeinfo", Run(argc, argv));
}

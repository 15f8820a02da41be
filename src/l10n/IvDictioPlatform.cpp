#include "IvDictioPlatform.h"

#include "IvDictio.h"

#include "CodePages.h"
#include "Collation.h"
#include "Exceptions.h"
#include "LocaleItems.h"
#include "Nls.h"

namespace {

tankora::LocaleItem PlatformItem(TIvLocaleItem item)
{
    using P = tankora::LocaleItem;
    switch (item) {
    case TIvLocaleItem::IsoLanguageName:
        return P::IsoLanguageName;
    case TIvLocaleItem::IsoCountryName:
        return P::IsoCountryName;
    case TIvLocaleItem::DefaultAnsiCodePage:
        return P::DefaultAnsiCodePage;
    case TIvLocaleItem::EnglishLanguageName:
        return P::EnglishLanguageName;
    case TIvLocaleItem::EnglishCountryName:
        return P::EnglishCountryName;
    case TIvLocaleItem::NativeLanguageName:
        return P::NativeLanguageName;
    case TIvLocaleItem::NativeCountryName:
        return P::NativeCountryName;
    case TIvLocaleItem::AbbrevLanguageName:
        return P::AbbrevLanguageName;
    case TIvLocaleItem::CountryName:
        return P::CountryName;
    case TIvLocaleItem::CurrencyString:
        return P::CurrencySymbol;
    case TIvLocaleItem::CurrencyFormat:
        return P::CurrencyFormat;
    case TIvLocaleItem::NegCurrFormat:
        return P::NegativeCurrencyFormat;
    case TIvLocaleItem::CurrencyDecimals:
        return P::CurrencyDigits;
    case TIvLocaleItem::ThousandSeparator:
        return P::ThousandSeparator;
    case TIvLocaleItem::DecimalSeparator:
        return P::DecimalSeparator;
    case TIvLocaleItem::DateSeparator:
        return P::DateSeparator;
    case TIvLocaleItem::ShortDateFormat:
        return P::ShortDateFormat;
    case TIvLocaleItem::LongDateFormat:
        return P::LongDateFormat;
    case TIvLocaleItem::TimeSeparator:
        return P::TimeSeparator;
    case TIvLocaleItem::TimeAMString:
        return P::AmDesignator;
    case TIvLocaleItem::TimePMString:
        return P::PmDesignator;
    case TIvLocaleItem::TimeLeadingZero:
        return P::TimeLeadingZero;
    case TIvLocaleItem::TimeFormat:
        return P::TimeFormat;
    case TIvLocaleItem::TimeMarkerPosition:
        return P::TimeMarkerPosition;
    case TIvLocaleItem::Measure:
        return P::Measure;
    case TIvLocaleItem::CalendarType:
        return P::CalendarType;
    case TIvLocaleItem::OptionalCalendar:
        return P::OptionalCalendar;
    case TIvLocaleItem::FirstDayOfWeek:
        return P::FirstDayOfWeek;
    case TIvLocaleItem::FirstWeekOfYear:
        return P::FirstWeekOfYear;
    }
    return P::EnglishLanguageName;
}

} // namespace

std::string QueryLocaleItem(int localeId, TIvLocaleItem item, const std::string& defaultText)
{
    return tankora::LocaleItemAnsi(localeId, PlatformItem(item), defaultText);
}

std::string QueryMonthName(int localeId, int month, bool abbreviated)
{
    return tankora::LocaleItemAnsi(localeId,
        abbreviated ? tankora::ShortMonthNameItem(month) : tankora::LongMonthNameItem(month), {});
}

std::string QueryDayName(int localeId, int day, bool abbreviated)
{
    return tankora::LocaleItemAnsi(
        localeId, abbreviated ? tankora::ShortDayNameItem(day) : tankora::LongDayNameItem(day), {});
}

int PlatformUserDefaultLocaleId()
{
    return tankora::UserDefaultLocaleId();
}

int PlatformSystemDefaultLocaleId()
{
    return tankora::SystemDefaultLocaleId();
}

int PlatformDefaultAnsiCodePage(int localeId)
{
    const std::string text = QueryLocaleItem(localeId, TIvLocaleItem::DefaultAnsiCodePage, "0");
    int value = 0;
    for (const char c : text) {
        if (c < '0' || c > '9' || value > 100000)
            return 0;
        value = value * 10 + (c - '0');
    }
    return value;
}

std::optional<std::uint32_t> PlatformCodePageSignature(int localeId)
{
    return tankora::LocaleCodePageBits(localeId);
}

// The layer's own names for the platform services dictionaries use.

bool IsCodePageSupported(int codePage)
{
    return codePage == 0 || tankora::IsCodePageSupported(codePage);
}

int CompareTexts(const std::string& text1, const std::string& text2, int localeId)
{
    return tankora::CompareLocaleTexts(text1, text2, localeId);
}

std::string WideToCodePage(const std::u16string& text, int codePage)
{
    if (text.empty())
        return {};
    try {
        return tankora::EncodeToCodePage(text, codePage);
    } catch (const tankora::UnsupportedCodePage&) {
        throw Exception("Code page " + std::to_string(codePage) + " is not supported");
    }
}

#include "l10n/dictionary/Records.h"

#include "nls/LocaleItems.h"

#include <charconv>

void TIvLocale::Assign(const TIvLocale& source)
{
    if (&source != this)
        *this = source;
}

std::unique_ptr<TIvLocale> TIvLocale::Clone() const
{
    auto copy = std::make_unique<TIvLocale>();
    copy->Assign(*this);
    return copy;
}

void TIvLocale::Complete()
{
    const int id = LocaleId();
    if (PrimaryLanguage != 0) {
        const auto fill = [id](std::string& field, tankora::LocaleItem item) {
            if (field.empty())
                field = tankora::LocaleItemAnsi(id, item, {});
        };
        fill(EnglishLanguageName, tankora::LocaleItem::EnglishLanguageName);
        fill(NativeLanguageName, tankora::LocaleItem::NativeLanguageName);
        fill(EnglishCountryName, tankora::LocaleItem::EnglishCountryName);
        fill(NativeCountryName, tankora::LocaleItem::NativeCountryName);
        if (CodePage == 0) {
            CodePage = DefaultAnsiCodePage(id);
            if (CodePage == 0)
                CodePage = 1252;
        }
    }
    if (Charset == 0)
        Charset = LocaleCharset(id);
}

void TIvLocale::GetName(int kind, TIvDictionary* dictionary, std::string& name) const
{
    switch (kind) {
    case 0:
        name = BuildLocaleName(EnglishLanguageName, EnglishCountryName, CodePage, SubLanguage,
            PrimaryLanguage, nullptr, false);
        break;
    case 1:
        name = BuildLocaleName(NativeLanguageName, NativeCountryName, CodePage, SubLanguage,
            PrimaryLanguage, nullptr, false);
        break;
    case 2:
        name = BuildLocaleName(EnglishLanguageName, EnglishCountryName, CodePage, SubLanguage,
            PrimaryLanguage, dictionary, true);
        break;
    default:
        break;
    }
}

int TIvLocale::EuroPhase() const
{
    return IsEuroCountry(LocaleId()) ? EuroDatePhase() : 0;
}

std::string TIvLocale::CurrencySymbol(TIvEuro euroMode) const
{
    if (euroMode == iveIgnore)
        return CurrencyString;
    switch (EuroPhase()) {
    case 2:
        return euroMode == iveBusiness ? kEuroSign : CurrencyString;
    case 3:
    case 4:
        return kEuroSign;
    default:
        return CurrencyString;
    }
}

namespace {

// Decimal text as a number; text that is not one counts as 0.
int NumberOrZero(const std::string& text)
{
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    return error == std::errc {} && end == text.data() + text.size() ? value : 0;
}

int NumericItem(int localeId, tankora::LocaleItem item)
{
    return NumberOrZero(tankora::LocaleItemAnsi(localeId, item, "0"));
}

std::uint8_t ByteItem(int localeId, tankora::LocaleItem item)
{
    return static_cast<std::uint8_t>(NumericItem(localeId, item));
}

char CharItem(int localeId, tankora::LocaleItem item)
{
    const std::string text = tankora::LocaleItemAnsi(localeId, item, " ");
    return text.empty() ? ' ' : text.front();
}

} // namespace

bool ReadSystemLocale(int localeId, TIvLocale& target)
{
    using Item = tankora::LocaleItem;
    const std::string probe = tankora::LocaleItemAnsi(localeId, Item::EnglishLanguageName, "@*");
    if (probe == "@*")
        return false;

    // Filled aside and assigned at the end, so a failure leaves target as it was.
    TIvLocale locale;
    locale.PrimaryLanguage = PrimaryLangId(localeId);
    locale.SubLanguage = SubLangId(localeId);
    locale.CodePage
        = NumberOrZero(tankora::LocaleItemAnsi(localeId, Item::DefaultAnsiCodePage, "1252"));
    locale.Charset = CharsetOfCodePage(locale.CodePage);
    locale.LocaleFlag = false;

    const auto text = [localeId](Item item) { return tankora::LocaleItemAnsi(localeId, item, {}); };
    locale.EnglishLanguageName = probe;
    locale.EnglishCountryName = text(Item::EnglishCountryName);
    locale.NativeLanguageName = text(Item::NativeLanguageName);
    locale.NativeCountryName = text(Item::NativeCountryName);
    locale.AbbrevLanguageName = text(Item::AbbrevLanguageName);
    locale.CountryName = text(Item::CountryName);
    locale.CurrencyString = text(Item::CurrencySymbol);
    locale.CurrencyFormat = ByteItem(localeId, Item::CurrencyFormat);
    locale.NegCurrFormat = ByteItem(localeId, Item::NegativeCurrencyFormat);
    locale.CurrencyDecimals = ByteItem(localeId, Item::CurrencyDigits);
    locale.ThousandSeparator = CharItem(localeId, Item::ThousandSeparator);
    locale.DecimalSeparator = CharItem(localeId, Item::DecimalSeparator);
    locale.DateSeparator = CharItem(localeId, Item::DateSeparator);
    locale.ShortDateFormat = text(Item::ShortDateFormat);
    locale.LongDateFormat = text(Item::LongDateFormat);
    locale.TimeSeparator = CharItem(localeId, Item::TimeSeparator);
    locale.TimeAMString = text(Item::AmDesignator);
    locale.TimePMString = text(Item::PmDesignator);
    locale.TimeLeadingZero = tankora::LocaleItemAnsi(localeId, Item::TimeLeadingZero, "0") != "0";
    locale.TimeFormat = ByteItem(localeId, Item::TimeFormat);
    locale.TimeMarkerPosition = ByteItem(localeId, Item::TimeMarkerPosition);
    locale.Measure = ByteItem(localeId, Item::Measure);
    locale.CalendarType = ByteItem(localeId, Item::CalendarType);
    locale.OptionalCalendar = ByteItem(localeId, Item::OptionalCalendar);
    locale.FirstDayOfWeek = ByteItem(localeId, Item::FirstDayOfWeek);
    locale.FirstWeekOfYear = ByteItem(localeId, Item::FirstWeekOfYear);
    for (int day = 1; day <= 7; ++day) {
        const auto at = static_cast<std::size_t>(day - 1);
        locale.ShortDayNames[at]
            = tankora::LocaleItemAnsi(localeId, tankora::ShortDayNameItem(day), {});
        locale.LongDayNames[at]
            = tankora::LocaleItemAnsi(localeId, tankora::LongDayNameItem(day), {});
    }
    for (int month = 1; month <= 12; ++month) {
        const auto at = static_cast<std::size_t>(month - 1);
        locale.ShortMonthNames[at]
            = tankora::LocaleItemAnsi(localeId, tankora::ShortMonthNameItem(month), {});
        locale.LongMonthNames[at]
            = tankora::LocaleItemAnsi(localeId, tankora::LongMonthNameItem(month), {});
    }
    locale.Complete();
    target.Assign(locale);
    return true;
}

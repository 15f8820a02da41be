#include "nls/LocaleItems.h"

#include <gtest/gtest.h>

#include <unicode/ustring.h>

#include <map>

namespace tankora {
namespace {

std::u16string Utf16(const char* utf8)
{
    std::u16string result(64, u'\0');
    int32_t length = 0;
    UErrorCode status = U_ZERO_ERROR;
    u_strFromUTF8(result.data(), static_cast<int32_t>(result.size()), &length, utf8, -1, &status);
    result.resize(static_cast<std::size_t>(length));
    return result;
}

using Expectations = std::map<LocaleItem, const char*>;

void ExpectItems(LocaleId id, const Expectations& expected)
{
    for (const auto& [item, value] : expected) {
        EXPECT_EQ(LocaleItemText(id, item, u"@*"), Utf16(value))
            << "locale 0x" << std::hex << id << std::dec << " item " << static_cast<int>(item);
    }
}

TEST(LocaleItems, GermanGermanyAsWindowsShowsIt)
{
    ExpectItems(0x0407,
        {
            { LocaleItem::EnglishLanguageName, "German" },
            { LocaleItem::EnglishCountryName, "Germany" },
            { LocaleItem::NativeLanguageName, "Deutsch" },
            { LocaleItem::NativeCountryName, "Deutschland" },
            { LocaleItem::AbbrevLanguageName, "DEU" },
            { LocaleItem::IsoLanguageName, "de" },
            { LocaleItem::IsoCountryName, "DE" },
            { LocaleItem::DefaultAnsiCodePage, "1252" },
            { LocaleItem::CurrencySymbol, "€" },
            { LocaleItem::CurrencyFormat, "3" },
            { LocaleItem::NegativeCurrencyFormat, "8" },
            { LocaleItem::CurrencyDigits, "2" },
            { LocaleItem::ThousandSeparator, "." },
            { LocaleItem::DecimalSeparator, "," },
            { LocaleItem::DateSeparator, "." },
            { LocaleItem::ShortDateFormat, "dd.MM.yyyy" },
            { LocaleItem::LongDateFormat, "dddd, d. MMMM yyyy" },
            { LocaleItem::TimeSeparator, ":" },
            { LocaleItem::TimeLeadingZero, "1" },
            { LocaleItem::TimeFormat, "1" },
            { LocaleItem::Measure, "0" },
            { LocaleItem::CalendarType, "1" },
            { LocaleItem::FirstDayOfWeek, "0" },
            { LocaleItem::FirstWeekOfYear, "2" },
            { LongMonthNameItem(3), "März" },
            { ShortMonthNameItem(12), "Dez" },
            { LongDayNameItem(1), "Montag" },
            { ShortDayNameItem(7), "So" },
        });
}

TEST(LocaleItems, EnglishUnitedStatesAsWindowsShowsIt)
{
    ExpectItems(0x0409,
        {
            { LocaleItem::EnglishLanguageName, "English" },
            { LocaleItem::EnglishCountryName, "United States" },
            { LocaleItem::CurrencySymbol, "$" },
            { LocaleItem::CurrencyFormat, "0" },
            { LocaleItem::ThousandSeparator, "," },
            { LocaleItem::DecimalSeparator, "." },
            { LocaleItem::ShortDateFormat, "M/d/yyyy" },
            { LocaleItem::LongDateFormat, "dddd, MMMM d, yyyy" },
            { LocaleItem::TimeFormatString, "h:mm:ss tt" },
            { LocaleItem::AmDesignator, "AM" },
            { LocaleItem::PmDesignator, "PM" },
            { LocaleItem::TimeLeadingZero, "0" },
            { LocaleItem::TimeFormat, "0" },
            { LocaleItem::TimeMarkerPosition, "0" },
            { LocaleItem::Measure, "1" },
            { LocaleItem::FirstDayOfWeek, "6" },
            { LocaleItem::FirstWeekOfYear, "0" },
            { LongMonthNameItem(1), "January" },
            { LongDayNameItem(7), "Sunday" },
        });
}

TEST(LocaleItems, JapaneseRussianArabicHebrewAsWindowsShowsThem)
{
    ExpectItems(0x0411,
        {
            { LocaleItem::DefaultAnsiCodePage, "932" },
            { LocaleItem::NativeLanguageName, "日本語" },
            { LocaleItem::ShortDateFormat, "yyyy/MM/dd" },
            { LocaleItem::CurrencyDigits, "0" },
            { LocaleItem::AmDesignator, "午前" },
            { LongMonthNameItem(1), "1月" },
            { LongDayNameItem(1), "月曜日" },
        });
    ExpectItems(0x0419,
        {
            { LocaleItem::DefaultAnsiCodePage, "1251" },
            { LocaleItem::DecimalSeparator, "," },
            { LocaleItem::ThousandSeparator, "\u00A0" },
            { LocaleItem::ShortDateFormat, "dd.MM.yyyy" },
            { LocaleItem::FirstDayOfWeek, "0" },
        });
    // Latin digits and Gregorian month names, as Windows gives for ar-SA.
    ExpectItems(0x0401,
        {
            { LocaleItem::DefaultAnsiCodePage, "1256" },
            { LocaleItem::DecimalSeparator, "." },
            { LocaleItem::ShortDateFormat, "d/M/yyyy" },
            { LocaleItem::CalendarType, "1" },
            { LongMonthNameItem(1), "يناير" },
            { LongMonthNameItem(12), "ديسمبر" },
        });
    ExpectItems(0x040D,
        {
            { LocaleItem::DefaultAnsiCodePage, "1255" },
            { LocaleItem::EnglishLanguageName, "Hebrew" },
            { LocaleItem::IsoLanguageName, "he" },
            { LocaleItem::TimeFormat, "1" },
        });
}

TEST(LocaleItems, TwelveHourClocksReportDesignatorPlacement)
{
    // Korean puts the designator before the hour.
    ExpectItems(
        0x0412, { { LocaleItem::TimeFormat, "0" }, { LocaleItem::TimeMarkerPosition, "1" } });
}

TEST(LocaleItems, NoItemCarriesBidiMarks)
{
    for (const LocaleId id : { 0x0401, 0x040D }) {
        for (int i = 0; i < static_cast<int>(LocaleItem::ItemCount); ++i) {
            const std::u16string text = LocaleItemText(id, static_cast<LocaleItem>(i), u"");
            EXPECT_EQ(text.find_first_of(u"\u200E\u200F\u061C"), std::u16string::npos) << i;
        }
    }
}

TEST(LocaleItems, UnknownLocalesAndItemsGiveTheDefaultText)
{
    EXPECT_EQ(LocaleItemText(0x9999, LocaleItem::EnglishLanguageName, u"@*"), u"@*");
    EXPECT_EQ(LocaleItemText(0x9999, LocaleItem::DecimalSeparator, u" "), u" ");
    EXPECT_EQ(LocaleItemText(0x0407, static_cast<LocaleItem>(-1), u"0"), u"0");
    EXPECT_EQ(LocaleItemText(0x0407, LocaleItem::ItemCount, u"0"), u"0");
    EXPECT_EQ(LocaleItemAnsi(0x9999, LocaleItem::DefaultAnsiCodePage, "1252"), "1252");
    EXPECT_EQ(LocaleCodePageBits(0x9999), std::nullopt);
}

TEST(LocaleItems, ReservedIdsResolveToTheMachineDefaults)
{
    ScopedMachineLocale machine({ 0x0407, 0x0411, std::nullopt });
    EXPECT_EQ(LocaleItemText(kLocaleUserDefault, LocaleItem::IsoLanguageName, u""), u"de");
    EXPECT_EQ(LocaleItemText(kLocaleSystemDefault, LocaleItem::IsoLanguageName, u""), u"ja");
    // The localized country name is in the user's language.
    EXPECT_EQ(LocaleItemText(0x0409, LocaleItem::CountryName, u""), u"Vereinigte Staaten");
}

TEST(LocaleItems, AnsiTextsAreInTheLocalesCodePage)
{
    EXPECT_EQ(LocaleItemAnsi(0x0407, LocaleItem::CurrencySymbol, ""), "\x80");
    EXPECT_EQ(LocaleItemAnsi(0x0407, LongMonthNameItem(3), ""), "M\xE4rz");
    EXPECT_EQ(LocaleItemAnsi(0x0419, LongMonthNameItem(1), ""), "\xFF\xED\xE2\xE0\xF0\xFC");
    EXPECT_EQ(LocaleItemAnsi(0x0411, LocaleItem::AmDesignator, ""), "\x8C\xDF\x91\x4F");
}

TEST(LocaleItems, MonthAndDayItemsStayInRange)
{
    EXPECT_EQ(LongMonthNameItem(0), LongMonthNameItem(1));
    EXPECT_EQ(LongMonthNameItem(13), LongMonthNameItem(12));
    EXPECT_EQ(ShortDayNameItem(8), ShortDayNameItem(7));
}

TEST(LocaleItems, CodePageBitsFollowTheDefaultCodePage)
{
    EXPECT_EQ(LocaleCodePageBits(0x0407), 0x1u);
    EXPECT_EQ(LocaleCodePageBits(0x0419), 0x4u);
    EXPECT_EQ(LocaleCodePageBits(0x0411), 1u << 17);
    EXPECT_EQ(LocaleCodePageBits(0x0404), 1u << 20);
    EXPECT_EQ(LocaleCodePageBits(0x042A), 1u << 8); // Vietnamese, 1258
    EXPECT_EQ(LocaleCodePageBits(0x041E), 1u << 16); // Thai, 874
    EXPECT_EQ(LocaleCodePageBits(0x0439), 0u); // Hindi is Unicode-only
}

} // namespace
} // namespace tankora

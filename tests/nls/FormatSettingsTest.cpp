#include "nls/FormatSettings.h"

#include "nls/NumberText.h"

#include <gtest/gtest.h>

namespace tankora {
namespace {

TEST(FormatSettings, GermanLocaleGivesWindowsGermanSettings)
{
    ScopedMachineLocale machine({ 0x0407, 0x0407, std::nullopt });
    const FormatSettings settings = FormatSettingsForLocale(kLocaleUserDefault);
    EXPECT_EQ(settings.DecimalSeparator, ',');
    EXPECT_EQ(settings.ThousandSeparator, '.');
    EXPECT_EQ(settings.DateSeparator, '.');
    EXPECT_EQ(settings.TimeSeparator, ':');
    EXPECT_EQ(settings.CurrencyString, "\x80");
    EXPECT_EQ(settings.CurrencyFormat, 3);
    EXPECT_EQ(settings.NegCurrFormat, 8);
    EXPECT_EQ(settings.CurrencyDecimals, 2);
    EXPECT_EQ(settings.ShortDateFormat, "dd.MM.yyyy");
    EXPECT_EQ(settings.LongDateFormat, "dddd, d. MMMM yyyy");
    EXPECT_EQ(settings.ShortTimeFormat, "hh:mm");
    EXPECT_EQ(settings.LongTimeFormat, "hh:mm:ss");
    EXPECT_EQ(settings.LongMonthNames[2], "M\xE4rz");
    EXPECT_EQ(settings.ShortMonthNames[11], "Dez");
    EXPECT_EQ(settings.LongDayNames[0], "Sonntag");
    EXPECT_EQ(settings.LongDayNames[1], "Montag");
    EXPECT_EQ(settings.ShortDayNames[6], "Sa");
    EXPECT_EQ(settings.DefaultLocaleId, 0x0407);
    EXPECT_EQ(settings.PrimaryLanguageId, 7);
    EXPECT_EQ(settings.SubLanguageId, 1);
    EXPECT_FALSE(settings.FarEast);
}

TEST(FormatSettings, TimeFormatsFollowClockAndDesignatorPosition)
{
    ScopedMachineLocale machine({ 0x0409, 0x0409, std::nullopt });
    const FormatSettings english = FormatSettingsForLocale(0x0409);
    EXPECT_EQ(english.ShortTimeFormat, "h:mm AMPM");
    EXPECT_EQ(english.LongTimeFormat, "h:mm:ss AMPM");
    EXPECT_EQ(english.TimeAMString, "AM");
    const FormatSettings korean = FormatSettingsForLocale(0x0412);
    EXPECT_EQ(korean.LongTimeFormat, "AMPM h:mm:ss");
}

TEST(FormatSettings, TextsAreInTheActiveCodePage)
{
    ScopedMachineLocale machine({ 0x0411, 0x0411, std::nullopt });
    const FormatSettings japanese = FormatSettingsForLocale(0x0411);
    EXPECT_EQ(japanese.TimeAMString, "\x8C\xDF\x91\x4F");
    EXPECT_TRUE(japanese.FarEast);
    // Under a Western code page the same names cannot be shown.
    ScopedMachineLocale western({ 0x0411, 0x0409, std::nullopt });
    EXPECT_EQ(FormatSettingsForLocale(0x0411).TimeAMString, "??");
}

TEST(FormatSettings, UnknownLocaleGivesEnglishUnitedStates)
{
    const FormatSettings settings = FormatSettingsForLocale(0x9999);
    EXPECT_EQ(settings.DefaultLocaleId, 0x0409);
    EXPECT_EQ(settings.DecimalSeparator, '.');
    EXPECT_EQ(settings.ShortDateFormat, "M/d/yyyy");
}

TEST(FormatSettings, ProcessSettingsFollowTheUserLocaleAndDriveNumberText)
{
    ScopedMachineLocale machine({ 0x0407, 0x0409, std::nullopt });
    ResetProcessFormatSettings();
    EXPECT_EQ(ProcessFormatSettings().DecimalSeparator, ',');
    EXPECT_EQ(FormatDecimals(1.5, 4), "1,5000");
    EXPECT_EQ(ParseNumber("1,5"), 1.5);
    EXPECT_EQ(ParseNumber("1.5"), std::nullopt);
    ProcessFormatSettings().DecimalSeparator = '.';
    EXPECT_EQ(FormatGeneral15(2.5), "2.5");
    EXPECT_EQ(FormatFixed15(1.0 / 3.0, 15), "0.333333333333333");
    ScopedMachineLocale english({ 0x0409, 0x0409, std::nullopt });
    ResetProcessFormatSettings();
}

} // namespace
} // namespace tankora

#include "l10n/dictionary/Dictionary.h"
#include "l10n/dictionary/NlsServices_p.h"
#include "l10n/dictionary/PropInfoList_p.h"

#include "framework/controls/Label.h"
#include "framework/core/Exceptions.h"
#include "nls/Nls.h"

#include <QObject>

#include <gtest/gtest.h>

using namespace std::chrono;

namespace {

// German user and system locale, code page 1252, whatever the machine says.
tankora::MachineLocale GermanMachine()
{
    return { 0x0407, 0x0407, 1252 };
}

TIvLanguage Language(int primary, int defaultSub, const std::string& subs, int codePage)
{
    return TIvLanguage(primary, defaultSub, codePage, subs, {}, {}, {}, 0, 0);
}

} // namespace

TEST(Identifiers, ArithmeticFollowsTheWindowsLayout)
{
    EXPECT_EQ(MakeLocaleId(MakeLangId(0, 1), 0), 0x400);
    EXPECT_EQ(MakeLangId(9, 1), 0x409);
    EXPECT_EQ(MakeLocaleId(0x0804, 2), 0x20804);
    EXPECT_EQ(PrimaryLangId(0x20C0A), 0x0A);
    EXPECT_EQ(SubLangId(0x20C0A), 3);
    EXPECT_EQ(SubLangId(0xFC00 | 0x3FF), 63);
}

TEST(Identifiers, ReservedIdsResolveToTheMachineDefaults)
{
    const tankora::ScopedMachineLocale machine({ 0x0407, 0x0419, 1252 });
    EXPECT_EQ(ResolveLocaleId(0x400), 0x0407);
    EXPECT_EQ(ResolveLocaleId(0x800), 0x0419);
    EXPECT_EQ(ResolveLocaleId(0), 0);
    EXPECT_EQ(ResolveLocaleId(0x040C), 0x040C);
}

TEST(CodePages, LocaleCharsetFollowsTheFontSignature)
{
    EXPECT_EQ(LocaleCharset(0x0419), 204);
    EXPECT_EQ(LocaleCharset(0x0411), 128);
    EXPECT_EQ(LocaleCharset(0x0407), 0);
    EXPECT_EQ(LocaleCharset(0x03FF), 0) << "unknown locale: the entry of bit 0";
    EXPECT_EQ(CharsetTableEntry(40).CodePage, 0) << "a bit outside the word";
}

TEST(CodePages, DefaultAnsiCodePageFallsBackByLanguage)
{
    EXPECT_EQ(DefaultAnsiCodePage(0x0419), 1251);
    EXPECT_EQ(DefaultAnsiCodePage(0x0404), 950);
    // Ids the platform has no code page for take the fallback table.
    EXPECT_EQ(DefaultAnsiCodePage(MakeLangId(4, 3)), 950);
    EXPECT_EQ(DefaultAnsiCodePage(MakeLangId(4, 40)), 936);
    EXPECT_EQ(DefaultAnsiCodePage(MakeLangId(26, 40)), 1251);
    EXPECT_EQ(DefaultAnsiCodePage(MakeLangId(42, 40)), 1258);
    EXPECT_EQ(DefaultAnsiCodePage(MakeLangId(1000, 1)), 1252);
}

TEST(ReadingOrder, OnlyArabicHebrewAndFarsiAreRightToLeft)
{
    for (const int primary : { 1, 13, 41 })
        EXPECT_TRUE(IsRightToLeft(MakeLangId(primary, 1))) << primary;
    for (const int primary : { 4, 17, 18 })
        EXPECT_EQ(BiDiKind(MakeLangId(primary, 1)), 1) << primary;
    EXPECT_EQ(BiDiKind(0x0407), 0);
}

TEST(Euro, PhasesChangeOnTheThreeDates)
{
    EXPECT_EQ(EuroDatePhaseOn(year { 1998 } / December / 31), 1);
    EXPECT_EQ(EuroDatePhaseOn(year { 1999 } / January / 1), 2);
    EXPECT_EQ(EuroDatePhaseOn(year { 2001 } / December / 31), 2);
    EXPECT_EQ(EuroDatePhaseOn(year { 2002 } / January / 1), 3);
    EXPECT_EQ(EuroDatePhaseOn(year { 2002 } / June / 30), 3);
    EXPECT_EQ(EuroDatePhaseOn(year { 2002 } / July / 1), 4);
}

TEST(Euro, CurrencySymbolByDateAndMode)
{
    TIvLocale france;
    france.PrimaryLanguage = 12;
    france.SubLanguage = 1;
    france.CurrencyString = "F";
    TIvLocale monaco = france;
    monaco.SubLanguage = 6; // not in the table
    struct Case
    {
        year_month_day date;
        TIvEuro mode;
        const char* expected;
    };
    const Case cases[] = {
        { year { 1998 } / December / 31, iveBusiness, "F" },
        { year { 1999 } / January / 1, iveBusiness, "\x80" },
        { year { 1999 } / January / 1, iveNormal, "F" },
        { year { 2001 } / December / 31, iveNormal, "F" },
        { year { 2002 } / January / 1, iveNormal, "\x80" },
        { year { 2026 } / December / 8, iveIgnore, "F" },
    };
    for (const Case& c : cases) {
        SetEuroDateForTesting(c.date);
        EXPECT_EQ(france.CurrencySymbol(c.mode), c.expected) << static_cast<int>(c.date.year());
        EXPECT_EQ(monaco.CurrencySymbol(c.mode), "F");
    }
    SetEuroDateForTesting(std::nullopt);
    EXPECT_EQ(france.EuroPhase(), 4) << "today is after mid-2002";
    EXPECT_TRUE(IsEuroCountry(0x0C07));
    EXPECT_FALSE(IsEuroCountry(0x0807));
    EXPECT_TRUE(IsEuroCountry(0x1809));
}

TEST(Entries, KeyJoinsTextsWithCharacter127)
{
    EXPECT_EQ(TIvTranslation::MakeKey("OK", "", ""), "OK\x7F");
    EXPECT_EQ(TIvTranslation("OK", "TForm1", "Button1").Key(), "OK\x7FTForm1Button1");
    TIvContext pair;
    pair.Context = "c";
    pair.Clear();
    EXPECT_EQ(pair.Context, "");
    const int expected[] = { 0, 3, 2, 1, 0 };
    for (int kind = 0; kind <= 4; ++kind)
        EXPECT_EQ(TIvContext::FlagsOfKind(kind), expected[kind]) << kind;
}

TEST(Language, SubLanguageTextKeepsValuesAboveZero)
{
    TIvLanguage language;
    language.SetSubLanguagesText("1,0,3");
    EXPECT_EQ(language.GetSubLanguagesText(), "1,3");
    language.SetSubLanguagesText("");
    EXPECT_EQ(language.SubLanguageCount(), 0);
    language.SetSubLanguagesText("2,");
    EXPECT_EQ(language.SubLanguageCount(), 1);
    EXPECT_EQ(language.SubLanguageAt(0), 2);
    EXPECT_THROW(language.SetSubLanguagesText("4,x,5"), EConvertError);
    EXPECT_EQ(language.GetSubLanguagesText(), "4") << "items before the bad token stay";
    EXPECT_THROW(language.SubLanguageAt(1), ERangeError);
    language.SetSubLanguageNamesText("a,,b");
    EXPECT_EQ(language.SubLanguageNames, (std::vector<std::string> { "a", "", "b" }));
}

TEST(Language, SelectSubLanguageAcceptsOnlyListedValues)
{
    TIvLanguage listed = Language(7, 1, "1,2", 1252);
    listed.SelectSubLanguage(5);
    EXPECT_EQ(listed.SubLanguage, 1);
    listed.SelectSubLanguage(2);
    EXPECT_EQ(listed.SubLanguage, 2);
    listed.SelectSubLanguage(-1);
    EXPECT_EQ(listed.SubLanguage, 1);
    TIvLanguage open = Language(7, 1, "", 1252);
    open.SelectSubLanguage(5);
    EXPECT_EQ(open.SubLanguage, 5);
    EXPECT_EQ(open.SelectedLocaleId(), 0x1407);
}

TEST(Language, QueryLocaleIdPicksChineseAndSerbianByCodePage)
{
    EXPECT_EQ(Language(4, 0, "", 950).QueryLocaleId(), 0x0404);
    EXPECT_EQ(Language(4, 0, "", 936).QueryLocaleId(), 0x0804);
    EXPECT_EQ(Language(26, 0, "", 1250).QueryLocaleId(), 0x041A);
    EXPECT_EQ(Language(26, 0, "", 1251).QueryLocaleId(), 0x0C1A);
    EXPECT_EQ(Language(7, 1, "3,1", 1252).QueryLocaleId(), 0x0C07) << "first listed sub";
    EXPECT_EQ(Language(0, 1, "", 1252).QueryLocaleId(), 0);
}

TEST(Language, CodePageSetsCharsetOnlyWhileUnset)
{
    TIvLanguage language;
    language.SetCodePage(1251);
    EXPECT_EQ(language.Charset, 204);
    language.SetCodePage(1253);
    EXPECT_EQ(language.Charset, 204);
    language.SetFlags(0xFF);
    EXPECT_EQ(language.Flags, 3);
    // A code page without a character set of its own gets the default one.
    TIvLanguage dos;
    dos.SetCodePage(437);
    EXPECT_EQ(dos.Charset, 1);
    TIvLanguage johab;
    johab.SetCodePage(1361);
    EXPECT_EQ(johab.Charset, 130);
}

TEST(Language, CompletingNativeAndRealLanguages)
{
    const tankora::ScopedMachineLocale machine(GermanMachine());
    TIvLanguage native = Language(-3, 4, "1,2", 0);
    native.Complete();
    EXPECT_EQ(native.PrimaryLanguage, 0);
    EXPECT_EQ(native.DefaultSubLanguage, 0);
    EXPECT_EQ(native.SubLanguageCount(), 0);
    EXPECT_EQ(native.Flags, kFlagCodePageIndependent);
    EXPECT_EQ(native.NativeName, "Native");
    EXPECT_EQ(native.DefaultLocaleId(), 0);

    TIvLanguage russian = Language(25, 0, "", 0);
    russian.Complete();
    EXPECT_EQ(russian.DefaultSubLanguage, 1);
    EXPECT_EQ(russian.SubLanguage, 1);
    EXPECT_EQ(russian.CodePage, 1251);
    EXPECT_EQ(russian.Charset, 204);
    EXPECT_EQ(russian.EnglishName, "Russian");
    EXPECT_EQ(russian.IsoLanguageName, "ru");
    EXPECT_EQ(russian.NativeName, "\xF0\xF3\xF1\xF1\xEA\xE8\xE9") << "in code page 1251";

    TIvLanguage german = Language(7, 0, "3", 1252);
    german.EnglishName = "Deutsch (kept)";
    german.Complete();
    EXPECT_EQ(german.DefaultSubLanguage, 3) << "the first listed sub-language";
    EXPECT_EQ(german.EnglishName, "Deutsch (kept)");
    EXPECT_EQ(german.IsoCountryName, "AT");
}

TEST(Language, ChineseNameIsSimplifiedBecauseTheCodePageComesAfterTheName)
{
    // The default sub-language becomes 1 first, so the platform is asked about
    // Taiwan (code page 950), yet the name was built while the code page was 0.
    TIvLanguage chinese = Language(4, 0, "", 0);
    chinese.Complete();
    EXPECT_EQ(chinese.EnglishName, "Chinese, Simplified");
    EXPECT_EQ(chinese.CodePage, 950);
    TIvLanguage traditional = Language(4, 0, "", 950);
    traditional.Complete();
    EXPECT_EQ(traditional.EnglishName, "Chinese, Traditional");
}

TEST(Language, NativeDefaultLocaleUsesTheNativePrimary)
{
    // Before completion a native record may carry a default sub-language; its
    // locale id keeps primary 0 rather than naming a real language.
    const TIvLanguage native = Language(0, 1, "", 0);
    EXPECT_EQ(native.DefaultLocaleId(), 0x400);
}

TEST(Names, LanguageNamesByPrimaryLanguage)
{
    EXPECT_EQ(TIvLanguage::BuildLanguageName("Spanish - Modern Sort", 10, 1252, nullptr, false),
        "Spanish");
    EXPECT_EQ(TIvLanguage::BuildLanguageName("Norwegian (Bokmal)", 20, 1252, nullptr, false),
        "Norwegian");
    EXPECT_EQ(TIvLanguage::BuildLanguageName("Korean (Johab)", 18, 1361, nullptr, false),
        "Korean , Johab");
    EXPECT_EQ(TIvLanguage::BuildLanguageName("Korean", 18, 949, nullptr, false), "Korean");
    EXPECT_EQ(TIvLanguage::BuildLanguageName("German (Standard)", 7, 1252, nullptr, true),
        "German (Standard)");
}

TEST(Names, GetNameChoosesTheStoredNameByKind)
{
    TIvLanguage chinese(4, 2, 936, "2", "Chinese (PRC)", "Zhongwen (PRC)", {}, 0, 0);
    std::string name = "unchanged";
    chinese.GetName(3, nullptr, name);
    EXPECT_EQ(name, "unchanged");
    chinese.GetName(0, nullptr, name);
    EXPECT_EQ(name, "Chinese , Simplified");
    chinese.GetName(1, nullptr, name);
    EXPECT_EQ(name, "Zhongwen , Simplified");
    // With no dictionary registered, translating leaves the pieces as they are.
    chinese.GetName(2, nullptr, name);
    EXPECT_EQ(name, "Chinese , Simplified");
}

TEST(Names, LocaleNamesByPrimaryAndSubLanguage)
{
    const auto name = [](const char* language, const char* country, int cp, int sub, int primary) {
        return TIvLocale::BuildLocaleName(language, country, cp, sub, primary, nullptr, false);
    };
    EXPECT_EQ(name("Norwegian Bokmal", "Norway", 1252, 1, 20), "Norwegian (Bokmal)");
    EXPECT_EQ(name("Norwegian Nynorsk", "Norway", 1252, 2, 20), "Norwegian (Nynorsk)");
    EXPECT_EQ(name("Croatian", "Croatia", 1250, 1, 26), "Croatian (Croatia)");
    EXPECT_EQ(name("Serbian", "Serbia", 1251, 3, 26), "Serbian (Serbia)");
    EXPECT_EQ(name("Serbian", "Serbia", 1250, 2, 26), "Serbian-Latin (Serbia)");
    EXPECT_EQ(name("Chinese (Taiwan)", "Taiwan", 950, 1, 4), "Chinese , Traditional (Taiwan)");
    EXPECT_EQ(name("Chinese", "China", 0, 2, 4), "Chinese (China)");
    EXPECT_EQ(name("Korean", "Korea", 1361, 2, 18), "Korean, Johab (Johab)");
    EXPECT_EQ(name("Spanish Traditional", "Spain", 1252, 1, 10), "Spanish (Spain)");
    EXPECT_EQ(name("German", "Germany", 1252, 0, 7), "German");
}

TEST(Locale, ReadSystemLocaleFillsKnownAndRefusesUnknownIds)
{
    const tankora::ScopedMachineLocale machine(GermanMachine());
    TIvLocale locale;
    locale.CurrencyString = "untouched";
    EXPECT_FALSE(ReadSystemLocale(0x03FF, locale));
    EXPECT_EQ(locale.CurrencyString, "untouched");

    ASSERT_TRUE(ReadSystemLocale(0x0407, locale));
    EXPECT_EQ(locale.PrimaryLanguage, 7);
    EXPECT_EQ(locale.SubLanguage, 1);
    EXPECT_EQ(locale.CodePage, 1252);
    EXPECT_EQ(locale.DecimalSeparator, ',');
    EXPECT_EQ(locale.ThousandSeparator, '.');
    EXPECT_EQ(locale.EnglishLanguageName, "German");
    EXPECT_EQ(locale.LongMonthNames[2], "M\xE4rz");
    EXPECT_EQ(locale.LongDayNames[0], "Montag");
    EXPECT_EQ(locale.CurrencyString, "\x80");
    EXPECT_EQ(locale.TimeFormat, 1);
    EXPECT_TRUE(locale.TimeLeadingZero);
    std::string shown;
    locale.GetName(0, nullptr, shown);
    EXPECT_EQ(shown, "German (Germany)");
    locale.GetName(7, nullptr, shown);
    EXPECT_EQ(shown, "German (Germany)") << "other kinds leave the name";
}

TEST(Locale, CompleteFillsNamesCodePageAndCharset)
{
    TIvLocale locale;
    locale.PrimaryLanguage = 25;
    locale.SubLanguage = 1;
    locale.EnglishCountryName = "kept";
    locale.Complete();
    EXPECT_EQ(locale.EnglishLanguageName, "Russian");
    EXPECT_EQ(locale.EnglishCountryName, "kept");
    EXPECT_EQ(locale.CodePage, 1251);
    EXPECT_EQ(locale.Charset, 204);
    const std::unique_ptr<TIvLocale> copy = locale.Clone();
    EXPECT_EQ(copy->EnglishLanguageName, "Russian");
}

TEST(Platform, ComparisonConversionAndSupport)
{
    const tankora::ScopedMachineLocale machine(GermanMachine());
    EXPECT_EQ(CompareTexts("a", "b", 0x0407), -1);
    EXPECT_EQ(CompareTexts("b", "a", 0x0407), 1);
    EXPECT_EQ(CompareTexts("a", "a", 0x0407), 0);
    EXPECT_EQ(WideToCodePage(u"", 1251), "");
    EXPECT_EQ(WideToCodePage(u"\u0416", 1251), "\xC6");
    EXPECT_EQ(WideToCodePage(u"\u0416", 0), "?") << "code page 0 is the active one";
    EXPECT_TRUE(IsCodePageSupported(0));
    EXPECT_TRUE(IsCodePageSupported(1250));
    EXPECT_FALSE(IsCodePageSupported(12345));
    EXPECT_THROW(WideToCodePage(u"x", 12345), Exception);
}

namespace {

class PropertyHolder : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QString Caption MEMBER m_caption)
    Q_PROPERTY(int Width MEMBER m_width)
    Q_PROPERTY(QObject* Font MEMBER m_font)
    Q_PROPERTY(double Ratio MEMBER m_ratio)
    Q_PROPERTY(QString Hint MEMBER m_hint)

    QString m_caption, m_hint;
    int m_width = 0;
    QObject* m_font = nullptr;
    double m_ratio = 0;
};

std::vector<std::string> NamesOf(const TIvPropInfoList& list)
{
    std::vector<std::string> names;
    for (int i = 0; i < list.Count(); ++i)
        names.emplace_back(list.Items(i).name());
    return names;
}

} // namespace

TEST(PropInfoList, ListsPublishedPropertiesOfTheKindsAskedInDeclarationOrder)
{
    PropertyHolder holder;
    const TIvPropInfoList texts(
        &holder, TypeKindBit(tkString) | TypeKindBit(tkClass) | TypeKindBit(tkLString));
    EXPECT_EQ(NamesOf(texts), (std::vector<std::string> { "Caption", "Font", "Hint" }))
        << "objectName is Qt's, not published";
    const TIvPropInfoList withIntegers(&holder, TypeKindBit(tkInteger) | TypeKindBit(tkLString));
    EXPECT_EQ(NamesOf(withIntegers), (std::vector<std::string> { "Caption", "Width", "Hint" }));
    EXPECT_EQ(TIvPropInfoList(nullptr, ~0u).Count(), 0);
    EXPECT_THROW(texts.Items(3), ERangeError);
}

TEST(PropInfoList, AControlListsExactlyItsPublishedProperties)
{
    // A widget carries dozens of Qt properties (toolTip, styleSheet,
    // windowTitle, ...); none of them is a translation target.
    TLabel label;
    const TIvPropInfoList everything(&label, ~0u);
    EXPECT_EQ(NamesOf(everything),
        (std::vector<std::string> { "Name", "Left", "Top", "Width", "Height", "Align", "Color",
            "Enabled", "Font", "ParentFont", "ParentShowHint", "Hint", "ShowHint", "TabOrder",
            "TabStop", "Visible", "Alignment", "AutoSize", "Caption", "Layout", "Transparent",
            "WordWrap" }));
    const TIvPropInfoList texts(&label, TypeKindBit(tkLString));
    EXPECT_EQ(NamesOf(texts), (std::vector<std::string> { "Name", "Hint", "Caption" }));
}

#include "DictionaryRecordsTest.moc"

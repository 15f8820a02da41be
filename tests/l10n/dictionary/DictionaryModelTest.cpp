// The dictionary model over a dictionary held in memory: choosing language
// and locale, the support checks against the machine's code page, the
// registry, what a change writes into the process, and attached translators.

#include "MemoryDictionary.h"

#include "framework/app/Application.h"
#include "nls/FormatSettings.h"
#include "nls/Nls.h"

#include <QMetaProperty>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace {

using tankora::MachineLocale;
using tankora::ScopedMachineLocale;

constexpr int kGerman = 0x0407;

// German user and system locale, code page 1252; every test leaves the
// process settings and reading direction as it found them.
class DictionaryModel : public ::testing::Test
{
protected:
    DictionaryModel()
        : m_machine(MachineLocale { kGerman, kGerman, 1252 })
    {
        tankora::ResetProcessFormatSettings();
    }
    ~DictionaryModel() override
    {
        tankora::ResetProcessFormatSettings();
        SetApplicationBiDiMode(tankora::bdLeftToRight);
    }

    // native, German (subs 1,2,3), German without subs, Russian (1251).
    static std::unique_ptr<TMemoryDictionary> Multilingual()
    {
        auto dictionary = std::make_unique<TMemoryDictionary>();
        dictionary->AddLanguage(NativeLanguage());
        dictionary->AddLanguage(MakeLanguage(7, 1, 1252, "1,2,3", "German"));
        dictionary->AddLanguage(MakeLanguage(7, 0, 1252, "", "German (any)"));
        dictionary->AddLanguage(MakeLanguage(25, 1, 1251, "1", "Russian"));
        return dictionary;
    }

private:
    ScopedMachineLocale m_machine;
};

void ExpectMessage(const std::function<void()>& action, const std::string& message)
{
    try {
        action();
        ADD_FAILURE() << "expected: " << message;
    } catch (const Exception& error) {
        EXPECT_EQ(error.Message(), message);
    }
}

TEST_F(DictionaryModel, NativeOnlyDictionaryOpensOnlyWhenTheNativeLanguageIsAskedFor)
{
    for (const TIvCheckLevel level : { ivclNone, ivclSystem, ivclCodePage }) {
        SCOPED_TRACE(level);
        TMemoryDictionary dictionary;
        dictionary.AddLanguage(NativeLanguage());
        dictionary.SetCheckLevel(level);
        EXPECT_EQ(dictionary.FindLanguageForLocale(kUserDefaultLocaleId), -1);
        EXPECT_EQ(dictionary.FirstSupportedLanguage(), -1);
        ExpectMessage(
            [&] { dictionary.Open(); }, "System does not support any language of the dicitonary!");
        EXPECT_FALSE(dictionary.Active());

        dictionary.SetLanguage(0);
        dictionary.Open();
        EXPECT_TRUE(dictionary.Active());
        EXPECT_EQ(dictionary.LanguageIndex(), 0);
    }
}

TEST_F(DictionaryModel, FindLanguageForLocaleRunsThreePasses)
{
    const auto dictionary = Multilingual();
    dictionary->ResetCounts();
    EXPECT_EQ(dictionary->FindLanguageForLocale(0), 0);
    EXPECT_EQ(dictionary->LanguageReads() + dictionary->LanguageListReads(), 0);

    EXPECT_EQ(dictionary->FindLanguageForLocale(0x0C07), 1); // sub 3 listed
    EXPECT_EQ(dictionary->FindLanguageForLocale(0x1407), 2); // sub 5: the one without subs
    EXPECT_EQ(dictionary->FindLanguageForLocale(kUserDefaultLocaleId), 1);
    EXPECT_EQ(dictionary->FindLanguageForLocale(0x040C), -1); // no French

    TMemoryDictionary onlyListed;
    onlyListed.AddLanguage(NativeLanguage());
    onlyListed.AddLanguage(MakeLanguage(7, 1, 1252, "1,2,3", "German"));
    EXPECT_EQ(onlyListed.FindLanguageForLocale(0x1407), 1); // third pass
}

TEST_F(DictionaryModel, ScansOverAllLanguagesReadTheListOnce)
{
    auto dictionary = Multilingual();
    dictionary->SetCheckLevel(ivclCodePage);
    {
        ScopedMachineLocale russian(MachineLocale { 0x0419, 0x0419, 1251 });
        dictionary->ResetCounts();
        EXPECT_EQ(dictionary->FirstSupportedLanguage(), 3);
        EXPECT_EQ(dictionary->LanguageListReads(), 1);
        EXPECT_EQ(dictionary->LanguageReads(), 0);
    }
    dictionary->ResetCounts();
    std::vector<TIvLanguageName> names;
    dictionary->GetLanguageNames(names, false);
    EXPECT_EQ(names,
        (std::vector<TIvLanguageName> { { "Native", 0 }, { "German", 7 }, { "Russian", 25 } }));
    EXPECT_EQ(dictionary->LanguageReads(), 0);
}

TEST_F(DictionaryModel, CheckLevelsAgainstTheActiveCodePage)
{
    struct Case
    {
        TIvCheckLevel level;
        int activeCodePage;
        int languageCodePage;
        const char* error; // empty: opens
    };
    const Case cases[] = {
        { ivclNone, 1252, 1251, "" },
        { ivclSystem, 1252, 1251, "" },
        { ivclSystem, 1252, 12345, "Russian is not supported by the system" },
        { ivclCodePage, 1252, 1251, "Russian is not supported by the code page" },
        { ivclCodePage, 1251, 1251, "" },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.level) + " " + std::to_string(c.activeCodePage) + " "
            + std::to_string(c.languageCodePage));
        ScopedMachineLocale machine(MachineLocale { 0x0419, 0x0419, c.activeCodePage });
        TMemoryDictionary dictionary;
        dictionary.AddLanguage(NativeLanguage());
        dictionary.AddLanguage(MakeLanguage(25, 1, c.languageCodePage, "1", "Russian"));
        dictionary.SetCheckLevel(c.level);
        dictionary.SetLanguage(1);
        if (*c.error) {
            ExpectMessage([&] { dictionary.Open(); }, c.error);
            EXPECT_FALSE(dictionary.Active());
            EXPECT_EQ(dictionary.CurrentLanguage().EnglishName, "Russian"); // left in place
        } else {
            dictionary.Open();
            EXPECT_TRUE(dictionary.Active());
        }
    }
}

TEST_F(DictionaryModel, LocaleChecksNameTheLocaleAsAskedFor)
{
    TMemoryDictionary dictionary;
    dictionary.AddLanguage(NativeLanguage());
    dictionary.AddLanguage(MakeLanguage(9, 1, 1252, "1", "English"));
    dictionary.SetBinding(ivbiNone);
    dictionary.SetLanguage(1);
    dictionary.SetLocale(0x0419); // Russian, code page 1251
    dictionary.SetCheckLevel(ivclCodePage);
    ExpectMessage(
        [&] { dictionary.Open(); }, "The locale (25, 1) is not supported by the current code page");
    EXPECT_FALSE(dictionary.Active());
    EXPECT_EQ(dictionary.ActiveLocale(), 0x0419); // left in place

    dictionary.SetCheckLevel(ivclSystem);
    dictionary.Open();
    EXPECT_EQ(dictionary.CurrentLocale().CodePage, 1251);
}

TEST_F(DictionaryModel, BindingDecidesWhichOfLanguageAndLocaleFollows)
{
    {
        auto dictionary = Multilingual(); // locale follows the language
        dictionary->SetLanguage(1);
        dictionary->Open();
        EXPECT_EQ(dictionary->ActiveLocale(), kGerman);
        EXPECT_EQ(dictionary->NativeSortLocale(), MakeLangId(9, 0));
    }
    {
        auto dictionary = Multilingual(); // language follows the locale
        dictionary->SetBinding(ivbiLanguageToLocale);
        dictionary->SetCheckLevel(ivclSystem);
        dictionary->SetLocale(0x0419);
        dictionary->Open();
        EXPECT_EQ(dictionary->LanguageIndex(), 3);
        EXPECT_EQ(dictionary->LanguageLocale(), 0x0419);

        dictionary->SetLocale(0x1407); // sub 5: pass 2 finds the German without subs
        EXPECT_EQ(dictionary->LanguageIndex(), 2);
        const int before = dictionary->LanguageIndex();
        dictionary->SetLocale(0x1407); // unchanged value: nothing
        EXPECT_EQ(dictionary->LanguageIndex(), before);
    }
}

TEST_F(DictionaryModel, RegistryNamesUnnamedDictionariesAfterTheCount)
{
    ASSERT_EQ(Dictionaries()->Count(), 0);
    EXPECT_EQ(DefaultDictionary(), nullptr);
    {
        TMemoryDictionary first;
        TMemoryDictionary second;
        EXPECT_EQ(first.DictionaryName(), "Dictionary1");
        EXPECT_EQ(second.DictionaryName(), "Dictionary2");
        EXPECT_EQ(DefaultDictionary(), &first);
        EXPECT_EQ(Dictionaries()->FindByName("Dictionary2"), &second);
        EXPECT_EQ(Dictionaries()->FindByName("dictionary2"), nullptr);
    }
    EXPECT_EQ(Dictionaries()->Count(), 0);
    {
        auto first = std::make_unique<TMemoryDictionary>();
        TMemoryDictionary second;
        first.reset();
        ASSERT_EQ(second.DictionaryName(), "Dictionary2");
        TMemoryDictionary third;
        EXPECT_EQ(third.DictionaryName(), "Dictionary3");
        EXPECT_EQ(DefaultDictionary(), &second);
    }
}

TEST_F(DictionaryModel, SetLanguageWhileActiveReannouncesAndRejectsBadIndexes)
{
    auto dictionary = Multilingual();
    dictionary->SetCheckLevel(ivclSystem);
    dictionary->SetLanguage(1);
    dictionary->Open();
    TRecordingListener listener;
    listener.AttachTo(*dictionary);
    listener.AttachTo(*dictionary); // once only
    int languageEvents = 0;
    int localeEvents = 0;
    QObject::connect(dictionary.get(), &TIvDictionary::OnLanguageChange,
        [&](QObject* sender) { languageEvents += sender == dictionary.get(); });
    QObject::connect(
        dictionary.get(), &TIvDictionary::OnLocaleChange, [&](QObject*) { ++localeEvents; });

    dictionary->SetLanguage(3);
    EXPECT_EQ(dictionary->LanguageIndex(), 3);
    EXPECT_EQ(dictionary->ActiveLocale(), 0x0419);
    EXPECT_EQ(listener.changes, (std::vector<std::pair<bool, bool>> { { true, true } }));
    dictionary->SetLanguage(2); // back to German: the locale changes too
    EXPECT_EQ(listener.changes.back(), std::make_pair(true, true));
    dictionary->SetLanguage(2); // unchanged: nothing
    EXPECT_EQ(listener.changes.size(), 2u);
    EXPECT_EQ(languageEvents, 2);
    EXPECT_EQ(localeEvents, 2);

    for (const int bad : { -3, 4 }) {
        ExpectMessage([&] { dictionary->SetLanguage(bad); },
            "Language index " + std::to_string(bad) + " is out of range");
        EXPECT_EQ(dictionary->Language(), 2);
        EXPECT_EQ(dictionary->LanguageIndex(), 2);
    }

    dictionary->SetOptions(dictionary->Options() & ~TIvDictionaryOptions(ivdoAutoTranslate));
    dictionary->SetLanguage(1);
    EXPECT_EQ(listener.changes.size(), 2u);
    EXPECT_EQ(languageEvents, 3);
}

TEST_F(DictionaryModel, CloseAndDestructionCloseEveryTranslator)
{
    auto dictionary = Multilingual();
    dictionary->SetLanguage(1);
    dictionary->Open();
    TRecordingListener polite;
    TRecordingListener stubborn(false); // never detaches itself
    polite.AttachTo(*dictionary);
    stubborn.AttachTo(*dictionary);
    dictionary->Close();
    EXPECT_FALSE(dictionary->Active());
    EXPECT_TRUE(dictionary->Translators().empty());
    EXPECT_EQ(polite.closes, 1);
    EXPECT_EQ(stubborn.closes, 1);
    EXPECT_EQ(dictionary->LanguageIndex(), 1); // stays as it was

    dictionary->Open();
    polite.AttachTo(*dictionary);
    dictionary.reset();
    EXPECT_EQ(polite.closes, 2);
}

TEST_F(DictionaryModel, FailedOpenDetachesAndEndsInactive)
{
    auto dictionary = Multilingual();
    dictionary->SetLanguage(7); // beyond the list: the dictionary's own error
    TRecordingListener listener;
    listener.AttachTo(*dictionary);
    EXPECT_THROW(dictionary->Open(), ERangeError);
    EXPECT_FALSE(dictionary->Active());
    EXPECT_TRUE(dictionary->Translators().empty());
    EXPECT_THROW(dictionary->GetLanguageInfo(4), ERangeError);
    EXPECT_EQ(dictionary->GetLanguageInfo(3).EnglishName, "Russian");
}

TEST_F(DictionaryModel, ChangeWritesTheLocaleIntoTheProcessSettings)
{
    auto dictionary = Multilingual();
    dictionary->SetLanguage(1);
    dictionary->Open();
    const tankora::FormatSettings& settings = tankora::ProcessFormatSettings();
    EXPECT_EQ(settings.DecimalSeparator, ',');
    EXPECT_EQ(settings.ThousandSeparator, '.');
    EXPECT_EQ(settings.DefaultLocaleId, kGerman);
    EXPECT_EQ(tankora::ThreadLocale(), kGerman);
    EXPECT_EQ(settings.LongDayNames[0], dictionary->CurrentLocale().LongDayNames[6]); // Sunday
    EXPECT_EQ(settings.LongDayNames[1], dictionary->CurrentLocale().LongDayNames[0]); // Monday
    EXPECT_EQ(settings.LongMonthNames, dictionary->CurrentLocale().LongMonthNames);
}

TEST_F(DictionaryModel, YearAndTimeFormatsFollowTheOptions)
{
    struct Case
    {
        bool year2000;
        std::string shortDate;
        std::string longDate;
        std::uint8_t timeFormat;
        std::uint8_t markerPosition;
        bool leadingZero;
        std::string shortDateWanted;
        std::string longDateWanted;
        std::string shortTime;
        std::string longTime;
    };
    const Case cases[] = {
        { true, "dd.MM.yy", "d. MMMM yyyy", 0, 1, false, "dd.MM.yyyy", "d. MMMM yyyy", "AMPM h:mm",
            "AMPM h:mm:ss" },
        { true, "d/M", "yy-MM-dd yy", 0, 0, true, "d/M", "yyyy-MM-dd yy", "hh:mm AMPM",
            "hh:mm:ss AMPM" },
        { false, "dd.MM.yy", "d. MMMM yy", 1, 0, true, "dd.MM.yy", "d. MMMM yy", "hh:mm",
            "hh:mm:ss" },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.shortDate + " / " + c.longDate);
        TIvLocale locale;
        ASSERT_TRUE(ReadSystemLocale(kGerman, locale));
        locale.ShortDateFormat = c.shortDate;
        locale.LongDateFormat = c.longDate;
        locale.TimeFormat = c.timeFormat;
        locale.TimeMarkerPosition = c.markerPosition;
        locale.TimeLeadingZero = c.leadingZero;
        auto dictionary = Multilingual();
        dictionary->AddLocale(locale);
        if (!c.year2000)
            dictionary->SetOptions(dictionary->Options() & ~TIvDictionaryOptions(ivdoYear2000));
        dictionary->SetLanguage(1);
        dictionary->Open();
        const tankora::FormatSettings& settings = tankora::ProcessFormatSettings();
        EXPECT_EQ(settings.ShortDateFormat, c.shortDateWanted);
        EXPECT_EQ(settings.LongDateFormat, c.longDateWanted);
        EXPECT_EQ(settings.ShortTimeFormat, c.shortTime);
        EXPECT_EQ(settings.LongTimeFormat, c.longTime);
    }
}

TEST_F(DictionaryModel, WithoutLocaleVariablesTheProcessSettingsStay)
{
    auto dictionary = Multilingual();
    dictionary->SetOptions(TIvDictionaryOptions(ivdoAutoTranslate));
    ScopedMachineLocale english(MachineLocale { 0x0409, 0x0409, 1252 });
    tankora::ResetProcessFormatSettings();
    dictionary->SetLanguage(1);
    dictionary->Open();
    EXPECT_EQ(tankora::ProcessFormatSettings().DecimalSeparator, '.');
    EXPECT_EQ(tankora::ThreadLocale(), kGerman); // the thread locale follows regardless
}

TEST_F(DictionaryModel, ReadingDirectionFollowsTheLanguage)
{
    TMemoryDictionary dictionary;
    dictionary.AddLanguage(NativeLanguage());
    dictionary.AddLanguage(MakeLanguage(9, 1, 1252, "1", "English"));
    dictionary.AddLanguage(MakeLanguage(1, 1, 1256, "1", "Arabic"));
    dictionary.SetCheckLevel(ivclNone);
    dictionary.SetLanguage(2);
    dictionary.Open();
    EXPECT_EQ(ApplicationBiDiMode(), tankora::bdRightToLeft);
    EXPECT_EQ(QGuiApplication::layoutDirection(), Qt::RightToLeft);
    dictionary.SetLanguage(1);
    EXPECT_EQ(ApplicationBiDiMode(), tankora::bdLeftToRight);
}

TEST_F(DictionaryModel, EuroModeIsProcessWideAndNeedsAResolvedLocale)
{
    const std::string before = tankora::ProcessFormatSettings().CurrencyString;
    auto dictionary = Multilingual();
    dictionary->SetEuro(iveIgnore); // no locale yet: the process symbol stays
    EXPECT_EQ(EuroMode(), iveIgnore);
    EXPECT_EQ(tankora::ProcessFormatSettings().CurrencyString, before);

    TIvLocale locale;
    ASSERT_TRUE(ReadSystemLocale(kGerman, locale));
    locale.CurrencyString = "DM";
    dictionary->AddLocale(locale);
    dictionary->SetLanguage(1);
    dictionary->Open();
    EXPECT_EQ(tankora::ProcessFormatSettings().CurrencyString, "DM");
    dictionary->SetEuro(iveNormal); // today the euro replaces the mark
    EXPECT_EQ(tankora::ProcessFormatSettings().CurrencyString, kEuroSign);
    dictionary->Close();
    dictionary->SetEuro(iveIgnore); // closed, but its locale is known
    EXPECT_EQ(tankora::ProcessFormatSettings().CurrencyString, "DM");
    dictionary->SetEuro(iveNormal);
}

TEST_F(DictionaryModel, LocaleAvailabilityIncludesTheDictionarysOwnLocales)
{
    auto dictionary = Multilingual();
    EXPECT_TRUE(dictionary->IsLocaleAvailable(kGerman));
    EXPECT_FALSE(dictionary->IsLocaleAvailable(0x7C07));
    TIvLocale invented;
    invented.PrimaryLanguage = 7;
    invented.SubLanguage = 31;
    dictionary->AddLocale(invented);
    EXPECT_TRUE(dictionary->IsLocaleAvailable(0x7C07));

    TIvLocale found;
    EXPECT_TRUE(dictionary->FindLocale(0x7C07, found));
    EXPECT_EQ(found.SubLanguage, 31);
}

TEST_F(DictionaryModel, EnumerationsAreReadByName)
{
    TMemoryDictionary dictionary;
    EXPECT_TRUE(dictionary.setProperty("MissingTranslation", "ivmtTagNative"));
    EXPECT_EQ(dictionary.MissingTranslation(), ivmtTagNative);
    const QMetaObject* meta = dictionary.metaObject();
    const QMetaProperty options = meta->property(meta->indexOfProperty("Options"));
    ASSERT_TRUE(options.isFlagType());
    bool ok = false;
    const int value = options.enumerator().keysToValue("ivdoAutoTranslate|ivdoYear2000", &ok);
    EXPECT_TRUE(ok);
    EXPECT_EQ(value, 6);
    EXPECT_EQ(dictionary.Options(), kAllDictionaryOptions);
    EXPECT_EQ(dictionary.CheckLevel(), ivclCodePage);
    EXPECT_EQ(dictionary.Binding(), ivbiLocaleToLanguage);
    EXPECT_EQ(dictionary.LocaleId(), kUserDefaultLocaleId);
    EXPECT_EQ(dictionary.SubLanguage(), 1);
}

} // namespace

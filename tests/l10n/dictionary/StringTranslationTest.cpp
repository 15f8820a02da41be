// Texts translated through a dictionary: the missing-translation policies,
// TranslateString over the registry, naming through a dictionary, and the
// translated display of exceptions.

#include "MemoryDictionary.h"

#include "l10n/dictionary/StringTranslation.h"

#include "framework/app/ExceptionHandler.h"
#include "framework/app/MessageBoxes.h"
#include "nls/FormatSettings.h"
#include "nls/Nls.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

using tankora::MachineLocale;
using tankora::ScopedMachineLocale;

class DictionaryStrings : public ::testing::Test
{
protected:
    DictionaryStrings()
        : m_machine(MachineLocale { 0x0407, 0x0407, 1252 })
    {
        tankora::ResetProcessFormatSettings();
    }
    ~DictionaryStrings() override { tankora::ResetProcessFormatSettings(); }

    // Native and German, with a few entries; "Vol In" is found but empty.
    static void Fill(TMemoryDictionary& dictionary)
    {
        dictionary.AddLanguage(NativeLanguage());
        dictionary.AddLanguage(MakeLanguage(7, 1, 1252, "1", "German", "Deutsch"));
        dictionary.AddEntry("Tank empty", "Tank leer");
        dictionary.AddEntry("Vol In", "");
        dictionary.AddEntry("German", "Deutsch");
        dictionary.AddEntry("Germany", "Deutschland");
        dictionary.AddEntry("Division by zero", "Division durch Null");
    }

private:
    ScopedMachineLocale m_machine;
};

std::string Outcome(const std::function<std::string()>& translate)
{
    try {
        return translate();
    } catch (const EIvMulti& error) {
        return "raised: " + error.Message();
    }
}

TEST_F(DictionaryStrings, MissingTranslationPolicies)
{
    struct Case
    {
        TIvMissingTranslation policy;
        const char* text;
        std::string wanted;
    };
    const Case cases[] = {
        { ivmtUseNative, "Tank empty", "Tank leer" },
        { ivmtUseNative, "Vol In", "Vol In" },
        { ivmtUseNative, "Check your inputs", "Check your inputs" },
        { ivmtUseNull, "Tank empty", "Tank leer" },
        { ivmtUseNull, "Vol In", "" },
        { ivmtUseNull, "Check your inputs", "" },
        { ivmtTagNative, "Tank empty", "Tank leer" },
        { ivmtTagNative, "Vol In", "@Vol In@" },
        { ivmtTagNative, "Check your inputs", "@Check your inputs@" },
        { ivmtRaiseException, "Tank empty", "Tank leer" },
        { ivmtRaiseException, "Vol In", "raised: Translation for the word \"Vol In\" is missing" },
        { ivmtRaiseException, "Check your inputs",
            "raised: Dictionary does not contain a translation for the word \"Check your "
            "inputs\"" },
    };
    TMemoryDictionary dictionary;
    Fill(dictionary);
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.policy) + " " + c.text);
        dictionary.SetMissingTranslation(c.policy);
        EXPECT_EQ(Outcome([&] { return TranslateText(&dictionary, c.text); }), c.wanted);
        EXPECT_EQ(Outcome([&] { return TranslateString(c.text); }), c.wanted);
    }

    dictionary.ResetCounts();
    EXPECT_EQ(TranslateText(&dictionary, ""), ""); // no lookup, nothing raised
    EXPECT_EQ(TranslateString(""), "");
    EXPECT_EQ(dictionary.Lookups(), 0);
    EXPECT_EQ(TranslateText(nullptr, "Tank empty"), "Tank empty");
}

TEST_F(DictionaryStrings, TranslateStringUsesTheFirstRegisteredDictionary)
{
    EXPECT_EQ(TranslateString("Tank empty"), "Tank empty"); // nothing registered
    TMemoryDictionary first; // not opened: finds what it holds
    Fill(first);
    TMemoryDictionary second;
    second.AddEntry("Tank empty", "Reservoir vide");
    EXPECT_EQ(TranslateString("Tank empty"), "Tank leer");
    EXPECT_EQ(TranslateString("Check your inputs"), "Check your inputs");
    EXPECT_FALSE(ResourceTranslationActive());
    first.SetLanguage(1);
    first.Open();
    EXPECT_TRUE(ResourceTranslationActive());
}

TEST_F(DictionaryStrings, NamesTranslatedThroughADictionary)
{
    TMemoryDictionary dictionary;
    Fill(dictionary);
    const TIvLanguage german = MakeLanguage(7, 1, 1252, "1", "German");
    std::string name;
    german.GetName(2, &dictionary, name);
    EXPECT_EQ(name, "Deutsch");
    german.GetName(2, nullptr, name); // the default dictionary
    EXPECT_EQ(name, "Deutsch");
    german.GetName(0, &dictionary, name);
    EXPECT_EQ(name, "German");

    EXPECT_EQ(TIvLocale::BuildLocaleName("German", "Germany", 1252, 1, 7, &dictionary, true),
        "Deutsch (Deutschland)");
    EXPECT_EQ(TIvLocale::BuildLocaleName("German", "Germany", 1252, 1, 7, &dictionary, false),
        "German (Germany)");
    EXPECT_EQ(TIvLanguage::BuildLanguageName("German", 7, 1252, nullptr, true), "Deutsch");

    TIvLocale locale;
    ASSERT_TRUE(ReadSystemLocale(0x0407, locale));
    locale.EnglishLanguageName = "German";
    locale.EnglishCountryName = "Germany";
    locale.GetName(2, &dictionary, name);
    EXPECT_EQ(name, "Deutsch (Deutschland)");
}

TEST_F(DictionaryStrings, ExceptionMessagesGetAPeriodUnlessTheyEndInOne)
{
    struct Case
    {
        const char* message;
        const char* shown;
        int codePage;
    };
    const Case cases[] = {
        { "Division by zero", "Division by zero.", 1252 }, { "Stop!", "Stop!", 1252 },
        { "Locale (7, 1)", "Locale (7, 1)", 1252 }, { "Done.", "Done.", 1252 }, { "", "", 1252 },
        { "Fehler \xE4", "Fehler \xE4.", 1252 },
        { "\x83\x47\x83\x89\x81\x5B", "\x83\x47\x83\x89\x81\x5B.", 932 }, // one double-byte "error"
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.message);
        ScopedMachineLocale machine(MachineLocale { 0x0407, 0x0407, c.codePage });
        TScopedMessageRecorder boxes;
        ShowTranslatedException(nullptr, Exception(c.message));
        ASSERT_EQ(boxes.Messages().size(), 1u);
        EXPECT_EQ(boxes.Messages()[0].text, c.shown);
        EXPECT_EQ(boxes.Messages()[0].type, TMsgDlgType::mtError);
    }
}

TEST_F(DictionaryStrings, CreatingADictionaryInstallsTheTranslatedExceptionDisplay)
{
    const TExceptionHandler previous = SetApplicationExceptionHandler({});
    {
        TMemoryDictionary dictionary;
        Fill(dictionary);
        EXPECT_TRUE(HasApplicationExceptionHandler());
        TScopedMessageRecorder boxes;
        HandleException(Exception("Division by zero"));
        dictionary.SetLanguage(1);
        dictionary.Open();
        HandleException(Exception("Division by zero"));
        ASSERT_EQ(boxes.Messages().size(), 2u);
        EXPECT_EQ(boxes.Messages()[0].text, "Division by zero.");
        EXPECT_EQ(boxes.Messages()[1].text, "Division durch Null.");
    }
    SetApplicationExceptionHandler(previous);
}

} // namespace

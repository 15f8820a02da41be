// The framework's resource strings and shortcut names while a dictionary
// that translates them is open, and after it closes.

#include "MemoryDictionary.h"

#include "l10n/dictionary/ResStringTranslation_p.h"

#include "framework/app/ResStrings.h"
#include "framework/app/ShortCuts.h"
#include "framework/core/Exceptions.h"
#include "framework/streams/FileStream.h"
#include "nls/Nls.h"

#include <gtest/gtest.h>

namespace {

using tankora::MachineLocale;
using tankora::ScopedMachineLocale;

const std::string kMissingFile = "/nonexistent/tankora/cylang.mld";

std::string OpenErrorMessage()
{
    try {
        TFileStream stream(kMissingFile, TFileStream::TMode::fmOpenRead);
    } catch (const EFOpenError& error) {
        return error.Message();
    }
    return "opened";
}

class ResStringTranslation : public ::testing::Test
{
protected:
    ResStringTranslation()
        : m_machine(MachineLocale { 0x0407, 0x0407, 1252 })
    {
        m_dictionary.AddLanguage(NativeLanguage());
        m_dictionary.AddLanguage(MakeLanguage(7, 1, 1252, "1", "German"));
        m_dictionary.AddEntry("Cannot open file %s",
            "Datei %s kann nicht ge\xF6"
            "ffnet werden");
        m_dictionary.AddEntry("Ctrl+", "Strg+");
        m_dictionary.AddEntry("Del", "Entf");
        m_dictionary.SetLanguage(1);
        m_dictionary.SetOptions(
            TIvDictionaryOptions(ivdoTranslateResourceStrings | ivdoUpdateLocaleVariables));
    }

    ScopedMachineLocale m_machine;
    TMemoryDictionary m_dictionary;
};

TEST_F(ResStringTranslation, FrameworkMessagesAreTranslatedOnlyWhileTheDictionaryIsOpen)
{
    EXPECT_EQ(OpenErrorMessage(), "Cannot open file " + kMissingFile);
    m_dictionary.Open();
    EXPECT_TRUE(ResourceHookInstalled());
    EXPECT_EQ(OpenErrorMessage(),
        "Datei " + kMissingFile
            + " kann nicht ge\xF6"
              "ffnet werden");
    EXPECT_EQ(ShortCutToText(scCtrl | 'A'), "Strg+A");
    EXPECT_EQ(ShortCutToText(scShift | scCtrl | 46), "Shift+Strg+Entf");
    // Each name is translated once: a translated name is not looked up again.
    m_dictionary.SetMissingTranslation(ivmtTagNative);
    EXPECT_EQ(ShortCutToText(scCtrl | scAlt | 'A'), "Strg+@Alt+@A");
    m_dictionary.SetMissingTranslation(ivmtUseNative);
    m_dictionary.Close();
    EXPECT_FALSE(ResourceHookInstalled());
    EXPECT_EQ(OpenErrorMessage(), "Cannot open file " + kMissingFile);
    EXPECT_EQ(ShortCutToText(scCtrl | 'A'), "Ctrl+A");
}

TEST_F(ResStringTranslation, WithoutTheOptionNothingIsRedirected)
{
    m_dictionary.SetOptions(TIvDictionaryOptions(ivdoUpdateLocaleVariables));
    m_dictionary.Open();
    EXPECT_FALSE(ResourceHookInstalled());
    EXPECT_EQ(OpenErrorMessage(), "Cannot open file " + kMissingFile);
    // Asked directly, the names are translated all the same.
    EXPECT_EQ(TranslatedShortCutToText(scCtrl | 'A'), "Strg+A");
}

// A dictionary whose lookup itself loads a resource string.
class TLoadingDictionary : public TMemoryDictionary
{
public:
    bool TranslateWithContext(const std::string& nativeText, const std::string& context,
        const std::string& subContext, std::string& translation) override
    {
        loadedDuringLookup = LoadResString(SReadError);
        return TMemoryDictionary::TranslateWithContext(
            nativeText, context, subContext, translation);
    }
    std::string loadedDuringLookup;
};

TEST(ResStringGuard, ATextLoadedWhileAnotherIsTranslatedStaysUntranslated)
{
    const ScopedMachineLocale machine(MachineLocale { 0x0407, 0x0407, 1252 });
    TLoadingDictionary dictionary;
    dictionary.AddLanguage(NativeLanguage());
    dictionary.AddLanguage(MakeLanguage(7, 1, 1252, "1", "German"));
    dictionary.AddEntry("Stream read error", "Lesefehler");
    dictionary.AddEntry("Stream write error", "Schreibfehler");
    dictionary.SetLanguage(1);
    dictionary.Open();
    EXPECT_EQ(LoadResString(SWriteError), "Schreibfehler");
    EXPECT_EQ(dictionary.loadedDuringLookup, "Stream read error");
    EXPECT_EQ(LoadResString(SReadError), "Lesefehler");

    // A translation that raises puts the guard back up.
    dictionary.SetMissingTranslation(ivmtRaiseException);
    EXPECT_THROW(LoadResString(SInvalidImage), EIvMulti);
    EXPECT_EQ(LoadResString(SReadError), "Lesefehler");
    dictionary.Close();
    EXPECT_EQ(LoadResString(SReadError), "Stream read error");
}

TEST(ShortCutNames, KeysModifiersAndTheEighteenSpecialNames)
{
    const char* names[] = { "BkSp", "Tab", "Esc", "Enter", "Space", "PgUp", "PgDn", "End", "Home",
        "Left", "Up", "Right", "Down", "Ins", "Del", "Shift+", "Ctrl+", "Alt+" };
    for (int i = 0; i < kSpecialKeyCount; ++i)
        EXPECT_EQ(SpecialKeyName(i), names[i]) << i;
    EXPECT_THROW(SpecialKeyName(18), ERangeError);

    const std::pair<TShortCut, const char*> cases[] = {
        { scCtrl | 65, "Ctrl+A" },
        { 113, "F2" },
        { 135, "F24" },
        { 0, "" },
        { scCtrl | 0, "" },
        { 0x6A, "" }, // the keypad's "Num *": longer than one character
        { 0x14, "" }, // Caps Lock
        { 8, "BkSp" },
        { 9, "Tab" },
        { 13, "Enter" },
        { 27, "Esc" },
        { 32, "Space" },
        { 40, "Down" },
        { 45, "Ins" },
        { scAlt | 0x62, "Alt+2" }, // keypad 2
        { scShift | scCtrl | scAlt | 0x37, "Shift+Ctrl+Alt+7" },
        { scShift | 0xBF, "Shift+/" },
    };
    for (const auto& [shortCut, text] : cases) {
        EXPECT_EQ(ShortCutToText(shortCut), text) << shortCut;
        EXPECT_EQ(TranslatedShortCutToText(shortCut), text) << shortCut;
    }
}

} // namespace

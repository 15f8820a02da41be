// A dictionary stored in a window's layout: its published properties are
// read by name through their setters and written back the same way.

#include "MemoryDictionary.h"

#include "framework/app/Forms.h"
#include "framework/core/ComponentRegistry.h"
#include "framework/layout/FormReader.h"
#include "framework/layout/FormText.h"
#include "framework/layout/FormWriter.h"
#include "framework/streams/MemoryStream.h"
#include "nls/Nls.h"

#include <gtest/gtest.h>

class TDictionaryHost : public TForm
{
    Q_OBJECT

public:
    using TForm::TForm;
    int languageChanges = 0;

public slots:
    void DictLanguageChange(QObject*) { ++languageChanges; }
};

namespace {

const char* const kLayout = R"(object DictionaryHost: TDictionaryHost
  object Dict: TMemoryDictionary
    DictionaryName = 'Main'
    PrimaryLanguage = 7
    SubLanguage = 3
    Language = 2
    Binding = ivbiLanguageToLocale
    Options = [ivdoAutoTranslate, ivdoYear2000]
    MissingTranslation = ivmtTagNative
    Euro = iveIgnore
    CheckLevel = ivclNone
    OnLanguageChange = DictLanguageChange
  end
end
)";

TEST(DictionaryLayout, PublishedPropertiesAreReadAndWrittenByName)
{
    const tankora::ScopedMachineLocale machine({ 0x0407, 0x0407, 1252 });
    RegisterClass<TMemoryDictionary>();
    TDictionaryHost host;
    TMemoryStream binary;
    FormTextToBinary(kLayout, binary);
    binary.SetPosition(0);
    ReadComponent(binary, host);

    auto* dictionary = static_cast<TMemoryDictionary*>(host.FindComponent("Dict"));
    ASSERT_NE(dictionary, nullptr);
    EXPECT_EQ(dictionary->DictionaryName(), "Main");
    EXPECT_EQ(Dictionaries()->FindByName("Main"), dictionary);
    EXPECT_EQ(dictionary->LocaleId(), 0x0C07); // stored while inactive
    EXPECT_EQ(dictionary->Language(), 2);
    EXPECT_EQ(dictionary->Binding(), ivbiLanguageToLocale);
    EXPECT_EQ(dictionary->Options(), TIvDictionaryOptions(ivdoAutoTranslate | ivdoYear2000));
    EXPECT_EQ(dictionary->MissingTranslation(), ivmtTagNative);
    EXPECT_EQ(dictionary->Euro(), iveIgnore);
    EXPECT_EQ(dictionary->CheckLevel(), ivclNone);
    EXPECT_FALSE(dictionary->Active());

    dictionary->AddLanguage(NativeLanguage());
    dictionary->AddLanguage(MakeLanguage(7, 1, 1252, "1,2,3", "German"));
    dictionary->Open(); // language follows the stored locale, not the stored index
    EXPECT_EQ(dictionary->LanguageIndex(), 1);
    EXPECT_EQ(host.languageChanges, 1);

    TMemoryStream written;
    WriteComponent(written, host);
    written.SetPosition(0);
    const std::string text = FormBinaryToText(written);
    for (const char* line : { "Binding = ivbiLanguageToLocale",
             "Options = [ivdoAutoTranslate, ivdoYear2000]", "MissingTranslation = ivmtTagNative",
             "Euro = iveIgnore", "CheckLevel = ivclNone", "OnLanguageChange = DictLanguageChange" })
        EXPECT_NE(text.find(line), std::string::npos) << line << "\n" << text;
}

} // namespace

#include "DictionaryLayoutTest.moc"

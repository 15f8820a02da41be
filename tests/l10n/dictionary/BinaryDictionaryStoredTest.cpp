// The binary dictionary with its data embedded in a stored layout: written
// at design time from an MLD file, loaded with the form, answering exactly as
// the file does.

#include "l10n/dictionary/BinaryDictionary.h"

#include "../mld/MldTestImages.h"
#include "GermanMachine.h"
#include "StoredDictionaryHost.h"

#include "l10n/dictionary/StoredDataReader.h"

#include "framework/app/MessageBoxes.h"
#include "framework/core/ComponentRegistry.h"
#include "framework/core/Exceptions.h"
#include "framework/layout/FormReader.h"
#include "framework/layout/FormWriter.h"
#include "framework/layout/Reader.h"
#include "framework/layout/Writer.h"
#include "framework/streams/MemoryStream.h"

#include <gtest/gtest.h>

#include <fstream>
#include <functional>

using namespace tankora::test;

namespace {

class StoredDictionary : public ::testing::Test
{
protected:
    StoredDictionary() { RegisterClass<TIvBinaryDictionary>(); }

    // The host read from its stored layout, and its dictionary.
    TIvBinaryDictionary& LoadHost()
    {
        ReadComponentResource(m_host, "TStoredDictionaryHost");
        auto* dictionary = dynamic_cast<TIvBinaryDictionary*>(
            m_host.FindComponent(QStringLiteral("Dictionary1")));
        if (!dictionary)
            throw std::runtime_error("no dictionary in the stored layout");
        return *dictionary;
    }

    // The bytes a designer would store for a host whose embedded dictionary
    // takes its data from fileName.
    static std::string StoreWithFile(const std::string& fileName)
    {
        TStoredDictionaryHost host;
        host.SetName(QStringLiteral("Host"));
        auto* dictionary = new TIvBinaryDictionary(&host);
        dictionary->SetName(QStringLiteral("Dictionary1"));
        dictionary->SetStorage(ivsEmbedded);
        dictionary->SetFileName(fileName);
        TMemoryStream stream;
        WriteComponent(stream, host);
        return stream.Bytes().toStdString();
    }

private:
    TGermanMachine m_machine;
    TStoredDictionaryHost m_host;
};

} // namespace

TEST_F(StoredDictionary, AnswersExactlyAsTheFileItWasWrittenFrom)
{
    TIvBinaryDictionary& stored = LoadHost();
    EXPECT_EQ(stored.Storage(), ivsEmbedded);
    EXPECT_EQ(stored.StoredLanguageCount(), 3);
    EXPECT_EQ(stored.StoredTranslationCount(), 6);
    EXPECT_EQ(stored.StoredLocaleCount(), 1);

    TIvBinaryDictionary file;
    file.SetFileName(TANKORA_STORED_DICTIONARY_IMAGE);
    for (TIvBinaryDictionary* d : { &stored, &file })
        d->SetCheckLevel(ivclNone);
    for (int language = 0; language < 3; ++language) {
        SCOPED_TRACE(language);
        for (TIvBinaryDictionary* d : { &stored, &file }) {
            d->Close();
            d->SetLanguage(language);
            d->Open();
            ASSERT_TRUE(d->Active());
        }
        EXPECT_EQ(stored.ContextSensitive(), file.ContextSensitive());
        EXPECT_EQ(stored.CurrentLanguage().EnglishName, file.CurrentLanguage().EnglishName);
        EXPECT_EQ(stored.CurrentLanguage().CodePage, file.CurrentLanguage().CodePage);
        ASSERT_EQ(stored.EntryCount(), file.EntryCount());
        for (int i = 0; i < file.EntryCount(); ++i) {
            const TIvTranslation e = file.Entry(i);
            std::string fromStored, fromFile;
            EXPECT_EQ(
                stored.TranslateWithContext(e.NativeText, e.Context, e.SubContext, fromStored),
                file.TranslateWithContext(e.NativeText, e.Context, e.SubContext, fromFile));
            EXPECT_EQ(fromStored, fromFile) << e.NativeText;
            EXPECT_EQ(TranslateText(&stored, e.NativeText), TranslateText(&file, e.NativeText));
        }
        EXPECT_EQ(TranslateText(&stored, "Absent"), "Absent");
    }
    TIvLocale fromStored, fromFile;
    stored.GetLocale(0, fromStored);
    file.GetLocale(0, fromFile);
    EXPECT_EQ(fromStored.DecimalSeparator, ',');
    EXPECT_EQ(fromStored.ShortDateFormat, fromFile.ShortDateFormat);
    EXPECT_EQ(fromStored.LongMonthNames, fromFile.LongMonthNames);
    EXPECT_EQ(fromStored.CurrencyString, fromFile.CurrencyString);
    TIvLanguageList languages;
    stored.GetLanguages(languages);
    ASSERT_EQ(languages.size(), 3u);
    EXPECT_EQ(languages[1]->GetSubLanguagesText(), "1,2,3");
}

TEST_F(StoredDictionary, RenamedComponentFindsNoStoredData)
{
    TIvBinaryDictionary& stored = LoadHost();
    stored.SetName(QStringLiteral("Renamed"));
    TIvLanguage language;
    EXPECT_EQ(ErrorOf([&] { stored.GetLanguage(1, language); }), kCouldNotFindProperty);
    TIvLocale locale;
    EXPECT_EQ(ErrorOf([&] { stored.GetLocale(0, locale); }), kNoDictionaryData);
    EXPECT_EQ(ErrorOf([&] { stored.Open(); }), kCouldNotFindProperty);
    EXPECT_FALSE(stored.Active());
}

TEST_F(StoredDictionary, UnicodeOrMissingFileStoresNoData)
{
    nlohmann::json description = ExampleDescription();
    description["header"]["ansiStrings"] = false;
    const std::string unicode = TempPath("unicode.mld");
    std::ofstream(unicode, std::ios::binary) << Build(description);
    const std::string missing = TempPath("missing.mld");

    for (const auto& [file, caption] : { std::pair { unicode, "Unicode not supported" },
             std::pair { missing, "File not found" } }) {
        TScopedMessageRecorder boxes;
        const std::string bytes = StoreWithFile(file);
        ASSERT_EQ(boxes.Messages().size(), 1u);
        EXPECT_EQ(boxes.Messages()[0].caption, caption);
        EXPECT_NE(boxes.Messages()[0].text.find(file + ". No dictionary data was stored!"),
            std::string::npos);
        for (const char* property : { "Languages", "Translations", "Locales" })
            EXPECT_EQ(bytes.find(property), std::string::npos) << property;
    }
}

TEST_F(StoredDictionary, StoredEntriesCarryOneContextForKindsTwoAndThree)
{
    for (const int kind : { 2, 3 }) {
        TMemoryStream stream;
        TWriter w(stream);
        w.WriteListBegin(); // "Languages": two
        w.WriteInteger(2);
        w.WriteInteger(2);
        WriteLanguageItem(w, TIvLanguage(0, 0, 1252, "", "Native", "Native", "", 0, 0));
        WriteLanguageItem(w, TIvLanguage(7, 1, 1252, "", "German", "Deutsch", "", 0, 0));
        w.WriteListEnd();
        w.WriteListBegin(); // "Translations"
        w.WriteInteger(2);
        w.WriteInteger(kind);
        w.WriteInteger(2);
        for (const char* native : { "Calculate", "Volume" }) {
            w.WriteListBegin();
            for (const char* text : { native, "OneContext", "Translated" })
                w.WriteString(text);
            w.WriteListEnd();
        }
        w.WriteListEnd();
        w.WriteInteger(77); // what follows the property
        stream.SetPosition(0);

        TIvBinaryDictionary dictionary;
        TReader reader(stream);
        dictionary.ReadStoredLanguages(reader);
        dictionary.ReadStoredTranslations(reader);
        EXPECT_EQ(dictionary.StoredLanguageCount(), 2);
        EXPECT_EQ(dictionary.StoredTranslationCount(), 2);
        EXPECT_EQ(reader.ReadInteger(), 77) << kind;
    }
}

TEST_F(StoredDictionary, TranslationDataOfALaterVersionIsRefused)
{
    TMemoryStream stream;
    TWriter w(stream);
    w.WriteListBegin();
    w.WriteInteger(3);
    stream.SetPosition(0);
    TIvBinaryDictionary dictionary;
    TReader reader(stream);
    EXPECT_EQ(ErrorOf([&] { dictionary.ReadStoredTranslations(reader); }),
        "Unknown translation data version: 3");
}

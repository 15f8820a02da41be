// The binary dictionary over MLD files and the linked-in image: what it
// reads, how it fails, and what a failed open leaves behind.

#include "l10n/dictionary/BinaryDictionary.h"

#include "../mld/MldTestImages.h"
#include "GermanMachine.h"
#include "MemoryDictionary.h"

#include "framework/core/Exceptions.h"
#include "nls/CodePages.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>

using namespace tankora::test;
using nlohmann::json;

namespace {

class BinaryDictionary : public ::testing::Test
{
protected:
    std::string WriteImage(const std::string& name, const json& description)
    {
        const std::string path = TempPath(name);
        std::ofstream(path, std::ios::binary) << Build(description);
        return path;
    }

private:
    TGermanMachine m_machine;
};

// native, German, Russian (1251); two entries; no locales.
json ThreeLanguages()
{
    json description = ExampleDescription();
    description["languages"].push_back(
        LanguageDescription(25, 1, { 1 }, 1251, "Russian", "Русский", "ru", "RU"));
    description["entries"] = {
        { { "native", "Calculate" }, { "context", "" }, { "subContext", "" },
            { "translations", { "Berechnen", "Рассчитать" } } },
        { { "native", "Volume" }, { "context", "" }, { "subContext", "" },
            { "translations", { "Volumen", "Объём" } } },
    };
    return description;
}

} // namespace

TEST_F(BinaryDictionary, EmptyFileNameIsRefusedForFileAndResource)
{
    for (const TIvStorage storage : { ivsFile, ivsResource }) {
        TIvBinaryDictionary dictionary;
        dictionary.SetStorage(storage);
        EXPECT_EQ(ErrorOf([&] { dictionary.GetLanguageCount(); }), kNoFileNameSet) << storage;
    }
}

TEST_F(BinaryDictionary, ResourceStorageReadsTheLinkedInImageWhateverTheFileName)
{
    TIvBinaryDictionary dictionary;
    dictionary.SetStorage(ivsResource);
    dictionary.SetFileName("no-such-file.mld");
    EXPECT_TRUE(dictionary.CanOpen());
    EXPECT_EQ(dictionary.GetLanguageCount(), 2);
    dictionary.Open();
    ASSERT_TRUE(dictionary.Active());
    EXPECT_EQ(dictionary.LanguageIndex(), 1); // the German user's language
    EXPECT_EQ(TranslateText(&dictionary, "Calculate"), "Berechnen (linked in)");
}

TEST_F(BinaryDictionary, OpensOnTheUsersLanguageAndSwitchesLanguage)
{
    TIvBinaryDictionary dictionary;
    dictionary.SetFileName(WriteImage("three.mld", ThreeLanguages()));
    dictionary.SetCheckLevel(ivclNone);
    dictionary.Open();
    ASSERT_TRUE(dictionary.Active());
    EXPECT_EQ(dictionary.GetTranslationCount(), 2);
    EXPECT_EQ(TranslateText(&dictionary, "Volume"), "Volumen");
    EXPECT_EQ(TranslateText(&dictionary, "Absent"), "Absent");
    dictionary.SetLanguage(2);
    EXPECT_EQ(dictionary.Entry(dictionary.FindEntry("Calculate")).Translation,
        tankora::EncodeToCodePage(u"Рассчитать", 1251));
    dictionary.SetLanguage(0);
    for (int i = 0; i < dictionary.EntryCount(); ++i) // the native column
        EXPECT_EQ(dictionary.Entry(i).Translation, dictionary.Entry(i).NativeText);
}

TEST_F(BinaryDictionary, ImageWithoutLocalesListsNoneAndHasNoLocaleZero)
{
    TIvBinaryDictionary dictionary;
    dictionary.SetFileName(WriteImage("example.mld", ExampleDescription()));
    TIvLocaleList locales;
    dictionary.GetLocales(locales);
    EXPECT_TRUE(locales.empty());
    TIvLocale locale;
    EXPECT_EQ(ErrorOf([&] { dictionary.GetLocale(0, locale); }), kNoCustomLocales);
}

TEST_F(BinaryDictionary, LanguageIndexOutsideTheTableIsARangeError)
{
    TIvBinaryDictionary dictionary;
    dictionary.SetFileName(WriteImage("example.mld", ExampleDescription()));
    TIvLanguage language;
    EXPECT_EQ(
        ErrorOf([&] { dictionary.GetLanguage(2, language); }), "Language index 2 is out of range");
    dictionary.SetLanguage(5);
    EXPECT_EQ(ErrorOf([&] { dictionary.Open(); }), "Language index 5 is out of range");
    EXPECT_FALSE(dictionary.Active());
}

// Every kept malformed image, opened through the dictionary, fails with the
// reader's error and leaves it closed, its listeners detached and the
// entries it had loaded before untouched.
TEST_F(BinaryDictionary, MalformedImagesLeaveTheDictionaryClosedAndUnchanged)
{
    const std::string good = WriteImage("good.mld", ThreeLanguages());
    const std::filesystem::path folder = std::filesystem::path(TANKORA_TEST_DATA_DIR) / "malformed";
    int failed = 0;
    for (const auto& file : std::filesystem::directory_iterator(folder)) {
        SCOPED_TRACE(file.path().filename().string());
        TIvBinaryDictionary dictionary;
        dictionary.SetCheckLevel(ivclNone);
        dictionary.SetLanguage(1);
        dictionary.SetFileName(good);
        dictionary.Open();
        dictionary.Close();
        const int entries = dictionary.EntryCount();

        TRecordingListener listener;
        listener.AttachTo(dictionary);
        dictionary.SetFileName(file.path().string());
        const std::string error = ErrorOf([&] { dictionary.Open(); });
        if (error.empty())
            continue; // the dictionary reads nothing that makes it fail
        ++failed;
        EXPECT_FALSE(dictionary.Active());
        EXPECT_TRUE(dictionary.Translators().empty());
        EXPECT_EQ(listener.closes, 1);
        EXPECT_EQ(dictionary.EntryCount(), entries);
        EXPECT_EQ(TranslateText(&dictionary, "Volume"), "Volumen");
    }
    EXPECT_GT(failed, 10);
}

namespace {

// An image of the native language and `count` copies of one Russian record:
// the records of a two-language image, the second one repeated.
std::string ManyLanguagesImage(int count)
{
    json description = ExampleDescription();
    description["languages"] = { LanguageDescription(0, 0, {}, 1252, "N", "N"),
        LanguageDescription(25, 1, {}, 1251, "Russian", "", "ru", "RU") };
    description["entries"] = json::array();
    const std::string two = Build(description);
    description["languages"].erase(1);
    const std::string one = Build(description);
    // Languages start right after the header; translations follow them.
    const std::size_t nativeEnd = ReadLe16(one, 20) | (ReadLe16(one, 22) << 16);
    const std::size_t russianEnd = ReadLe16(two, 20) | (ReadLe16(two, 22) << 16);
    std::string image = two.substr(0, nativeEnd);
    for (int i = 0; i < count; ++i)
        image += two.substr(nativeEnd, russianEnd - nativeEnd);
    WriteLe16(image, 12, static_cast<unsigned>(count + 1));
    WriteLe32(image, 20, static_cast<unsigned>(image.size()));
    return image + two.substr(russianEnd);
}

} // namespace

// Tens of thousands of languages the machine does not support: the answer,
// reached in work linear in the image (the time is the benchmark's).
TEST_F(BinaryDictionary, ImageOfManyUnsupportedLanguagesIsRejected)
{
    const std::string path = TempPath("many.mld");
    std::ofstream(path, std::ios::binary) << ManyLanguagesImage(30000);
    TIvBinaryDictionary dictionary;
    dictionary.SetFileName(path);
    EXPECT_EQ(dictionary.GetLanguageCount(), 30001);
    TRecordingListener listener;
    listener.AttachTo(dictionary);
    EXPECT_EQ(ErrorOf([&] { dictionary.Open(); }),
        "System does not support any language of the dicitonary!");
    EXPECT_FALSE(dictionary.Active());
    EXPECT_EQ(listener.closes, 1);
}

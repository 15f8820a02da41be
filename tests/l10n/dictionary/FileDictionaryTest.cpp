// The file dictionary base, through the binary dictionary: the resolving
// file name and the lookups over the loaded entries.

#include "l10n/dictionary/BinaryDictionary.h"

#include "../mld/MldTestImages.h"
#include "GermanMachine.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

using namespace tankora::test;
using nlohmann::json;

namespace {

// Runs in a folder of its own, restoring the current directory after.
class FileDictionary : public ::testing::Test
{
protected:
    FileDictionary()
        : m_previous(std::filesystem::current_path())
        , m_folder(TempPath("folder"))
    {
        std::filesystem::create_directories(m_folder);
        std::filesystem::current_path(m_folder);
    }
    ~FileDictionary() override
    {
        std::filesystem::current_path(m_previous);
        std::filesystem::remove_all(m_folder);
    }

    std::string Folder() const { return std::filesystem::canonical(m_folder).string(); }

private:
    TGermanMachine m_machine;
    std::filesystem::path m_previous;
    std::filesystem::path m_folder;
};

json WithEntries(int contextKind, const json& entries)
{
    json description = ExampleDescription();
    description["header"]["contextKind"] = contextKind;
    description["entries"] = entries;
    return description;
}

json Entry(const std::string& native, const std::string& context, const std::string& translation)
{
    return { { "native", native }, { "context", context }, { "subContext", "" },
        { "translations", { translation } } };
}

} // namespace

TEST_F(FileDictionary, RelativeFileNameResolvesOnceTheFileExists)
{
    TIvBinaryDictionary dictionary;
    dictionary.SetFileName("cylang.mld");
    EXPECT_EQ(dictionary.FileName(), "cylang.mld");
    EXPECT_FALSE(dictionary.CanOpen());
    dictionary.Open(); // nothing to open: stays closed, raises nothing
    EXPECT_FALSE(dictionary.Active());

    std::ofstream("cylang.mld", std::ios::binary) << ExampleBytes();
    const std::string full = Folder() + "/cylang.mld";
    EXPECT_EQ(dictionary.FileName(), full);
    EXPECT_EQ(dictionary.StoredFileName(), full); // kept absolute
    EXPECT_TRUE(dictionary.CanOpen());
}

TEST_F(FileDictionary, DesignTimeKeepsTheFileNameAsTyped)
{
    std::ofstream("cylang.mld", std::ios::binary) << ExampleBytes();
    TIvBinaryDictionary dictionary;
    dictionary.SetDesigning(true);
    dictionary.SetFileName("cylang.mld");
    EXPECT_EQ(dictionary.FileName(), "cylang.mld");
    EXPECT_EQ(dictionary.StoredFileName(), "cylang.mld");
}

TEST_F(FileDictionary, OtherStoragesTakeTheNameAsGiven)
{
    std::ofstream("cylang.mld", std::ios::binary) << ExampleBytes();
    TIvBinaryDictionary dictionary;
    dictionary.SetStorage(ivsResource);
    dictionary.SetFileName("cylang.mld");
    EXPECT_EQ(dictionary.FileName(), "cylang.mld");
}

TEST_F(FileDictionary, ContextSensitiveEntriesFindATextAndItsLongerTwin)
{
    std::ofstream("ctx.mld", std::ios::binary) << Build(WithEntries(
        1, { Entry("abc", "", "ABC"), Entry("ab", "Form", "AB"), Entry("ab", "Other", "AB2") }));
    TIvBinaryDictionary dictionary;
    dictionary.SetFileName("ctx.mld");
    dictionary.Open();
    ASSERT_TRUE(dictionary.ContextSensitive());
    std::string translation;
    ASSERT_TRUE(dictionary.Translate("abc", translation));
    EXPECT_EQ(translation, "ABC");
    ASSERT_TRUE(dictionary.Translate("ab", translation));
    EXPECT_EQ(translation.substr(0, 2), "AB");
    ASSERT_TRUE(dictionary.TranslateWithContext("ab", "Other", "", translation));
    EXPECT_EQ(translation, "AB2");
    EXPECT_FALSE(dictionary.TranslateWithContext("ab", "Third", "", translation));
    EXPECT_EQ(translation, "AB2"); // left as it was
    EXPECT_GE(dictionary.FindEntry("ab"), 0);
    EXPECT_EQ(
        dictionary.Entry(dictionary.FindEntryWithContext("ab", "Form", "")).Translation, "AB");
}

TEST_F(FileDictionary, ContextsAreIgnoredByADictionaryWithoutThem)
{
    std::ofstream("plain.mld", std::ios::binary)
        << Build(WithEntries(0, json::array({ Entry("Volume", "", "Volumen") })));
    TIvBinaryDictionary dictionary;
    dictionary.SetFileName("plain.mld");
    dictionary.Open();
    ASSERT_FALSE(dictionary.ContextSensitive());
    std::string translation = "unchanged";
    EXPECT_TRUE(dictionary.TranslateWithContext("Volume", "Any", "Thing", translation));
    EXPECT_EQ(translation, "Volumen");
    translation = "unchanged";
    EXPECT_FALSE(dictionary.Translate("Height", translation));
    EXPECT_EQ(translation, "unchanged");
}

TEST_F(FileDictionary, NeverOpenedDictionaryFindsNothing)
{
    TIvBinaryDictionary dictionary;
    std::string translation;
    EXPECT_FALSE(dictionary.Translate("Volume", translation));
    EXPECT_EQ(dictionary.EntryCount(), 0);
    EXPECT_EQ(dictionary.FindEntry("Volume"), -1);
}

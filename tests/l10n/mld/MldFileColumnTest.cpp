// The one-pass column reader must give, record for record, what reading the
// records one at a time gives: the same texts and the same first error.

#include "l10n/dictionary/EntryTable.h"
#include "l10n/mld/MldFile.h"

#include "../../../apps/mldtool/MldText.h"
#include "../../../apps/mldtool/MldWriter.h"
#include "MldTestImages.h"

#include "framework/core/Exceptions.h"
#include "framework/streams/FileStream.h"
#include "nls/Nls.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

using namespace tankora::test;
using nlohmann::json;

namespace {

// Languages in four code pages and texts each of them can hold, one with a
// character outside the basic plane and one the native code page lacks.
json Description(int version, bool littleEndian, bool ansi, int contextKind, int entries)
{
    json description;
    description["header"] = { { "version", version }, { "littleEndian", littleEndian },
        { "ansiStrings", ansi }, { "contextKind", contextKind } };
    description["languages"] = { LanguageDescription(0, 0, {}, 1252, "Native", "Native"),
        LanguageDescription(7, 1, { 1 }, 1252, "German", "Deutsch"),
        LanguageDescription(25, 1, {}, 1251, "Russian", "Русский"),
        LanguageDescription(17, 1, {}, 932, "Japanese", "日本語") };
    description["locales"] = json::array();
    json list = json::array();
    for (int i = 0; i < entries; ++i) {
        const std::string n = std::to_string((i * 7919) % 1000);
        const bool wide = !ansi && i % 5 == 0;
        list.push_back({ { "native", "Text " + n + (i % 3 ? "" : " ä") },
            { "context", i % 2 ? "Ctx" + n : "" }, { "subContext", i % 4 ? "" : "Sub" },
            { "translations", { "Wort " + n, "Слово " + n + (wide ? " 😀" : ""), "単語 " + n } } });
    }
    description["entries"] = list;
    return description;
}

// The entries of a column read record by record, and the first error.
std::vector<std::string> ReadOneByOne(
    const std::string& bytes, int column, int codePage, std::string& error)
{
    std::vector<std::string> texts;
    try {
        auto reader = OpenImage(bytes);
        reader->SeekTranslations();
        TIvTranslation entry({}, {}, {});
        for (int i = 0; i < reader->TranslationCount(); ++i) {
            reader->ReadTranslation(entry, column, codePage);
            for (const std::string* text :
                { &entry.NativeText, &entry.Context, &entry.SubContext, &entry.Translation })
                texts.push_back(*text);
        }
    } catch (const std::exception& e) {
        error = e.what();
    }
    return texts;
}

std::vector<std::string> ReadInOnePass(
    TIvMLDFile& reader, int column, int codePage, std::string& error)
{
    TIvEntryTable table;
    std::vector<std::string> texts;
    try {
        reader.ReadColumn(table, column, codePage);
    } catch (const std::exception& e) {
        error = e.what();
        return texts;
    }
    for (int i = 0; i < table.Count(); ++i) { // unsorted: file order
        const TIvEntryView e = table.At(i);
        for (std::string_view text : { e.NativeText, e.Context, e.SubContext, e.Translation })
            texts.emplace_back(text);
    }
    return texts;
}

std::string FileBytes(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    std::stringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

} // namespace

TEST(MldColumn, OnePassGivesEveryRecordAsReadOneByOne)
{
    struct Form
    {
        int version;
        bool littleEndian, ansi;
        int contextKind;
    };
    for (const Form& f : { Form { 2, true, true, 0 }, Form { 3, true, false, 1 },
             Form { 3, false, false, 2 }, Form { 1, false, true, 3 }, Form { 3, true, true, 1 } }) {
        SCOPED_TRACE(testing::Message() << f.version << f.littleEndian << f.ansi << f.contextKind);
        const std::string bytes
            = Build(Description(f.version, f.littleEndian, f.ansi, f.contextKind, 300));
        for (const auto& [column, codePage] :
            std::vector<std::pair<int, int>> { { 0, 0 }, { 1, 1252 }, { 2, 1251 }, { 3, 932 } }) {
            SCOPED_TRACE(column);
            std::string expectedError, error;
            const auto expected = ReadOneByOne(bytes, column, codePage, expectedError);
            ASSERT_EQ(expectedError, "");
            auto reader = OpenImage(bytes);
            EXPECT_EQ(ReadInOnePass(*reader, column, codePage, error), expected);
            EXPECT_EQ(error, "");
        }
    }
}

TEST(MldColumn, FileLargerThanTheReadBufferIsReadWhole)
{
    const std::string bytes = Build(Description(3, true, false, 1, 40000));
    ASSERT_GT(bytes.size(), 2u << 20);
    const std::string path = TempPath("large.mld");
    std::ofstream(path, std::ios::binary) << bytes;
    std::string expectedError, error;
    const auto expected = ReadOneByOne(bytes, 2, 1251, expectedError);
    TIvMLDFile reader;
    reader.OpenFile(path);
    EXPECT_EQ(ReadInOnePass(reader, 2, 1251, error), expected);
    EXPECT_EQ(error, "");
    std::filesystem::remove(path);
}

// An image written in key order is found in order by the reading table's
// one pass, which then never sorts; it answers every lookup as the same
// entries in the description's order do, equal keys included.
TEST(MldColumn, KeyOrderedImageNeedsNoSortAndAnswersTheSame)
{
    for (const auto& [ansi, contextKind] : std::vector<std::pair<bool, int>> {
             { true, 0 }, { true, 1 }, { false, 1 }, { false, 2 }, { true, 3 } }) {
        SCOPED_TRACE(testing::Message() << ansi << contextKind);
        json description = Description(3, true, ansi, contextKind, 300);
        // One key twice with different translations: the first given answers.
        json twin = description["entries"][7];
        twin["translations"][0] = "Zwilling";
        description["entries"].push_back(twin);
        const bool contexts = contextKind != 0;

        TIvEntryTable given, keyed;
        OpenImage(tankora::mld::BuildMldImage(description))->ReadColumn(given, 1, 1252);
        OpenImage(tankora::mld::BuildMldImage(description, tankora::mld::EntryOrder::ByKey))
            ->ReadColumn(keyed, 1, 1252);
        given.SortEntries(contexts);
        keyed.SortEntries(contexts);
        EXPECT_FALSE(given.Sorted());
        EXPECT_TRUE(keyed.Sorted());

        ASSERT_EQ(keyed.Count(), given.Count());
        for (const json& entry : description["entries"]) {
            // As the reader hands them on: in the ANSI code page.
            const auto stored = [&entry](const char* member) {
                return tankora::mld::CodePageFromUtf8(entry[member].get<std::string>(), 0);
            };
            const std::string native = stored("native");
            const std::string context
                = contextKind == 1 || contextKind == 3 ? stored("context") : "";
            const std::string subContext
                = contextKind == 1 || contextKind == 2 ? stored("subContext") : "";
            std::string_view byGiven, byKeyed;
            ASSERT_EQ(keyed.FindTranslationWithContext(native, context, subContext, byKeyed),
                given.FindTranslationWithContext(native, context, subContext, byGiven));
            EXPECT_EQ(byKeyed, byGiven) << native;
            ASSERT_TRUE(keyed.FindTranslation(native, byKeyed));
            ASSERT_TRUE(given.FindTranslation(native, byGiven));
            EXPECT_EQ(byKeyed, byGiven) << native;
        }
    }
}

TEST(MldColumn, ColumnOutsideTheTableIsARangeErrorOnlyWhenThereAreRecords)
{
    auto reader = OpenImage(Build(Description(2, true, true, 0, 2)));
    TIvEntryTable table;
    EXPECT_THROW(reader->ReadColumn(table, 4, 0), ERangeError);
    EXPECT_THROW(reader->ReadColumn(table, -1, 0), ERangeError);
    auto empty = OpenImage(Build(Description(2, true, true, 0, 0)));
    EXPECT_NO_THROW(empty->ReadColumn(table, 9, 0));
    EXPECT_TRUE(table.Empty());
}

TEST(MldColumn, MalformedImagesFailAsRecordByRecordReadingFails)
{
    const std::filesystem::path folder = std::filesystem::path(TANKORA_TEST_DATA_DIR) / "malformed";
    for (const auto& file : std::filesystem::directory_iterator(folder)) {
        SCOPED_TRACE(file.path().filename().string());
        const std::string bytes = FileBytes(file.path());
        std::string headerError;
        std::unique_ptr<TIvMLDFile> reader;
        try {
            reader = OpenImage(bytes);
        } catch (const std::exception& e) {
            headerError = e.what();
        }
        if (!reader)
            continue; // nothing of the column reader runs
        for (int column : { 0, 1 }) {
            std::string expectedError, error;
            const auto expected = ReadOneByOne(bytes, column, 1251, expectedError);
            const auto got = ReadInOnePass(*reader, column, 1251, error);
            EXPECT_EQ(error, expectedError) << column;
            if (expectedError.empty()) {
                EXPECT_EQ(got, expected);
            }
        }
    }
}

TEST(MldAllColumns, ReadsEachColumnInItsOwnCodePage)
{
    const std::string bytes = Build(Description(3, true, false, 1, 3));
    auto reader = OpenImage(bytes);
    reader->SeekTranslations();
    TIvTranslation entry({}, {}, {});
    std::vector<std::string> columns;
    reader->ReadAllColumns(entry, { 0, 1252, 1251, 932 }, columns);
    std::string error;
    const auto russian = ReadOneByOne(bytes, 2, 1251, error);
    const auto japanese = ReadOneByOne(bytes, 3, 932, error);
    ASSERT_EQ(columns.size(), 4u);
    EXPECT_EQ(columns[0], entry.NativeText);
    EXPECT_EQ(columns[2], russian[3]);
    EXPECT_EQ(columns[3], japanese[3]);
    EXPECT_EQ(entry.Context, russian[1]);
}

TEST(MldColumn, ColumnFarLongerThanItsShareOfTheTableIsReadWhole)
{
    // The Russian column holds nearly all the table's characters (the arena
    // is reserved from an even share), some texts need long headers, and one
    // is as long as a string can be, read from a file through the window.
    for (const bool ansi : { true, false }) {
        SCOPED_TRACE(ansi);
        json description = Description(3, true, ansi, 1, 0);
        json list = json::array();
        for (int i = 0; i < 400; ++i) {
            std::string russian = "Слово " + std::to_string(i);
            while (russian.size() < static_cast<std::size_t>(i % 50 * 20))
                russian += " длинное";
            if (i == 200)
                russian = std::string(65535, 'x');
            list.push_back({ { "native", "T" + std::to_string(i) }, { "context", "" },
                { "subContext", "" }, { "translations", { "W", russian, "" } } });
        }
        description["entries"] = list;
        const std::string bytes = Build(description);
        const std::string path = TempPath("long-column.mld");
        std::ofstream(path, std::ios::binary) << bytes;
        std::string expectedError, error;
        const auto expected = ReadOneByOne(bytes, 2, 1251, expectedError);
        ASSERT_EQ(expectedError, "");
        TIvMLDFile reader;
        reader.OpenFile(path);
        EXPECT_EQ(ReadInOnePass(reader, 2, 1251, error), expected);
        EXPECT_EQ(error, "");
        std::filesystem::remove(path);
    }
}

TEST(MldColumn, EightBitTextsThatAreMostOfTheImageAreReferencedAndReadTheSame)
{
    for (const bool littleEndian : { true, false }) {
        SCOPED_TRACE(littleEndian);
        // Native texts and German only: what a column keeps is most of the image.
        json description = Description(3, littleEndian, true, 0, 30000);
        const json languages = description["languages"];
        description["languages"] = json::array({ languages[0], languages[1] });
        for (json& entry : description["entries"])
            entry["translations"] = json::array(
                { entry["translations"][0].get<std::string>() + " und weitere Wörter" });
        const std::string bytes = Build(description);
        ASSERT_GT(bytes.size(), 1u << 20); // beyond the first window of a file
        const std::string path = TempPath("two-languages.mld");
        std::ofstream(path, std::ios::binary) << bytes;
        for (const int column : { 0, 1 }) {
            std::string expectedError, error;
            const auto expected = ReadOneByOne(bytes, column, 1252, expectedError);
            ASSERT_EQ(expectedError, "");
            TIvMLDFile file;
            file.OpenFile(path);
            TIvEntryTable table;
            file.ReadColumn(table, column, 1252);
            // Column 0 keeps about half of the image: copied.
            EXPECT_EQ(table.References(), column == 1);
            auto fromMemory = OpenImage(bytes);
            EXPECT_EQ(ReadInOnePass(*fromMemory, column, 1252, error), expected);
            TIvMLDFile again;
            again.OpenFile(path);
            EXPECT_EQ(ReadInOnePass(again, column, 1252, error), expected);
            EXPECT_EQ(error, "");
        }
        // Cut short inside the records: the error of reading them one by one.
        const std::string cut = bytes.substr(0, bytes.size() - 1000);
        std::string expectedError, error;
        ReadOneByOne(cut, 1, 1252, expectedError);
        ASSERT_NE(expectedError, "");
        auto reader = OpenImage(cut);
        ReadInOnePass(*reader, 1, 1252, error);
        EXPECT_EQ(error, expectedError);
        std::filesystem::remove(path);
    }
}

TEST(MldColumn, ManyLanguageImagesAreCopiedNotReferenced)
{
    const std::string bytes = Build(Description(3, true, true, 0, 500));
    auto reader = OpenImage(bytes);
    TIvEntryTable table;
    reader->ReadColumn(table, 1, 1252);
    EXPECT_FALSE(table.References());
    EXPECT_EQ(table.Count(), 500);
}

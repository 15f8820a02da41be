// The entry table builds its sorted order only when something needs it, and
// answers the same either way; texts referenced in an image answer as copies.

#include "EntryTableEntries.h"

#include "framework/core/Exceptions.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

using tankora::test::Entry;
using tankora::test::MakeTable;

namespace {

std::string TranslationOf(const TIvEntryTable& table, const std::string& text)
{
    std::string_view found;
    return table.FindTranslation(text, found) ? std::string(found) : "<none>";
}

// An image of counted 8-bit texts: for each entry its native text and its
// translation (or only the native text when same), with the offsets of
// their length words.
struct Image
{
    std::string bytes;
    std::vector<std::pair<std::uint32_t, std::uint32_t>> offsets;
};

Image MakeImage(const std::vector<Entry>& entries, bool bigEndian)
{
    Image image;
    image.bytes = "junk before the table";
    const auto put = [&](const std::string& text) {
        const auto at = static_cast<std::uint32_t>(image.bytes.size());
        const auto length = static_cast<unsigned char>(text.size());
        image.bytes += bigEndian ? std::string { '\0', static_cast<char>(length) }
                                 : std::string { static_cast<char>(length), '\0' };
        image.bytes += text;
        return at;
    };
    for (const Entry& e : entries) {
        const std::uint32_t native = put(e.native);
        const std::uint32_t translation = e.translation == e.native ? native : put(e.translation);
        image.offsets.emplace_back(native, translation);
    }
    return image;
}

TIvEntryTable Referencing(const Image& image, bool bigEndian)
{
    TIvEntryTable table;
    auto owner = std::make_shared<std::string>(image.bytes);
    table.ReferenceImage({ owner, owner->data(), owner->size(), bigEndian });
    for (const auto& [native, translation] : image.offsets)
        table.AppendReference(native, translation);
    return table;
}

std::vector<Entry> Shuffled(std::vector<Entry> entries, unsigned seed)
{
    std::mt19937 random(seed);
    std::shuffle(entries.begin(), entries.end(), random);
    return entries;
}

std::vector<Entry> Numbered(int count)
{
    std::vector<Entry> entries;
    for (int i = 0; i < count; ++i)
        entries.push_back({ "Text " + std::to_string(i), "", "", "Wort " + std::to_string(i) });
    return entries;
}

} // namespace

TEST(EntryTableOrder, TranslationsAreFoundWithoutBuildingTheOrderUntilAnIndexIsAskedFor)
{
    const TIvEntryTable table = MakeTable(Shuffled(Numbered(500), 3), false);
    EXPECT_FALSE(table.Sorted());
    EXPECT_EQ(TranslationOf(table, "Text 417"), "Wort 417");
    EXPECT_EQ(TranslationOf(table, "Text 500"), "<none>");
    EXPECT_FALSE(table.Sorted());
    // Index-based access needs the order: built then, and right.
    EXPECT_EQ(table.At(0).NativeText, "Text 0");
    EXPECT_TRUE(table.Sorted());
    EXPECT_EQ(table.At(1).NativeText, "Text 1");
    EXPECT_EQ(table.At(table.Lookup("Text 417")).Translation, "Wort 417");
    EXPECT_EQ(TranslationOf(table, "Text 417"), "Wort 417");
}

TEST(EntryTableOrder, EntriesAddedInKeyOrderAreKnownToBeSorted)
{
    std::vector<Entry> entries = Numbered(300);
    std::sort(entries.begin(), entries.end(),
        [](const Entry& a, const Entry& b) { return a.native < b.native; });
    entries.insert(entries.begin() + 10, entries[10]); // equal keys are in order too
    EXPECT_TRUE(MakeTable(entries, false).Sorted());
    std::swap(entries[5], entries[6]);
    EXPECT_FALSE(MakeTable(entries, false).Sorted());
    // The composite key decides in a context-sensitive table: "b" + 127 > "ba".
    EXPECT_FALSE(MakeTable({ { "b", "", "", "1" }, { "ba", "", "", "2" } }, true).Sorted());
    EXPECT_TRUE(MakeTable({ { "ba", "", "", "2" }, { "b", "", "", "1" } }, true).Sorted());
}

TEST(EntryTableOrder, EqualNativeTextsAnswerWithTheFirstInSortedOrderSortedEarlyOrLate)
{
    // Not context-sensitive: equal keys, the first added answers.
    const std::vector<Entry> plain = { { "b", "", "", "first b" }, { "a", "", "", "a" },
        { "b", "", "", "second b" }, { "b", "", "", "third b" } };
    for (const bool early : { false, true }) {
        SCOPED_TRACE(early);
        const TIvEntryTable table = MakeTable(plain, false);
        if (early)
            table.SortNow();
        EXPECT_EQ(TranslationOf(table, "b"), "first b");
        EXPECT_EQ(table.At(table.Lookup("b")).Translation, "first b");
        EXPECT_EQ(table.At(1).Translation, "first b"); // equal keys in the order added
        EXPECT_EQ(table.At(3).Translation, "third b");
    }
    // Context-sensitive: the smallest composite key answers a lookup by text.
    const std::vector<Entry> contexts = { { "b", "y", "", "b/y" }, { "b", "x", "2", "b/x2" },
        { "b", "x", "", "b/x" }, { "b", "x", "", "b/x again" } };
    for (const bool early : { false, true }) {
        SCOPED_TRACE(early);
        const TIvEntryTable table = MakeTable(contexts, true);
        if (early)
            table.SortNow();
        EXPECT_EQ(TranslationOf(table, "b"), "b/x");
        std::string_view found;
        ASSERT_TRUE(table.FindTranslationWithContext("b", "x", "2", found));
        EXPECT_EQ(found, "b/x2");
        ASSERT_TRUE(table.FindTranslationWithContext("b", "x", "", found));
        EXPECT_EQ(found, "b/x");
        EXPECT_FALSE(table.FindTranslationWithContext("b", "z", "", found));
    }
}

TEST(EntryTableOrder, ReferencedTextsAnswerAsCopiesInEitherByteOrder)
{
    std::vector<Entry> entries = Shuffled(Numbered(200), 9);
    entries.push_back({ "Same", "", "", "Same" });
    entries.push_back({ "", "", "", "empty native" });
    for (const bool bigEndian : { false, true }) {
        SCOPED_TRACE(bigEndian);
        const Image image = MakeImage(entries, bigEndian);
        TIvEntryTable referenced = Referencing(image, bigEndian);
        const TIvEntryTable copied = MakeTable(entries, false);
        referenced.SortEntries(false);
        EXPECT_TRUE(referenced.References());
        EXPECT_EQ(referenced.TextBytes(), copied.TextBytes());
        for (const Entry& e : entries)
            EXPECT_EQ(TranslationOf(referenced, e.native), e.translation) << e.native;
        EXPECT_EQ(TranslationOf(referenced, "Text 200"), "<none>");
        ASSERT_EQ(referenced.Count(), copied.Count());
        for (int i = 0; i < copied.Count(); ++i) {
            EXPECT_EQ(referenced.At(i).NativeText, copied.At(i).NativeText);
            EXPECT_EQ(referenced.At(i).Translation, copied.At(i).Translation);
            EXPECT_EQ(referenced.At(i).Context, "");
        }
        // Copied out of the image, the table answers the same and holds no image.
        referenced.CopyReferencedTexts();
        referenced.SortEntries(false);
        EXPECT_FALSE(referenced.References());
        for (const Entry& e : entries)
            EXPECT_EQ(TranslationOf(referenced, e.native), e.translation) << e.native;
        EXPECT_EQ(referenced.TextBytes(), copied.TextBytes());
    }
}

TEST(EntryTableOrder, AContextSensitiveTableCopiesReferencedTextsForItsKeys)
{
    const std::vector<Entry> entries = { { "ab", "", "", "AB" }, { "abc", "", "", "ABC" } };
    const Image image = MakeImage(entries, false);
    TIvEntryTable table = Referencing(image, false);
    table.SortEntries(true);
    EXPECT_FALSE(table.References());
    EXPECT_EQ(table.Key(0), "abc\x7F");
    EXPECT_EQ(table.At(table.LookupWithContext("ab", "", "")).Translation, "AB");
}

TEST(EntryTableOrder, ATableThatIsNotEmptyTakesNoImage)
{
    TIvEntryTable table;
    table.Append("a", "", "", "b");
    const auto owner = std::make_shared<std::string>("xx");
    EXPECT_THROW(table.ReferenceImage({ owner, owner->data(), owner->size(), false }), Exception);
    EXPECT_EQ(TranslationOf(MakeTable({ { "a", "", "", "b" } }, false), "a"), "b");
}

#include "EntryTableEntries.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

using tankora::test::Entry;
using tankora::test::MakeTable;

namespace {

std::string CompositeKey(const Entry& e)
{
    return e.native + '\x7F' + e.context + e.subContext;
}

// Random texts over a small alphabet with high bytes, sharing prefixes often,
// some long enough to pass the radix levels.
std::vector<Entry> RandomEntries(std::size_t count, unsigned seed, bool withContexts)
{
    std::mt19937 random(seed);
    const std::string alphabet = std::string("aAb\x7F\x80\xE4\xFF ", 8) + '\0';
    const std::vector<std::string> prefixes
        = { "", "Calculate ", std::string(70, 'x'), std::string(9, '\xE4') };
    auto text = [&](std::size_t maxLength) {
        std::string s = prefixes[random() % prefixes.size()];
        const std::size_t length = random() % (maxLength + 1);
        for (std::size_t i = 0; i < length; ++i)
            s += alphabet[random() % alphabet.size()];
        return s;
    };
    std::vector<Entry> entries;
    for (std::size_t i = 0; i < count; ++i) {
        Entry e { text(6), withContexts ? text(2) : "", withContexts ? text(2) : "", text(5) };
        if (!withContexts)
            e.native.erase(std::remove(e.native.begin(), e.native.end(), '\x7F'), e.native.end());
        entries.push_back(e);
    }
    // Duplicates and a translation equal to its native text.
    entries.push_back(entries[3]);
    entries.push_back({ entries[5].native, "ctx", "", entries[5].native });
    return entries;
}

} // namespace

TEST(EntryTable, SortsOrdinallyByUnsignedBytesShorterPrefixFirst)
{
    const std::vector<std::string> natives
        = { "b", "a", "ab", "\xE4", "A", "", "abc", std::string("a\0", 2), "\x7F", "a\xFF" };
    std::vector<Entry> entries;
    for (const std::string& n : natives)
        entries.push_back({ n, "", "", "t" + n });
    const TIvEntryTable table = MakeTable(entries, false);
    std::vector<std::string> got;
    for (int i = 0; i < table.Count(); ++i)
        got.emplace_back(table.At(i).NativeText);
    EXPECT_EQ(got,
        (std::vector<std::string> {
            "", "A", "a", std::string("a\0", 2), "ab", "abc", "a\xFF", "b", "\x7F", "\xE4" }));
}

TEST(EntryTable, RadixSortGivesTheComparisonOrderOnLargeTables)
{
    for (const bool contexts : { false, true }) {
        SCOPED_TRACE(contexts);
        const std::vector<Entry> entries = RandomEntries(5000, 7, contexts);
        const TIvEntryTable table = MakeTable(entries, contexts);
        std::vector<std::string> expected;
        for (const Entry& e : entries)
            expected.push_back(contexts ? CompositeKey(e) : e.native);
        std::sort(expected.begin(), expected.end(), [](const std::string& a, const std::string& b) {
            return std::string_view(a) < std::string_view(b);
        });
        ASSERT_EQ(table.Count(), static_cast<int>(expected.size()));
        for (int i = 0; i < table.Count(); ++i)
            ASSERT_EQ(table.Key(i), expected[static_cast<std::size_t>(i)]) << i;
    }
}

TEST(EntryTable, HashLookupsAnswerAsTheBinarySearches)
{
    for (const bool contexts : { false, true }) {
        SCOPED_TRACE(contexts);
        const std::vector<Entry> entries = RandomEntries(3000, 11, contexts);
        const TIvEntryTable table = MakeTable(entries, contexts);
        std::vector<Entry> probes = entries;
        for (const Entry& e : RandomEntries(3000, 12, contexts))
            probes.push_back(e); // mostly absent
        probes.push_back({ entries[0].native, entries[0].context + entries[0].subContext, "", "" });
        int hits = 0;
        for (const Entry& p : probes) {
            const int byBinary = table.FindEntry(p.native);
            const int byHash = table.Lookup(p.native);
            ASSERT_EQ(byBinary < 0, byHash < 0) << p.native;
            if (byHash >= 0) {
                ++hits;
                EXPECT_EQ(table.At(byHash).NativeText, p.native);
            }
            const int withContextBinary
                = table.FindEntryWithContext(p.native, p.context, p.subContext);
            const int withContextHash = table.LookupWithContext(p.native, p.context, p.subContext);
            ASSERT_EQ(withContextBinary < 0, withContextHash < 0) << p.native;
            if (withContextHash >= 0) {
                EXPECT_EQ(table.Key(withContextHash), table.Key(withContextBinary));
            }
        }
        EXPECT_GT(hits, 3000);
    }
}

TEST(EntryTable, ContextSensitiveTableFindsATextAndItsOneLetterLongerTwin)
{
    // "abc" + 127 sorts before "ab" + 127 although "ab" < "abc".
    const TIvEntryTable table = MakeTable(
        { { "abc", "x", "", "ABC" }, { "ab", "y", "", "AB" }, { "ab", "", "z", "AB2" } }, true);
    for (const auto& [text, translation] :
        std::vector<std::pair<std::string, std::string>> { { "ab", "AB" }, { "abc", "ABC" } }) {
        const int binary = table.FindEntry(text);
        const int hashed = table.Lookup(text);
        ASSERT_GE(binary, 0) << text;
        ASSERT_GE(hashed, 0) << text;
        EXPECT_EQ(table.At(binary).NativeText, text);
        EXPECT_EQ(table.At(hashed).NativeText, text);
    }
    EXPECT_EQ(table.At(table.LookupWithContext("ab", "", "z")).Translation, "AB2");
    EXPECT_EQ(table.At(table.LookupWithContext("ab", "y", "")).Translation, "AB");
    // Contexts compare as one text: "" + "z" is not "z" + "".
    EXPECT_EQ(table.LookupWithContext("ab", "z", ""), table.FindEntryWithContext("ab", "z", ""));
    EXPECT_EQ(table.LookupWithContext("ab", "x", ""), -1);
}

TEST(EntryTable, NativeTextsHoldingTheSeparatorAreSearchedAsTheBinarySearchDoes)
{
    const TIvEntryTable table = MakeTable({ { "a\x7F"
                                              "b",
                                                "", "", "1" },
                                              { "a", "b", "", "2" }, { "a", "c", "", "3" } },
        true);
    for (const std::string text : { "a",
             "a\x7F"
             "b",
             "b" })
        EXPECT_EQ(table.Lookup(text), table.FindEntry(text)) << text;
    EXPECT_EQ(table.LookupWithContext("a", "c", ""), table.FindEntryWithContext("a", "c", ""));
}

TEST(EntryTable, LargeGroupsOfOneNativeTextAreFoundByContext)
{
    std::vector<Entry> entries;
    for (int i = 0; i < 200; ++i)
        entries.push_back({ "same", "c" + std::to_string(i), "", "t" + std::to_string(i) });
    const TIvEntryTable table = MakeTable(entries, true);
    for (int i : { 0, 15, 16, 17, 199 })
        EXPECT_EQ(
            table.At(table.LookupWithContext("same", "c" + std::to_string(i), "")).Translation,
            "t" + std::to_string(i));
    EXPECT_EQ(table.LookupWithContext("same", "c200", ""), -1);
}

TEST(EntryTable, UnsortedOrEmptyTablesFindNothing)
{
    TIvEntryTable table;
    EXPECT_EQ(table.Lookup("a"), -1);
    EXPECT_EQ(table.FindEntry(""), -1);
    table.SortEntries(true);
    EXPECT_EQ(table.LookupWithContext("a", "", ""), -1);
    table.Append("a", "", "", "b");
    EXPECT_EQ(table.Lookup("a"), -1);
    EXPECT_EQ(table.FindEntry("a"), -1);
    table.SortEntries(false);
    EXPECT_EQ(table.Lookup("a"), 0);
}

TEST(EntryTable, KeepsEveryTextAndStoresANativeTranslationOnce)
{
    TIvEntryTable table;
    table.Append("Calculate", "ctx", "sub", "Calculate");
    table.Append("Volume", "", "", "Volumen");
    table.SortEntries(true);
    const TIvEntryView first = table.At(0);
    EXPECT_EQ(first.NativeText, "Calculate");
    EXPECT_EQ(first.Context, "ctx");
    EXPECT_EQ(first.SubContext, "sub");
    EXPECT_EQ(first.Translation, "Calculate");
    EXPECT_EQ(table.At(1).Translation, "Volumen");
    EXPECT_EQ(table.TextBytes(), 9u + 3 + 3 + 9 + 6 + 7);
}

TEST(EntryTable, TextsOfEveryLengthKeepTheirBytes)
{
    // Lengths around the one-byte header limits (127/128) and a long one;
    // each field takes them in turn, so every header position is long once.
    const std::vector<std::size_t> lengths = { 0, 1, 127, 128, 129, 16383, 16384, 70000 };
    std::vector<Entry> entries;
    for (std::size_t i = 0; i < lengths.size(); ++i) {
        const auto text = [&](char c, std::size_t shift) {
            return std::string(lengths[(i + shift) % lengths.size()], c) + std::to_string(i);
        };
        entries.push_back({ text('n', 0), text('c', 1), text('s', 2), text('t', 3) });
        // A long translation equal to its native text, stored once.
        entries.push_back({ text('m', 4), "", "", text('m', 4) });
    }
    for (const bool contexts : { false, true }) {
        SCOPED_TRACE(contexts);
        const TIvEntryTable table = MakeTable(entries, contexts);
        ASSERT_EQ(table.Count(), static_cast<int>(entries.size()));
        std::size_t textBytes = 0;
        for (const Entry& e : entries) {
            textBytes
                += e.native.size() + e.context.size() + e.subContext.size() + e.translation.size();
            const int index = table.LookupWithContext(e.native, e.context, e.subContext);
            ASSERT_GE(index, 0) << e.native.size();
            const TIvEntryView view = table.At(index);
            EXPECT_EQ(view.NativeText, e.native);
            EXPECT_EQ(view.Context, e.context);
            EXPECT_EQ(view.SubContext, e.subContext);
            EXPECT_EQ(view.Translation, e.translation);
        }
        EXPECT_EQ(table.TextBytes(), textBytes);
    }
}

TEST(EntryTable, OutgrowsAnEstimateThatWasTooSmallAndGivesTheSlackBack)
{
    TIvEntryTable table;
    table.Reserve(4, 8);
    std::vector<Entry> entries;
    for (int i = 0; i < 3000; ++i)
        entries.push_back({ "native text number " + std::to_string(i * 7919 % 3000), "", "",
            "translation of the text " + std::to_string(i) });
    for (const Entry& e : entries)
        table.Append(e.native, e.context, e.subContext, e.translation);
    for (int i = 0; i < table.Count(); ++i) { // unsorted: in the order appended
        ASSERT_EQ(table.At(i).NativeText, entries[static_cast<std::size_t>(i)].native);
        ASSERT_EQ(table.At(i).Translation, entries[static_cast<std::size_t>(i)].translation);
    }
    table.SortEntries(false);
    for (const Entry& e : entries)
        ASSERT_EQ(table.At(table.Lookup(e.native)).Translation, e.translation);
    // Texts, a 1-byte separator and a 4-byte header, a 4-byte offset and
    // two 4-byte index slots per entry: nothing of the growth is kept.
    EXPECT_LE(table.MemoryUsage(), table.TextBytes() + entries.size() * 17 + 64);
}

TEST(EntryTable, RadixSortOrdersKeysEndingAroundChunkBoundaries)
{
    // Keys of a shared prefix ending just before, at and after the 8-byte
    // chunks the radix sort takes, with zero and 0xFF bytes after it.
    std::vector<std::string> keys;
    const std::string tails[] = { "", std::string(1, '\0'), "a", "\xFF", std::string("\0\0", 2),
        std::string("a\0", 2), "\xFF\xFF", std::string("\0a", 2) };
    for (const std::size_t prefix :
        std::initializer_list<std::size_t> { 0, 6, 7, 8, 9, 15, 16, 17 })
        for (const std::string& tail : tails)
            keys.push_back(std::string(prefix, 'k') + tail);
    std::mt19937 random(5);
    std::shuffle(keys.begin(), keys.end(), random);
    keys.push_back(keys[10]); // a duplicate
    for (const bool contexts : { false, true }) {
        SCOPED_TRACE(contexts);
        std::vector<Entry> entries;
        for (const std::string& key : keys) {
            if (contexts) // the same keys, split between native text and context
                entries.push_back(
                    { key.substr(0, key.size() / 2), key.substr(key.size() / 2), "", "t" });
            else
                entries.push_back({ key, "", "", "t" });
        }
        // Last in the arena, its key ending where the arena ends.
        entries.push_back({ "k", "", "", "k" });
        const TIvEntryTable table = MakeTable(entries, contexts);
        std::vector<std::string> expected;
        for (const Entry& e : entries)
            expected.push_back(contexts ? CompositeKey(e) : e.native);
        std::sort(expected.begin(), expected.end());
        ASSERT_EQ(table.Count(), static_cast<int>(expected.size()));
        for (int i = 0; i < table.Count(); ++i)
            ASSERT_EQ(table.Key(i), expected[static_cast<std::size_t>(i)]) << i;
    }
}

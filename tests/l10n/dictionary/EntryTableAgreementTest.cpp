// A table whose sorted order is built late (or never) answers every lookup
// exactly as one sorted at once, over the shipped dictionary and the
// benchmarks' corpora; and both answer what the entries say, worked out here
// without the table.

#include "EntryTableEntries.h"

#include "ShippedDictionary.h"

#if TANKORA_WITH_BENCH_CORPORA
#include "BenchImages.h"
#include "PeerCorpus.h"
#endif

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <random>
#include <string>
#include <vector>

using tankora::test::Entry;

namespace {

std::string Key(const Entry& e, bool contextSensitive)
{
    return contextSensitive ? e.native + '\x7F' + e.context + e.subContext : e.native;
}

// Per native text: the translation of its entry of smallest key, the first
// added among equal keys (the rule the table keeps for equal keys).
std::map<std::string, std::string> ExpectedByText(const std::vector<Entry>& entries, bool cs)
{
    std::map<std::string, std::pair<std::string, std::string>> best; // text -> key, translation
    for (const Entry& e : entries) {
        const std::string key = Key(e, cs);
        const auto found = best.find(e.native);
        if (found == best.end() || key < found->second.first)
            best[e.native] = { key, e.translation };
    }
    std::map<std::string, std::string> expected;
    for (const auto& [text, answer] : best)
        expected[text] = answer.second;
    return expected;
}

void ExpectAgreement(const std::vector<Entry>& entries, bool cs)
{
    TIvEntryTable lazy, eager;
    for (const Entry& e : entries) {
        lazy.Append(e.native, e.context, e.subContext, e.translation);
        eager.Append(e.native, e.context, e.subContext, e.translation);
    }
    lazy.SortEntries(cs);
    eager.SortEntries(cs);
    eager.SortNow();
    const bool sortedAtOpen = lazy.Sorted();

    std::size_t checked = 0;
    for (const auto& [text, translation] : ExpectedByText(entries, cs)) {
        std::string_view byLazy, byEager;
        ASSERT_TRUE(lazy.FindTranslation(text, byLazy)) << text;
        ASSERT_TRUE(eager.FindTranslation(text, byEager)) << text;
        ASSERT_EQ(byLazy, translation) << text;
        ASSERT_EQ(byEager, translation) << text;
        ASSERT_FALSE(lazy.FindTranslation(text + "\x01", byLazy));
        ++checked;
    }
    EXPECT_GT(checked, 0u);
    // Nothing so far needed the order.
    EXPECT_EQ(lazy.Sorted(), sortedAtOpen);

    // By context, and the index-returning lookups, which build the order.
    for (const Entry& e : entries) {
        std::string_view byLazy, byEager;
        ASSERT_EQ(lazy.FindTranslationWithContext(e.native, e.context, e.subContext, byLazy),
            eager.FindTranslationWithContext(e.native, e.context, e.subContext, byEager));
        ASSERT_EQ(byLazy, byEager) << e.native;
        ASSERT_EQ(lazy.Lookup(e.native), eager.Lookup(e.native)) << e.native;
    }
    ASSERT_EQ(lazy.Count(), eager.Count());
    for (int i = 0; i < lazy.Count(); ++i) {
        const TIvEntryView a = lazy.At(i), b = eager.At(i);
        ASSERT_EQ(a.NativeText, b.NativeText) << i;
        ASSERT_EQ(a.Context, b.Context) << i;
        ASSERT_EQ(a.SubContext, b.SubContext) << i;
        ASSERT_EQ(a.Translation, b.Translation) << i;
    }
}

// Each corpus as given and in a random order, with and without contexts.
void ExpectAgreementInEveryOrder(std::vector<Entry> entries)
{
    for (const bool cs : { false, true }) {
        SCOPED_TRACE(cs ? "context-sensitive" : "by text");
        ExpectAgreement(entries, cs);
        std::vector<Entry> shuffled = entries;
        std::mt19937 random(17);
        std::shuffle(shuffled.begin(), shuffled.end(), random);
        ExpectAgreement(shuffled, cs);
    }
}

} // namespace

TEST(EntryTableAgreement, ShippedDictionaryEveryLanguage)
{
    const tankora::test::ShippedDictionary shipped;
    const auto& source = shipped.Source();
    const std::size_t columns = source["languages"].size();
    for (std::size_t column = 0; column < columns; ++column) {
        SCOPED_TRACE(column);
        std::vector<Entry> entries;
        for (const auto& entry : source["entries"]) {
            const std::string native = entry["native"].get<std::string>();
            entries.push_back({ native, entry["context"].get<std::string>(),
                entry["subContext"].get<std::string>(),
                column == 0 ? native : entry["translations"][column - 1].get<std::string>() });
        }
        ExpectAgreementInEveryOrder(entries);
    }
}

#if TANKORA_WITH_BENCH_CORPORA

TEST(EntryTableAgreement, PeersCorpusGermanAndJapanese)
{
    for (const auto translation :
        { &tankora::peers::CorpusEntry::german, &tankora::peers::CorpusEntry::japanese }) {
        std::vector<Entry> entries;
        for (const auto& entry : tankora::peers::Corpus())
            entries.push_back({ entry.native, "", "", entry.*translation });
        ExpectAgreementInEveryOrder(entries);
    }
}

TEST(EntryTableAgreement, DictionaryBenchmarkCorpusWithItsContexts)
{
    using namespace tankora::bench;
    std::vector<Entry> entries;
    for (int i = 0; i < kEntries; ++i)
        entries.push_back(
            { NativeText(i), ContextOf(i), kSubContext, "Рассчитать " + std::to_string(i) });
    ExpectAgreementInEveryOrder(entries);
}

#endif

// The entry table's sorted order, built on first need: most-significant-
// first over 8-byte chunks of the keys, each chunk ordered by a least-
// significant-first byte radix (passes over bytes that all keys share are
// skipped). Keys that end inside an equal chunk come first, shorter first;
// the rest of a run of equal chunks goes on at the next chunk. Equal keys
// keep the order they were added in, so the order is one and the same
// whenever it is built.

#include "l10n/dictionary/EntryLayout.h"
#include "l10n/dictionary/EntryTable.h"

#include <algorithm>
#include <array>

namespace {

using tankora::entries::Chunk;

// Runs at most this long are sorted by comparison; longer ones by radix.
constexpr std::size_t kComparisonSortRun = 48;
// Radix levels (8 key bytes each) before the rest of a run is compared whole:
// bounds the work on keys that share very long prefixes.
constexpr std::size_t kMaxRadixDepth = 64;

struct TSortItem
{
    std::uint64_t Chunk;
    std::uint32_t Position; // of the entry in the order added
    std::uint32_t Unused;
};

template <typename KeyFunction> class TKeySorter
{
public:
    TKeySorter(TSortItem* items, std::size_t count, KeyFunction keyOf, const char* storageEnd)
        : m_items(items)
        , m_count(count)
        , m_keyOf(keyOf)
        , m_storageEnd(storageEnd)
    { }

    // The items' chunks at depth 0 are set.
    void Sort()
    {
        if (m_count < 2)
            return;
        if (m_count > kComparisonSortRun)
            m_scratch.resize(m_count);
        SortRun(0, m_count, 0);
    }

private:
    std::string_view KeyOf(const TSortItem& item) const { return m_keyOf(item.Position); }

    void CompareSort(std::size_t begin, std::size_t end, std::size_t depth)
    {
        std::sort(
            m_items + begin, m_items + end, [this, depth](const TSortItem& a, const TSortItem& b) {
                const std::string_view left = KeyOf(a), right = KeyOf(b);
                const int order = left.substr(std::min(depth, left.size()))
                                      .compare(right.substr(std::min(depth, right.size())));
                return order < 0 || (order == 0 && a.Position < b.Position);
            });
    }

    void SortRun(std::size_t begin, std::size_t end, std::size_t depth)
    {
        const std::size_t count = end - begin;
        if (count < 2)
            return;
        if (count <= kComparisonSortRun || depth >= kMaxRadixDepth) {
            CompareSort(begin, end, depth);
            return;
        }
        RadixByChunk(begin, end, depth);
        // Runs of equal chunks: ended keys first by length, the rest deeper.
        std::size_t runStart = begin;
        for (std::size_t i = begin + 1; i <= end; ++i) {
            if (i < end && m_items[i].Chunk == m_items[runStart].Chunk)
                continue;
            if (i - runStart > 1) {
                TSortItem* firstLonger = std::partition(
                    m_items + runStart, m_items + i, [this, depth](const TSortItem& item) {
                        return KeyOf(item).size() <= depth + 8;
                    });
                std::sort(m_items + runStart, firstLonger,
                    [this](const TSortItem& a, const TSortItem& b) {
                        const std::size_t left = KeyOf(a).size(), right = KeyOf(b).size();
                        return left < right || (left == right && a.Position < b.Position);
                    });
                SortRun(static_cast<std::size_t>(firstLonger - m_items), i, depth + 8);
            }
            runStart = i;
        }
    }

    void RadixByChunk(std::size_t begin, std::size_t end, std::size_t depth)
    {
        const std::size_t count = end - begin;
        std::array<std::array<std::uint32_t, 256>, 8> counts {};
        for (std::size_t i = begin; i < end; ++i) {
            TSortItem& item = m_items[i];
            if (depth > 0)
                item.Chunk = Chunk(KeyOf(item), depth, m_storageEnd);
            for (int b = 0; b < 8; ++b)
                ++counts[static_cast<std::size_t>(b)][(item.Chunk >> (8 * b)) & 0xFF];
        }
        TSortItem* from = m_items + begin;
        TSortItem* to = m_scratch.data();
        for (int b = 0; b < 8; ++b) {
            auto& histogram = counts[static_cast<std::size_t>(b)];
            if (histogram[(from[0].Chunk >> (8 * b)) & 0xFF] == count)
                continue; // every key has this byte
            std::uint32_t sum = 0;
            for (auto& slot : histogram) {
                const std::uint32_t n = slot;
                slot = sum;
                sum += n;
            }
            for (std::size_t i = 0; i < count; ++i)
                to[histogram[(from[i].Chunk >> (8 * b)) & 0xFF]++] = from[i];
            std::swap(from, to);
        }
        if (from != m_items + begin)
            std::copy(from, from + count, m_items + begin);
    }

    TSortItem* m_items;
    std::size_t m_count;
    // Written before it is read.
    TIvRecycledVector<TSortItem> m_scratch;
    KeyFunction m_keyOf;
    const char* m_storageEnd;
};

} // namespace

void TIvEntryTable::SortNow() const
{
    if (m_sorted || !m_indexed)
        return;
    const std::size_t count = m_offsets.size();
    TIvRecycledVector<TSortItem> items(count);
    const char* storageEnd = StorageEnd();
    for (std::size_t i = 0; i < count; ++i)
        items[i] = { Chunk(KeyAt(i), 0, storageEnd), static_cast<std::uint32_t>(i), 0 };
    const auto keyOf = [this](std::uint32_t position) { return KeyAt(position); };
    TKeySorter<decltype(keyOf)>(items.data(), count, keyOf, storageEnd).Sort();

    // Offsets into sorted order; the index follows its entries there.
    TIvRecycledVector<std::uint32_t> sortedIndexOf(count);
    TIvRecycledVector<std::uint32_t> offsets(count);
    for (std::size_t i = 0; i < count; ++i) {
        offsets[i] = m_offsets[items[i].Position];
        sortedIndexOf[items[i].Position] = static_cast<std::uint32_t>(i);
    }
    if (!m_translations.empty()) {
        TIvRecycledVector<std::uint32_t> translations(count);
        for (std::size_t i = 0; i < count; ++i)
            translations[i] = m_translations[items[i].Position];
        m_translations.swap(translations);
    }
    m_offsets.swap(offsets);
    const std::uint32_t indexMask = (1u << m_indexBits) - 1;
    for (std::uint32_t& slot : m_slots) {
        if (slot != 0)
            slot = (slot & ~indexMask) | (sortedIndexOf[(slot & indexMask) - 1] + 1);
    }
    m_sorted = true;
}

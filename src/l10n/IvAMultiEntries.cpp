#include "IvAMultiEntries.h"

#include "framework/Exceptions.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstring>
#include <limits>
#include <memory>

namespace {

// Runs at most this long are sorted by comparison; longer ones by radix.
constexpr std::size_t kComparisonSortRun = 48;
// Radix levels (8 key bytes each) before the rest of a run is compared whole:
// bounds the work on keys that share very long prefixes.
constexpr std::size_t kMaxRadixDepth = 64;
// Entries of one native text compared one by one before a lookup by context
// turns to the binary search.
constexpr std::size_t kGroupScan = 16;

std::uint64_t Load64(const char* p)
{
    std::uint64_t value;
    std::memcpy(&value, p, sizeof value);
    if constexpr (std::endian::native == std::endian::big)
        value = __builtin_bswap64(value);
    return value;
}

std::uint64_t Mix(std::uint64_t value)
{
    value ^= value >> 33;
    value *= 0xff51afd7ed558ccdULL;
    value ^= value >> 33;
    value *= 0xc4ceb9fe1a85ec53ULL;
    value ^= value >> 33;
    return value;
}

// Eight key bytes from depth on, zero-padded, as a big-endian number, so
// numbers order as the bytes do.
std::uint64_t Chunk(std::string_view key, std::size_t depth)
{
    std::uint64_t value = 0;
    if (depth < key.size())
        std::memcpy(&value, key.data() + depth, std::min<std::size_t>(8, key.size() - depth));
    if constexpr (std::endian::native == std::endian::little)
        value = __builtin_bswap64(value);
    return value;
}

// text + c compared with other + c, c being the separator (the comparison
// the context-sensitive FindEntry makes), without building either text.
int CompareWithSeparator(std::string_view entry, std::string_view text)
{
    const std::size_t common = std::min(entry.size(), text.size());
    const int prefix = common == 0 ? 0 : std::memcmp(entry.data(), text.data(), common);
    if (prefix != 0)
        return prefix;
    if (entry.size() == text.size())
        return 0;
    const auto separator = static_cast<unsigned char>(TIvEntryTable::kContextSeparator);
    if (entry.size() < text.size())
        return separator <= static_cast<unsigned char>(text[common]) ? -1 : 1;
    return static_cast<unsigned char>(entry[common]) < separator ? -1 : 1;
}

} // namespace

std::uint64_t IvEntryHash(std::string_view text)
{
    std::uint64_t hash = 0x9E3779B97F4A7C15ULL ^ (text.size() * 0x100000001B3ULL);
    const char* p = text.data();
    std::size_t left = text.size();
    for (; left >= 8; left -= 8, p += 8)
        hash = (hash ^ Mix(Load64(p))) * 0x9E3779B97F4A7C15ULL;
    if (left > 0) {
        std::uint64_t tail = 0;
        std::memcpy(&tail, p, left);
        hash = (hash ^ Mix(tail + left)) * 0x9E3779B97F4A7C15ULL;
    }
    return Mix(hash);
}

void TIvEntryTable::Clear()
{
    TIvEntryTable empty;
    Swap(empty);
}

void TIvEntryTable::Swap(TIvEntryTable& other) noexcept
{
    std::swap(m_arena, other.m_arena);
    std::swap(m_records, other.m_records);
    std::swap(m_slots, other.m_slots);
    std::swap(m_indexBits, other.m_indexBits);
    std::swap(m_contextSensitive, other.m_contextSensitive);
    std::swap(m_indexed, other.m_indexed);
    std::swap(m_separatorInNative, other.m_separatorInNative);
    std::swap(m_textBytes, other.m_textBytes);
    std::swap(m_textsDone, other.m_textsDone);
    std::swap(m_textStart, other.m_textStart);
    std::swap(m_pending, other.m_pending);
}

void TIvEntryTable::Reserve(std::size_t entries, std::size_t textBytes)
{
    m_records.reserve(entries);
    m_arena.reserve(textBytes + entries);
}

void TIvEntryTable::Append(std::string_view nativeText, std::string_view context,
    std::string_view subContext, std::string_view translation)
{
    StartEntry();
    for (std::string_view text : { nativeText, context, subContext, translation }) {
        m_arena.append(text);
        EndText();
    }
}

void TIvEntryTable::StartEntry()
{
    // Offsets are 32-bit; an arena that large is no dictionary.
    if (m_arena.size() > std::numeric_limits<std::uint32_t>::max() / 2)
        throw Exception("Too many dictionary texts");
    m_indexed = false;
    m_textsDone = 0;
    m_pending = TRecord { static_cast<std::uint32_t>(m_arena.size()), 0, 0, 0, 0 };
    m_textStart = m_pending.Offset;
}

void TIvEntryTable::EndText()
{
    const auto length = static_cast<std::uint32_t>(m_arena.size() - m_textStart);
    m_textBytes += length;
    switch (m_textsDone++) {
    case 0:
        m_pending.NativeLength = length;
        m_arena.push_back(kContextSeparator);
        break;
    case 1:
        m_pending.ContextLength = length;
        break;
    case 2:
        m_pending.SubContextLength = length;
        break;
    default:
        m_pending.TranslationLength = length;
        if (length == m_pending.NativeLength
            && std::memcmp(m_arena.data() + m_textStart, m_arena.data() + m_pending.Offset, length)
                == 0) {
            m_arena.resize(m_textStart);
            m_pending.TranslationLength = kSameAsNative;
        }
        m_records.push_back(m_pending);
        m_textsDone = 0;
        break;
    }
    m_textStart = static_cast<std::uint32_t>(m_arena.size());
}

std::string_view TIvEntryTable::NativeOf(const TRecord& record) const
{
    return { m_arena.data() + record.Offset, record.NativeLength };
}

std::string_view TIvEntryTable::KeyOf(const TRecord& record) const
{
    if (!m_contextSensitive)
        return NativeOf(record);
    return { m_arena.data() + record.Offset,
        std::size_t { record.NativeLength } + 1 + record.ContextLength + record.SubContextLength };
}

std::string_view TIvEntryTable::ContextsOf(const TRecord& record) const
{
    return { m_arena.data() + record.Offset + record.NativeLength + 1,
        std::size_t { record.ContextLength } + record.SubContextLength };
}

TIvEntryView TIvEntryTable::At(int index) const
{
    const TRecord& r = m_records[static_cast<std::size_t>(index)];
    const char* context = m_arena.data() + r.Offset + r.NativeLength + 1;
    const char* subContext = context + r.ContextLength;
    const std::string_view native = NativeOf(r);
    const std::string_view translation = r.TranslationLength == kSameAsNative
        ? native
        : std::string_view { subContext + r.SubContextLength, r.TranslationLength };
    return { native, { context, r.ContextLength }, { subContext, r.SubContextLength },
        translation };
}

std::string_view TIvEntryTable::Key(int index) const
{
    return KeyOf(m_records[static_cast<std::size_t>(index)]);
}

void TIvEntryTable::SortEntries(bool contextSensitive)
{
    m_contextSensitive = contextSensitive;
    // Hashed in arena order, where reading the texts is sequential; the
    // hashes then travel with their records through the sort.
    std::vector<std::uint64_t> hashes;
    hashes.reserve(m_records.size());
    m_separatorInNative = false;
    for (const TRecord& record : m_records) {
        const std::string_view native = NativeOf(record);
        hashes.push_back(IvEntryHash(native));
        if (contextSensitive && native.find(kContextSeparator) != std::string_view::npos)
            m_separatorInNative = true;
    }
    SortRecords(hashes);
    // Growth left slack; a quarter more than needed is worth one copy.
    if (m_arena.capacity() > m_arena.size() + m_arena.size() / 4)
        m_arena.shrink_to_fit();
    if (m_records.capacity() > m_records.size() + m_records.size() / 4)
        m_records.shrink_to_fit();
    BuildIndex(hashes);
}

// ---------------------------------------------------------------------------
// Sorting: most-significant-first over 8-byte chunks of the keys, each chunk
// ordered by a least-significant-first byte radix (passes over bytes that all
// keys share are skipped). Keys that end inside an equal chunk come first,
// shorter first; the rest of a run of equal chunks goes on at the next chunk.

namespace {

struct TSortItem
{
    std::uint64_t Chunk;
    std::uint32_t Record;
};

class TKeySorter
{
public:
    template <typename KeyOf>
    TKeySorter(std::vector<TSortItem>& items, KeyOf keyOf)
        : m_items(items)
        , m_scratch(new TSortItem[items.size()]) // written before it is read
    {
        m_keys.reserve(items.size());
        for (const TSortItem& item : items)
            m_keys.push_back(keyOf(item.Record));
    }

    void Sort() { SortRun(0, m_items.size(), 0); }

private:
    std::string_view KeyAt(const TSortItem& item) const { return m_keys[item.Record]; }

    void CompareSort(std::size_t begin, std::size_t end, std::size_t depth)
    {
        std::sort(m_items.begin() + static_cast<std::ptrdiff_t>(begin),
            m_items.begin() + static_cast<std::ptrdiff_t>(end),
            [this, depth](const TSortItem& a, const TSortItem& b) {
                return KeyAt(a).substr(depth) < KeyAt(b).substr(depth);
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
                const auto firstLonger
                    = std::stable_partition(m_items.begin() + static_cast<std::ptrdiff_t>(runStart),
                        m_items.begin() + static_cast<std::ptrdiff_t>(i),
                        [this, depth](
                            const TSortItem& item) { return KeyAt(item).size() <= depth + 8; });
                const auto split = static_cast<std::size_t>(firstLonger - m_items.begin());
                std::sort(m_items.begin() + static_cast<std::ptrdiff_t>(runStart), firstLonger,
                    [this](const TSortItem& a, const TSortItem& b) {
                        return KeyAt(a).size() < KeyAt(b).size();
                    });
                SortRun(split, i, depth + 8);
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
            item.Chunk = Chunk(KeyAt(item), depth);
            for (int b = 0; b < 8; ++b)
                ++counts[static_cast<std::size_t>(b)][(item.Chunk >> (8 * b)) & 0xFF];
        }
        TSortItem* from = m_items.data() + begin;
        TSortItem* to = m_scratch.get();
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
        if (from != m_items.data() + begin)
            std::copy(from, from + count, m_items.data() + begin);
    }

    std::vector<TSortItem>& m_items;
    std::unique_ptr<TSortItem[]> m_scratch;
    std::vector<std::string_view> m_keys;
};

} // namespace

void TIvEntryTable::SortRecords(std::vector<std::uint64_t>& hashes)
{
    if (m_records.size() < 2)
        return;
    std::vector<TSortItem> items;
    items.reserve(m_records.size());
    for (std::size_t i = 0; i < m_records.size(); ++i)
        items.push_back({ 0, static_cast<std::uint32_t>(i) });
    TKeySorter(items, [this](std::uint32_t record) { return KeyOf(m_records[record]); }).Sort();
    std::vector<TRecord> sorted;
    std::vector<std::uint64_t> sortedHashes;
    sorted.reserve(m_records.size());
    sortedHashes.reserve(m_records.size());
    for (const TSortItem& item : items) {
        sorted.push_back(m_records[item.Record]);
        sortedHashes.push_back(hashes[item.Record]);
    }
    m_records.swap(sorted);
    hashes.swap(sortedHashes);
}

// ---------------------------------------------------------------------------
// Index

void TIvEntryTable::BuildIndex(const std::vector<std::uint64_t>& hashes)
{
    m_slots.clear();
    const std::size_t count = m_records.size();
    m_indexBits = std::bit_width(count + 1);
    // At most half full: probes stay short for hits and misses alike.
    const std::size_t capacity = std::bit_ceil(std::max<std::size_t>(count * 2, 8));
    m_slots.assign(capacity, 0);
    const std::size_t mask = capacity - 1;
    const int tagBits = 32 - m_indexBits;
    const std::uint32_t tagMask = tagBits >= 32 ? 0xFFFFFFFFu : ((1u << tagBits) - 1);
    for (std::size_t i = 0; i < count; ++i) {
        const std::uint64_t hash = hashes[i];
        // A native text that is not new starts no group; the hashes tell most
        // apart without reading the texts.
        if (i > 0 && hash == hashes[i - 1] && NativeOf(m_records[i]) == NativeOf(m_records[i - 1]))
            continue;
        const std::uint32_t tag = static_cast<std::uint32_t>(hash) & tagMask;
        std::size_t slot = static_cast<std::size_t>(hash >> 32) & mask;
        while (m_slots[slot] != 0)
            slot = (slot + 1) & mask;
        m_slots[slot] = (tag << m_indexBits) | static_cast<std::uint32_t>(i + 1);
    }
    m_indexed = true;
}

int TIvEntryTable::FindGroup(std::string_view text) const
{
    if (!m_indexed || m_records.empty())
        return -1;
    const std::uint64_t hash = IvEntryHash(text);
    const int tagBits = 32 - m_indexBits;
    const std::uint32_t tagMask = tagBits >= 32 ? 0xFFFFFFFFu : ((1u << tagBits) - 1);
    const std::uint32_t tag = static_cast<std::uint32_t>(hash) & tagMask;
    const std::uint32_t indexMask = (1u << m_indexBits) - 1;
    const std::size_t mask = m_slots.size() - 1;
    for (std::size_t slot = static_cast<std::size_t>(hash >> 32) & mask;;
         slot = (slot + 1) & mask) {
        const std::uint32_t value = m_slots[slot];
        if (value == 0)
            return -1;
        if ((value >> m_indexBits) != tag)
            continue;
        const int index = static_cast<int>((value & indexMask) - 1);
        if (NativeOf(m_records[static_cast<std::size_t>(index)]) == text)
            return index;
    }
}

int TIvEntryTable::Lookup(std::string_view text) const
{
    if (m_separatorInNative)
        return FindEntry(text);
    return FindGroup(text);
}

int TIvEntryTable::LookupWithContext(
    std::string_view text, std::string_view context, std::string_view subContext) const
{
    if (!m_contextSensitive)
        return Lookup(text);
    if (m_separatorInNative)
        return FindEntryWithContext(text, context, subContext);
    const int group = FindGroup(text);
    if (group < 0)
        return -1;
    // The group's entries are adjacent and ordered by their contexts, which
    // compare as the one text context + sub-context.
    const std::size_t wanted = context.size() + subContext.size();
    const std::size_t scanEnd
        = std::min(m_records.size(), static_cast<std::size_t>(group) + kGroupScan);
    auto i = static_cast<std::size_t>(group);
    for (; i < scanEnd && NativeOf(m_records[i]) == text; ++i) {
        const std::string_view contexts = ContextsOf(m_records[i]);
        if (contexts.size() == wanted && contexts.substr(0, context.size()) == context
            && contexts.substr(context.size()) == subContext)
            return static_cast<int>(i);
    }
    // A large group: the binary search is cheaper than the rest of the scan.
    if (i == scanEnd && i < m_records.size() && NativeOf(m_records[i]) == text)
        return FindEntryWithContext(text, context, subContext);
    return -1;
}

// ---------------------------------------------------------------------------
// Binary searches

// lo = 0, hi = count - 1, mid = (lo + hi) div 2: an equal entry ends the
// search, a smaller one moves lo above mid, a larger one hi below it.
template <typename Compare> int TIvEntryTable::BinarySearch(Compare compare) const
{
    if (!m_indexed)
        return -1;
    int lo = 0;
    int hi = Count() - 1;
    while (lo <= hi) {
        const int mid = (lo + hi) / 2;
        const int order = compare(m_records[static_cast<std::size_t>(mid)]);
        if (order == 0)
            return mid;
        if (order < 0)
            lo = mid + 1;
        else
            hi = mid - 1;
    }
    return -1;
}

int TIvEntryTable::FindEntry(std::string_view text) const
{
    return BinarySearch([this, text](const TRecord& record) {
        const std::string_view native = NativeOf(record);
        return m_contextSensitive ? CompareWithSeparator(native, text) : native.compare(text);
    });
}

int TIvEntryTable::FindEntryWithContext(
    std::string_view text, std::string_view context, std::string_view subContext) const
{
    if (!m_contextSensitive)
        return FindEntry(text);
    std::string key;
    key.reserve(text.size() + 1 + context.size() + subContext.size());
    key.append(text).append(1, kContextSeparator).append(context).append(subContext);
    return BinarySearch([this, &key](const TRecord& record) { return KeyOf(record).compare(key); });
}

std::size_t TIvEntryTable::MemoryUsage() const
{
    return m_arena.capacity() + m_records.capacity() * sizeof(TRecord)
        + m_slots.capacity() * sizeof(std::uint32_t);
}

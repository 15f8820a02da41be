#include "l10n/dictionary/EntryTable.h"

#include "framework/core/Exceptions.h"

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
// Offsets are 32-bit; an arena that large is no dictionary.
constexpr std::size_t kMaxArenaBytes = std::numeric_limits<std::uint32_t>::max() / 2;

// ---------------------------------------------------------------------------
// Entry headers: four LEB128 numbers before the texts.

struct TLayout
{
    const char* Native;
    std::uint32_t NativeLength;
    std::uint32_t ContextLength;
    std::uint32_t SubContextLength;
    std::uint32_t TranslationCode; // 0: the native text, else length + 1

    const char* Contexts() const { return Native + NativeLength + 1; }
    std::size_t ContextsLength() const { return std::size_t { ContextLength } + SubContextLength; }
    std::size_t KeyLength(bool contextSensitive) const
    {
        return contextSensitive ? NativeLength + 1 + ContextsLength() : NativeLength;
    }
    std::string_view NativeText() const { return { Native, NativeLength }; }
    std::string_view Key(bool contextSensitive) const
    {
        return { Native, KeyLength(contextSensitive) };
    }
};

TLayout Decode(const char* entry)
{
    const auto* p = reinterpret_cast<const unsigned char*>(entry);
    // Nearly every header is four one-byte numbers.
    if (((p[0] | p[1] | p[2] | p[3]) & 0x80) == 0)
        return { entry + 4, p[0], p[1], p[2], p[3] };
    std::uint32_t values[4];
    for (std::uint32_t& value : values) {
        value = 0;
        for (int shift = 0;; shift += 7) {
            const unsigned char byte = *p++;
            value |= static_cast<std::uint32_t>(byte & 0x7F) << shift;
            if ((byte & 0x80) == 0)
                break;
        }
    }
    return { reinterpret_cast<const char*>(p), values[0], values[1], values[2], values[3] };
}

std::size_t EncodedSize(std::uint32_t value)
{
    return static_cast<std::size_t>(std::bit_width(value | 1u) + 6) / 7;
}

void Encode(char* out, const std::array<std::uint32_t, 4>& values)
{
    for (std::uint32_t value : values) {
        while (value >= 0x80) {
            *out++ = static_cast<char>((value & 0x7F) | 0x80);
            value >>= 7;
        }
        *out++ = static_cast<char>(value);
    }
}

// ---------------------------------------------------------------------------
// Hashing

// A 4- or 8-byte word stored little-endian.
template <typename Word> Word LoadLittleEndian(const char* p)
{
    static_assert(sizeof(Word) == 4 || sizeof(Word) == 8);
    Word value;
    std::memcpy(&value, p, sizeof value);
    if constexpr (std::endian::native == std::endian::big) {
        if constexpr (sizeof value == 8)
            value = __builtin_bswap64(value);
        else
            value = __builtin_bswap32(value);
    }
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

// A multiply per 8 bytes and one finishing mix; short texts are read in
// overlapping pieces rather than byte by byte.
std::uint32_t HashText(std::string_view text)
{
    constexpr std::uint64_t kOdd = 0x9E3779B97F4A7C15ULL;
    const char* p = text.data();
    const std::size_t n = text.size();
    std::uint64_t hash = (n + 1) * kOdd;
    if (n >= 8) {
        const char* last = p + n - 8;
        for (; p < last; p += 8) {
            hash = (hash ^ LoadLittleEndian<std::uint64_t>(p)) * kOdd;
            hash ^= hash >> 29;
        }
        hash = (hash ^ LoadLittleEndian<std::uint64_t>(last)) * kOdd;
    } else if (n >= 4) {
        hash = (hash
                   ^ ((std::uint64_t { LoadLittleEndian<std::uint32_t>(p) } << 32)
                       | LoadLittleEndian<std::uint32_t>(p + n - 4)))
            * kOdd;
    } else if (n > 0) {
        const auto* b = reinterpret_cast<const unsigned char*>(p);
        hash = (hash ^ ((std::uint64_t { b[0] } << 16) | (b[n / 2] << 8) | b[n - 1])) * kOdd;
    }
    return static_cast<std::uint32_t>(Mix(hash) >> 32);
}

// Slot of a hash in an index of capacity slots (the hash's high bits).
std::size_t SlotOf(std::uint32_t hash, std::size_t capacity)
{
    return static_cast<std::size_t>((std::uint64_t { hash } * capacity) >> 32);
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

// ---------------------------------------------------------------------------
// Sorting: most-significant-first over 8-byte chunks of the keys, each chunk
// ordered by a least-significant-first byte radix (passes over bytes that all
// keys share are skipped). Keys that end inside an equal chunk come first,
// shorter first; the rest of a run of equal chunks goes on at the next chunk.

struct TSortItem
{
    std::uint64_t Chunk;
    std::uint32_t Offset; // of the entry in the arena
    std::uint32_t Hash; // of its native text, carried along for the index
};

// Eight key bytes from depth on, zero-padded, as a big-endian number, so
// numbers order as the bytes do. Bytes past the key up to arenaEnd may be
// read; they are masked off.
std::uint64_t Chunk(std::string_view key, std::size_t depth, const char* arenaEnd)
{
    if (depth >= key.size())
        return 0;
    const std::size_t left = key.size() - depth;
    const char* p = key.data() + depth;
    std::uint64_t value = 0;
    if (arenaEnd - p >= 8)
        std::memcpy(&value, p, 8);
    else
        std::memcpy(&value, p, std::min<std::size_t>(8, left));
    if constexpr (std::endian::native == std::endian::little)
        value = __builtin_bswap64(value);
    if (left < 8)
        value &= ~std::uint64_t { 0 } << (8 * (8 - left));
    return value;
}

class TKeySorter
{
public:
    TKeySorter(
        TSortItem* items, std::size_t count, const TIvTextArena& arena, bool contextSensitive)
        : m_items(items)
        , m_count(count)
        , m_arena(arena.Data())
        , m_arenaEnd(arena.Data() + arena.Size())
        , m_contextSensitive(contextSensitive)
    { }

    // The items' chunks at depth 0 are set.
    void Sort()
    {
        if (m_count < 2)
            return;
        if (m_count > kComparisonSortRun)
            m_scratch.reset(new TSortItem[m_count]); // written before it is read
        SortRun(0, m_count, 0);
    }

private:
    std::string_view KeyOf(const TSortItem& item) const
    {
        return Decode(m_arena + item.Offset).Key(m_contextSensitive);
    }

    void CompareSort(std::size_t begin, std::size_t end, std::size_t depth)
    {
        std::sort(
            m_items + begin, m_items + end, [this, depth](const TSortItem& a, const TSortItem& b) {
                const std::string_view left = KeyOf(a), right = KeyOf(b);
                return left.substr(std::min(depth, left.size()))
                    < right.substr(std::min(depth, right.size()));
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
                        return KeyOf(a).size() < KeyOf(b).size();
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
                item.Chunk = Chunk(KeyOf(item), depth, m_arenaEnd);
            for (int b = 0; b < 8; ++b)
                ++counts[static_cast<std::size_t>(b)][(item.Chunk >> (8 * b)) & 0xFF];
        }
        TSortItem* from = m_items + begin;
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
        if (from != m_items + begin)
            std::copy(from, from + count, m_items + begin);
    }

    TSortItem* m_items;
    std::size_t m_count;
    std::unique_ptr<TSortItem[]> m_scratch;
    const char* m_arena;
    const char* m_arenaEnd;
    bool m_contextSensitive;
};

} // namespace

// ---------------------------------------------------------------------------
// Building

void TIvEntryTable::Clear()
{
    TIvEntryTable empty;
    Swap(empty);
}

void TIvEntryTable::Swap(TIvEntryTable& other) noexcept
{
    m_arena.Swap(other.m_arena);
    std::swap(m_offsets, other.m_offsets);
    std::swap(m_slots, other.m_slots);
    std::swap(m_indexBits, other.m_indexBits);
    std::swap(m_contextSensitive, other.m_contextSensitive);
    std::swap(m_indexed, other.m_indexed);
    std::swap(m_separatorInNative, other.m_separatorInNative);
    std::swap(m_textBytes, other.m_textBytes);
    std::swap(m_expectedEntries, other.m_expectedEntries);
    std::swap(m_open, other.m_open);
}

void TIvEntryTable::Reserve(std::size_t entries, std::size_t textBytes)
{
    m_expectedEntries = m_offsets.size() + entries;
    m_offsets.reserve(m_expectedEntries);
    const std::size_t wanted = m_arena.Size() + textBytes + entries * (kHeaderRoom + 1);
    if (wanted > m_arena.Capacity())
        m_arena.Reserve(std::min(wanted, kMaxArenaBytes));
}

// Grows to what the entries so far project for the whole load when an
// estimate of their number was given, else by half.
void TIvEntryTable::Grow(std::size_t bytes)
{
    const std::size_t size = m_arena.Size();
    if (bytes > kMaxArenaBytes - size)
        throw Exception("Too many dictionary texts");
    std::size_t capacity = m_arena.Capacity() + m_arena.Capacity() / 2 + 256;
    const std::size_t done = m_offsets.size();
    if (done > 0 && m_expectedEntries > done) {
        const std::size_t projected = size / done * m_expectedEntries;
        capacity = std::min(capacity, projected + projected / 8);
    }
    m_arena.Reserve(std::min(std::max(capacity, size + bytes), kMaxArenaBytes));
}

void TIvEntryTable::Append(std::string_view nativeText, std::string_view context,
    std::string_view subContext, std::string_view translation)
{
    const auto put = [this](std::string_view text) {
        MakeRoom(text.size());
        if (!text.empty())
            std::memcpy(Text(), text.data(), text.size());
        Commit(text.size());
    };
    OpenEntry();
    put(nativeText);
    EndNative();
    put(context);
    EndContext();
    put(subContext);
    EndSubContext();
    put(translation);
    CloseEntry();
}

void TIvEntryTable::Close(bool sameAsNative)
{
    if (m_arena.Size() > kMaxArenaBytes)
        throw Exception("Too many dictionary texts");
    const std::size_t start = m_open.Start;
    const std::size_t textStart = start + kHeaderRoom;
    const auto native = static_cast<std::uint32_t>(m_open.NativeEnd - textStart);
    const auto context = static_cast<std::uint32_t>(m_open.ContextEnd - m_open.NativeEnd - 1);
    const auto subContext = static_cast<std::uint32_t>(m_open.SubContextEnd - m_open.ContextEnd);
    auto translation = static_cast<std::uint32_t>(m_arena.Size() - m_open.SubContextEnd);
    char* const data = m_arena.Data();
    if (!sameAsNative && translation == native
        && std::memcmp(data + m_open.SubContextEnd, data + textStart, native) == 0)
        sameAsNative = true;
    if (sameAsNative) {
        m_arena.Truncate(m_open.SubContextEnd);
        translation = native;
    }
    m_textBytes += std::size_t { native } + context + subContext + translation;
    const std::uint32_t code = sameAsNative ? 0 : translation + 1;
    if ((native | context | subContext | code) < 0x80) {
        // Four one-byte numbers: the room left for them.
        data[start] = static_cast<char>(native);
        data[start + 1] = static_cast<char>(context);
        data[start + 2] = static_cast<char>(subContext);
        data[start + 3] = static_cast<char>(code);
    } else {
        WriteLongHeader({ native, context, subContext, code });
    }
    m_offsets.push_back(static_cast<std::uint32_t>(start));
    m_indexed = false;
}

// A long text: the header takes more than its room, the texts move up.
void TIvEntryTable::WriteLongHeader(const std::array<std::uint32_t, 4>& header)
{
    std::size_t headerSize = 0;
    for (std::uint32_t value : header)
        headerSize += EncodedSize(value);
    const std::size_t textStart = m_open.Start + kHeaderRoom;
    const std::size_t extra = headerSize - kHeaderRoom;
    MakeRoom(extra);
    char* data = m_arena.Data();
    std::memmove(data + textStart + extra, data + textStart, m_arena.Size() - textStart);
    m_arena.Commit(extra);
    Encode(data + m_open.Start, header);
}

void TIvEntryTable::SortEntries(bool contextSensitive)
{
    m_contextSensitive = contextSensitive;
    m_separatorInNative = false;
    m_expectedEntries = 0;
    const std::size_t count = m_offsets.size();
    // Chunks and hashes are taken in arena order, where reading the texts is
    // sequential; the hashes then travel with their entries through the sort.
    std::unique_ptr<TSortItem[]> items(new TSortItem[count]);
    const char* data = m_arena.Data();
    const char* end = data + m_arena.Size();
    for (std::size_t i = 0; i < count; ++i) {
        const TLayout layout = Decode(data + m_offsets[i]);
        items[i] = { Chunk(layout.Key(contextSensitive), 0, end), m_offsets[i],
            HashText(layout.NativeText()) };
        if (contextSensitive
            && std::memchr(layout.Native, kContextSeparator, layout.NativeLength) != nullptr)
            m_separatorInNative = true;
    }
    TKeySorter(items.get(), count, m_arena, contextSensitive).Sort();
    for (std::size_t i = 0; i < count; ++i)
        m_offsets[i] = items[i].Offset;
    // An estimate's slack is given back: in place, nothing is copied.
    m_arena.ShrinkToFit();
    if (m_offsets.capacity() > count + count / 8)
        m_offsets.shrink_to_fit();
    BuildIndex([&items](std::size_t i) { return items[i].Hash; });
}

// ---------------------------------------------------------------------------
// Index

template <typename HashOf> void TIvEntryTable::BuildIndex(HashOf hashOf)
{
    const std::size_t count = m_offsets.size();
    m_indexBits = std::bit_width(count + 1);
    // At most half full: probes stay short for hits and misses alike.
    const std::size_t capacity = std::max<std::size_t>(8, count * 2 + 1);
    std::vector<std::uint32_t>(capacity, 0).swap(m_slots);
    const std::uint32_t tagMask = (1u << (32 - m_indexBits)) - 1;
    for (std::size_t i = 0; i < count; ++i) {
        const std::uint32_t hash = hashOf(i);
        // A native text that is not new starts no group; the hashes tell most
        // apart without reading the texts.
        if (i > 0 && hash == hashOf(i - 1) && NativeAt(i) == NativeAt(i - 1))
            continue;
        std::size_t slot = SlotOf(hash, capacity);
        while (m_slots[slot] != 0) {
            if (++slot == capacity)
                slot = 0;
        }
        m_slots[slot] = ((hash & tagMask) << m_indexBits) | static_cast<std::uint32_t>(i + 1);
    }
    m_indexed = true;
}

int TIvEntryTable::FindGroup(std::string_view text) const
{
    if (!m_indexed || m_offsets.empty())
        return -1;
    const std::uint32_t hash = HashText(text);
    const std::uint32_t tag = hash & ((1u << (32 - m_indexBits)) - 1);
    const std::uint32_t indexMask = (1u << m_indexBits) - 1;
    const std::size_t capacity = m_slots.size();
    for (std::size_t slot = SlotOf(hash, capacity);;) {
        const std::uint32_t value = m_slots[slot];
        if (value == 0)
            return -1;
        if ((value >> m_indexBits) == tag) {
            const std::size_t index = (value & indexMask) - 1;
            if (NativeAt(index) == text)
                return static_cast<int>(index);
        }
        if (++slot == capacity)
            slot = 0;
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
        = std::min(m_offsets.size(), static_cast<std::size_t>(group) + kGroupScan);
    auto i = static_cast<std::size_t>(group);
    for (; i < scanEnd; ++i) {
        const TLayout layout = Decode(m_arena.Data() + m_offsets[i]);
        if (layout.NativeText() != text)
            return -1;
        const std::string_view contexts { layout.Contexts(), layout.ContextsLength() };
        if (contexts.size() == wanted && contexts.substr(0, context.size()) == context
            && contexts.substr(context.size()) == subContext)
            return static_cast<int>(i);
    }
    // A large group: the binary search is cheaper than the rest of the scan.
    if (i < m_offsets.size() && NativeAt(i) == text)
        return FindEntryWithContext(text, context, subContext);
    return -1;
}

// ---------------------------------------------------------------------------
// Entries

std::string_view TIvEntryTable::NativeAt(std::size_t index) const
{
    return Decode(m_arena.Data() + m_offsets[index]).NativeText();
}

std::string_view TIvEntryTable::KeyAt(std::size_t index) const
{
    return Decode(m_arena.Data() + m_offsets[index]).Key(m_contextSensitive);
}

TIvEntryView TIvEntryTable::At(int index) const
{
    const TLayout layout = Decode(m_arena.Data() + m_offsets[static_cast<std::size_t>(index)]);
    const char* context = layout.Contexts();
    const char* subContext = context + layout.ContextLength;
    const std::string_view native = layout.NativeText();
    const std::string_view translation = layout.TranslationCode == 0
        ? native
        : std::string_view { subContext + layout.SubContextLength, layout.TranslationCode - 1 };
    return { native, { context, layout.ContextLength }, { subContext, layout.SubContextLength },
        translation };
}

std::string_view TIvEntryTable::Key(int index) const
{
    return KeyAt(static_cast<std::size_t>(index));
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
        const int order = compare(static_cast<std::size_t>(mid));
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
    return BinarySearch([this, text](std::size_t index) {
        const std::string_view native = NativeAt(index);
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
    return BinarySearch([this, &key](std::size_t index) { return KeyAt(index).compare(key); });
}

std::size_t TIvEntryTable::MemoryUsage() const
{
    return m_arena.Capacity() + (m_offsets.capacity() + m_slots.capacity()) * sizeof(std::uint32_t);
}

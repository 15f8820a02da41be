#include "l10n/dictionary/EntryTable.h"

#include "l10n/dictionary/EntryLayout.h"

#include "framework/core/Exceptions.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstring>
#include <limits>
#include <memory>

using tankora::entries::DecodeArenaEntry;
using tankora::entries::EncodedSize;
using tankora::entries::ImageText;
using tankora::entries::TLayout;

namespace {

// Entries of one native text compared one by one before a lookup by context
// turns to the binary search.
constexpr std::size_t kGroupScan = 16;
// Offsets are 32-bit; an arena that large is no dictionary.
constexpr std::size_t kMaxArenaBytes = std::numeric_limits<std::uint32_t>::max() / 2;

// ---------------------------------------------------------------------------
// Entry headers: four LEB128 numbers before the texts (EntryLayout.h).

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
    std::swap(m_image, other.m_image);
    std::swap(m_offsets, other.m_offsets);
    std::swap(m_translations, other.m_translations);
    std::swap(m_slots, other.m_slots);
    std::swap(m_indexBits, other.m_indexBits);
    std::swap(m_contextSensitive, other.m_contextSensitive);
    std::swap(m_indexed, other.m_indexed);
    std::swap(m_sorted, other.m_sorted);
    std::swap(m_separatorInNative, other.m_separatorInNative);
    std::swap(m_textBytes, other.m_textBytes);
    std::swap(m_expectedEntries, other.m_expectedEntries);
    std::swap(m_open, other.m_open);
}

void TIvEntryTable::Reserve(std::size_t entries, std::size_t textBytes)
{
    m_expectedEntries = m_offsets.size() + entries;
    m_offsets.reserve(m_expectedEntries);
    if (References())
        return; // translations are reserved when the first one differs from its text
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
    m_sorted = false;
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

void TIvEntryTable::ReferenceImage(TIvImageBytes image)
{
    if (!Empty() || m_arena.Size() > 0)
        throw Exception("The entry table is not empty");
    if (image.Size > kMaxArenaBytes)
        throw Exception("Too many dictionary texts");
    m_image = std::move(image);
}

void TIvEntryTable::AppendReference(std::uint32_t nativeText, std::uint32_t translation)
{
    const std::size_t position = m_offsets.size();
    m_offsets.push_back(nativeText);
    if (translation != nativeText && m_translations.empty()) {
        // The first translation of its own: the earlier ones are their native texts.
        m_translations.reserve(m_offsets.capacity());
        m_translations.assign(m_offsets.begin(), m_offsets.begin() + static_cast<long>(position));
    }
    if (!m_translations.empty() || translation != nativeText)
        m_translations.push_back(translation);
    const std::size_t nativeLength = ImageText(m_image.Data + nativeText, m_image.BigEndian).size();
    m_textBytes += nativeLength
        + (translation == nativeText
                ? nativeLength
                : ImageText(m_image.Data + translation, m_image.BigEndian).size());
    m_indexed = false;
    m_sorted = false;
}

void TIvEntryTable::CopyReferencedTexts()
{
    if (!References())
        return;
    TIvEntryTable copy;
    const std::size_t count = m_offsets.size();
    // Exact: a one-byte separator and a header per entry (longer headers grow it).
    copy.Reserve(count, m_textBytes);
    for (std::size_t i = 0; i < count; ++i) {
        const TLayout layout = LayoutAt(i);
        copy.Append(layout.NativeText(), {}, {}, { layout.Translation, layout.TranslationLength });
    }
    copy.m_arena.ShrinkToFit();
    copy.m_expectedEntries = 0;
    copy.m_contextSensitive = m_contextSensitive;
    Swap(copy);
}

// Hashes the entries in the order added (a sequential read of their texts),
// keeps the first of each native text, and notices an order that is already
// sorted, all in one pass.
void TIvEntryTable::SortEntries(bool contextSensitive)
{
    if (contextSensitive && References())
        CopyReferencedTexts();
    m_contextSensitive = contextSensitive;
    m_separatorInNative = false;
    m_expectedEntries = 0;
    m_arena.ShrinkToFit();
    const std::size_t count = m_offsets.size();
    if (m_offsets.capacity() > count + count / 8)
        m_offsets.shrink_to_fit();
    if (m_translations.capacity() > count + count / 8)
        m_translations.shrink_to_fit();

    m_indexBits = static_cast<int>(std::bit_width(count + 1));
    // At most half full: probes stay short for hits and misses alike.
    const std::size_t capacity = std::max<std::size_t>(8, count * 2 + 1);
    m_slots.assign(capacity, 0);
    bool inOrder = true;
    std::string_view previous;
    for (std::size_t i = 0; i < count; ++i) {
        const TLayout layout = LayoutAt(i);
        const std::string_view key = layout.Key(contextSensitive);
        if (inOrder && i > 0 && key < previous)
            inOrder = false;
        previous = key;
        if (contextSensitive
            && std::memchr(layout.Native, kContextSeparator, layout.NativeLength) != nullptr)
            m_separatorInNative = true;
        IndexEntry(HashText(layout.NativeText()), i);
    }
    m_indexed = true;
    m_sorted = inOrder;
    // Lookups then take the binary searches, which need the order.
    if (m_separatorInNative)
        SortNow();
}

// ---------------------------------------------------------------------------
// Index

// A native text seen before keeps its slot, unless this entry's key is
// smaller (context-sensitive tables): the slot names the first of its
// native text in sorted order.
void TIvEntryTable::IndexEntry(std::uint32_t hash, std::size_t position)
{
    const std::size_t capacity = m_slots.size();
    const std::uint32_t tagMask = (1u << (32 - m_indexBits)) - 1;
    const std::uint32_t indexMask = (1u << m_indexBits) - 1;
    const std::uint32_t tag = hash & tagMask;
    std::size_t slot = SlotOf(hash, capacity);
    for (; m_slots[slot] != 0; slot = slot + 1 == capacity ? 0 : slot + 1) {
        const std::uint32_t value = m_slots[slot];
        if ((value >> m_indexBits) != tag)
            continue;
        const std::size_t other = (value & indexMask) - 1;
        if (NativeAt(other) != NativeAt(position))
            continue;
        if (m_contextSensitive && KeyAt(position) < KeyAt(other))
            m_slots[slot] = (tag << m_indexBits) | static_cast<std::uint32_t>(position + 1);
        return;
    }
    m_slots[slot] = (tag << m_indexBits) | static_cast<std::uint32_t>(position + 1);
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

// With the separator in native texts the binary search answers (the table
// was sorted when it was finished).
int TIvEntryTable::FindSortedGroup(std::string_view text) const
{
    if (m_separatorInNative)
        return FindEntry(text);
    return FindGroup(text);
}

int TIvEntryTable::Lookup(std::string_view text) const
{
    SortNow();
    return FindSortedGroup(text);
}

int TIvEntryTable::LookupWithContext(
    std::string_view text, std::string_view context, std::string_view subContext) const
{
    if (!m_contextSensitive)
        return Lookup(text);
    SortNow();
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
        const TLayout layout = LayoutAt(i);
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

bool TIvEntryTable::FindTranslation(std::string_view text, std::string_view& translation) const
{
    const int position = FindSortedGroup(text);
    if (position < 0)
        return false;
    const TLayout layout = LayoutAt(static_cast<std::size_t>(position));
    translation = { layout.Translation, layout.TranslationLength };
    return true;
}

bool TIvEntryTable::FindTranslationWithContext(std::string_view text, std::string_view context,
    std::string_view subContext, std::string_view& translation) const
{
    if (!m_contextSensitive)
        return FindTranslation(text, translation);
    const int index = LookupWithContext(text, context, subContext);
    if (index < 0)
        return false;
    translation = At(index).Translation;
    return true;
}

// ---------------------------------------------------------------------------
// Entries

TLayout TIvEntryTable::LayoutAt(std::size_t position) const
{
    if (!References())
        return DecodeArenaEntry(m_arena.Data() + m_offsets[position]);
    const std::string_view native
        = ImageText(m_image.Data + m_offsets[position], m_image.BigEndian);
    const auto nativeLength = static_cast<std::uint32_t>(native.size());
    TLayout layout { native.data(), nativeLength, 0, 0, native.data(), nativeLength };
    if (!m_translations.empty() && m_translations[position] != m_offsets[position]) {
        const std::string_view translation
            = ImageText(m_image.Data + m_translations[position], m_image.BigEndian);
        layout.Translation = translation.data();
        layout.TranslationLength = static_cast<std::uint32_t>(translation.size());
    }
    return layout;
}

const char* TIvEntryTable::StorageEnd() const
{
    return References() ? m_image.Data + m_image.Size : m_arena.Data() + m_arena.Size();
}

std::string_view TIvEntryTable::NativeAt(std::size_t position) const
{
    return LayoutAt(position).NativeText();
}

std::string_view TIvEntryTable::KeyAt(std::size_t position) const
{
    return LayoutAt(position).Key(m_contextSensitive);
}

TIvEntryView TIvEntryTable::At(int index) const
{
    SortNow();
    const TLayout layout = LayoutAt(static_cast<std::size_t>(index));
    if (References())
        return { layout.NativeText(), {}, {}, { layout.Translation, layout.TranslationLength } };
    const char* context = layout.Contexts();
    const char* subContext = context + layout.ContextLength;
    return { layout.NativeText(), { context, layout.ContextLength },
        { subContext, layout.SubContextLength }, { layout.Translation, layout.TranslationLength } };
}

std::string_view TIvEntryTable::Key(int index) const
{
    SortNow();
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
    SortNow();
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
    return m_arena.Capacity() + m_image.Size
        + (m_offsets.capacity() + m_translations.capacity() + m_slots.capacity())
        * sizeof(std::uint32_t);
}

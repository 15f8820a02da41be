#pragma once
// TIvEntryTable: the entries of one language of a file dictionary, indexed
// for lookups and ordered on demand.
//
// Texts are either copied into one arena of bytes, entry after entry (a
// header of four lengths, then native text, the character 127, context,
// sub-context and translation: see EntryLayout.h), or referenced where they
// lie in a loaded image of 8-bit texts, which the table then holds. An entry
// is a 4-byte offset (and, referenced, one more for its translation), so a
// load of tens of thousands of entries makes a handful of allocations.
//
// Order: the sort key is the native text, or, in a context-sensitive table,
// native text + character 127 + context + sub-context. Keys compare
// ordinally as unsigned bytes, a proper prefix first; equal keys keep the
// order they were added in.
//
// Finishing a load (SortEntries) builds only the hash index, over the
// entries in the order added, and notices when that order is already the
// sorted one. The sorted order is built the first time something needs it:
// At, Key, the binary searches, the index-returning lookups, a lookup by
// context in a context-sensitive table. FindTranslation answers without it.
//
// Lookups: FindEntry and FindEntryWithContext are the binary searches over
// the sorted order, index in, index out. Lookup and LookupWithContext give
// the same answers through the hash index; with equal native texts the index
// keeps the first of them in sorted order (the smallest key, then the first
// added), so every answer is the same whether the order was built early or late.

#include "l10n/dictionary/RecycledBlocks.h"
#include "l10n/dictionary/TextArena.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace tankora::entries {
struct TLayout;
}

// One entry's texts, borrowed from the table (valid until it changes).
struct TIvEntryView
{
    std::string_view NativeText;
    std::string_view Context;
    std::string_view SubContext;
    std::string_view Translation;
};

// A loaded image whose 8-bit texts a table references: Data .. Data + Size
// stays valid while Owner lives. Texts are 16-bit length words (big-endian
// or not) followed by their bytes.
struct TIvImageBytes
{
    std::shared_ptr<const void> Owner;
    const char* Data = nullptr;
    std::size_t Size = 0;
    bool BigEndian = false;
};

template <typename T> using TIvRecycledVector = std::vector<T, tankora::recycled::TAllocator<T>>;

class TIvEntryTable
{
public:
    // Character between the native text and the contexts in a composite key.
    static constexpr char kContextSeparator = '\x7F';

    TIvEntryTable() = default;
    TIvEntryTable(TIvEntryTable&& other) noexcept { Swap(other); }
    TIvEntryTable& operator=(TIvEntryTable&& other) noexcept
    {
        Swap(other);
        return *this;
    }

    // Empties the table and gives its memory back.
    void Clear();
    void Swap(TIvEntryTable& other) noexcept;

    // Appending. The table is unsorted (and its lookups find nothing) from the
    // first entry added until SortEntries; At gives the entries in the order
    // they were added until then.
    //
    // An estimate of what is coming: entries, and the bytes of their texts.
    void Reserve(std::size_t entries, std::size_t textBytes);
    void Append(std::string_view nativeText, std::string_view context, std::string_view subContext,
        std::string_view translation);
    // For loaders that convert texts straight into the arena: OpenEntry, then
    // the native text, EndNative, the context, EndContext, the sub-context,
    // EndSubContext, the translation, CloseEntry (or CloseEntryAsNative
    // instead of writing a translation equal to the native text). Each text
    // is written at Text() after MakeRoom for at most that many bytes, and
    // taken with Commit.
    void OpenEntry()
    {
        MakeRoom(kHeaderRoom + 1);
        m_open.Start = m_arena.Size();
        m_arena.Commit(kHeaderRoom);
    }
    void MakeRoom(std::size_t bytes)
    {
        if (m_arena.Room() < bytes)
            Grow(bytes);
    }
    char* Text() { return m_arena.End(); }
    void Commit(std::size_t bytes) { m_arena.Commit(bytes); }
    void EndNative()
    {
        m_open.NativeEnd = m_arena.Size();
        MakeRoom(1);
        *m_arena.End() = kContextSeparator;
        m_arena.Commit(1);
    }
    void EndContext() { m_open.ContextEnd = m_arena.Size(); }
    void EndSubContext() { m_open.SubContextEnd = m_arena.Size(); }
    void CloseEntry() { Close(false); }
    void CloseEntryAsNative() { Close(true); }

    // Referencing instead: the table holds image (while empty) and each
    // AppendReference names an entry by the offsets of its native text's and
    // its translation's length words in it (the same offset for a translation
    // equal to the native text). The offsets are trusted: the caller has
    // checked that every text lies inside the image.
    void ReferenceImage(TIvImageBytes image);
    void AppendReference(std::uint32_t nativeText, std::uint32_t translation);
    bool References() const { return m_image.Data != nullptr; }
    const TIvImageBytes& Image() const { return m_image; }
    // Copies the referenced texts into the arena and lets the image go.
    void CopyReferencedTexts();

    // Ends a load: the key kind, the hash index, and whether the entries were
    // added in sorted order. (A context-sensitive table of referenced texts
    // copies them first: its keys must be contiguous.)
    void SortEntries(bool contextSensitive);
    bool ContextSensitive() const { return m_contextSensitive; }
    // Builds the sorted order now if it is not there (what At and the binary
    // searches do on first use); whether it is there.
    void SortNow() const;
    bool Sorted() const { return m_sorted; }

    int Count() const { return static_cast<int>(m_offsets.size()); }
    bool Empty() const { return m_offsets.empty(); }
    // Entry index (0 .. Count()-1, unchecked).
    TIvEntryView At(int index) const;
    std::string_view Key(int index) const;

    // Binary search by native text (see the file comment); -1 when absent.
    int FindEntry(std::string_view text) const;
    // Binary search by composite key; by native text alone when the table is
    // not context-sensitive.
    int FindEntryWithContext(
        std::string_view text, std::string_view context, std::string_view subContext) const;
    // The index FindEntry / FindEntryWithContext would accept, found by hash.
    int Lookup(std::string_view text) const;
    int LookupWithContext(
        std::string_view text, std::string_view context, std::string_view subContext) const;
    // The translation Lookup / LookupWithContext would lead to, without
    // building the sorted order (except for a lookup by context in a
    // context-sensitive table). False when there is none.
    bool FindTranslation(std::string_view text, std::string_view& translation) const;
    bool FindTranslationWithContext(std::string_view text, std::string_view context,
        std::string_view subContext, std::string_view& translation) const;

    // Bytes held: arena or referenced image, entry offsets and index, by capacity.
    std::size_t MemoryUsage() const;
    // Bytes of the entries' texts (native, contexts and translations).
    std::size_t TextBytes() const { return m_textBytes; }

private:
    // Header bytes an entry opens with; more when a length needs them.
    static constexpr std::size_t kHeaderRoom = 4;

    struct TOpenEntry
    {
        std::size_t Start = 0, NativeEnd = 0, ContextEnd = 0, SubContextEnd = 0;
    };

    void Grow(std::size_t bytes);
    void Close(bool sameAsNative);
    void WriteLongHeader(const std::array<std::uint32_t, 4>& header);
    // Entry at position (in the order added until sorted, then sorted).
    tankora::entries::TLayout LayoutAt(std::size_t position) const;
    std::string_view NativeAt(std::size_t position) const;
    std::string_view KeyAt(std::size_t position) const;
    // The end of the bytes the entries' texts lie in (keys may be read in
    // 8-byte pieces up to it).
    const char* StorageEnd() const;
    void IndexEntry(std::uint32_t hash, std::size_t position);
    // compare(index) < 0: the entry is below the key searched for.
    template <typename Compare> int BinarySearch(Compare compare) const;
    // Position of the first entry of sorted order whose native text is
    // text, or -1 (any one when the native texts hold the separator).
    int FindGroup(std::string_view text) const;
    int FindSortedGroup(std::string_view text) const;

    TIvTextArena m_arena;
    TIvImageBytes m_image;
    // Per entry: the arena offset of its header, or the image offset of its
    // native text's length word; in sorted order once sorted.
    mutable TIvRecycledVector<std::uint32_t> m_offsets;
    // Referenced entries: the image offset of the translation's length word
    // (empty when every translation is its native text).
    mutable TIvRecycledVector<std::uint32_t> m_translations;
    // Open addressing, linear probing: 0 empty, else (tag << m_indexBits) |
    // (position + 1) of the first entry of a native-text group.
    mutable TIvRecycledVector<std::uint32_t> m_slots;
    int m_indexBits = 0;
    bool m_contextSensitive = false;
    bool m_indexed = false;
    mutable bool m_sorted = false;
    // Some native text holds the separator: groups may interleave, so lookups
    // take the binary search instead of the index.
    bool m_separatorInNative = false;
    std::size_t m_textBytes = 0;
    std::size_t m_expectedEntries = 0; // Reserve's estimate, for growing
    TOpenEntry m_open;
};

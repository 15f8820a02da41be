#pragma once
// TIvEntryTable: the entries of one language of a file dictionary, sorted
// for lookups.
//
// The texts of all entries live in one arena of bytes, entry after entry: a
// header of four lengths (LEB128: native text, context, sub-context, and the
// translation's length + 1, or 0 for a translation equal to the native text,
// which takes no bytes), then native text, the character 127, context,
// sub-context and translation. An entry is its 4-byte arena offset, so a load
// of tens of thousands of entries makes a handful of allocations and holds
// little beside the texts themselves.
//
// Order: the sort key is the native text, or, in a context-sensitive table,
// native text + character 127 + context + sub-context (which the arena holds
// in one piece). Keys compare ordinally as unsigned bytes, a proper prefix
// first.
//
// Lookups: FindEntry and FindEntryWithContext are the binary searches over
// that order, index in, index out. Lookup and LookupWithContext give the same
// answers (with duplicate keys any one of them) through a hash index built
// with the sort, in a constant number of probes.

#include "l10n/dictionary/TextArena.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// One entry's texts, borrowed from the table (valid until it changes).
struct TIvEntryView
{
    std::string_view NativeText;
    std::string_view Context;
    std::string_view SubContext;
    std::string_view Translation;
};

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

    // Sorts by the key of the given kind and builds the lookup index.
    void SortEntries(bool contextSensitive);
    bool ContextSensitive() const { return m_contextSensitive; }

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

    // Bytes held: arena, entry offsets and index, by capacity.
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
    std::string_view NativeAt(std::size_t index) const;
    std::string_view KeyAt(std::size_t index) const;
    // hashOf(i): the hash of the native text of sorted entry i.
    template <typename HashOf> void BuildIndex(HashOf hashOf);
    // compare(index) < 0: the entry is below the key searched for.
    template <typename Compare> int BinarySearch(Compare compare) const;
    // First index of the run of entries whose native text is text, or -1.
    int FindGroup(std::string_view text) const;

    TIvTextArena m_arena;
    // Arena offset of each entry's header, in sorted order once sorted.
    std::vector<std::uint32_t> m_offsets;
    // Open addressing, linear probing: 0 empty, else (tag << m_indexBits) |
    // (index + 1) of the first entry of a native-text group.
    std::vector<std::uint32_t> m_slots;
    int m_indexBits = 0;
    bool m_contextSensitive = false;
    bool m_indexed = false;
    // Some native text holds the separator: groups may interleave, so lookups
    // take the binary search instead of the index.
    bool m_separatorInNative = false;
    std::size_t m_textBytes = 0;
    std::size_t m_expectedEntries = 0; // Reserve's estimate, for growing
    TOpenEntry m_open;
};

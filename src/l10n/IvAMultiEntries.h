#pragma once
// TIvEntryTable: the entries of one language of a file dictionary, sorted
// for lookups.
//
// The texts of all entries live in one arena of bytes (native text, the
// character 127, context, sub-context, translation, entry after entry) and
// each entry is a fixed record of offsets, so a load of tens of thousands of
// entries makes a handful of allocations instead of four per entry.
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

    // Empties the table and gives its memory back.
    void Clear();
    void Swap(TIvEntryTable& other) noexcept;

    // Appending. The table is unsorted (and its lookups find nothing) from the
    // first Append until SortEntries.
    void Reserve(std::size_t entries, std::size_t textBytes);
    void Append(std::string_view nativeText, std::string_view context, std::string_view subContext,
        std::string_view translation);
    // For loaders that convert texts straight into the arena: StartEntry, then
    // the four texts (native, context, sub-context, translation) each appended
    // to Arena() and closed with EndText. An entry is complete after its
    // fourth EndText; a translation equal to the native text takes no bytes.
    void StartEntry();
    std::string& Arena() { return m_arena; }
    void EndText();

    // Sorts by the key of the given kind and builds the lookup index.
    void SortEntries(bool contextSensitive);
    bool ContextSensitive() const { return m_contextSensitive; }

    int Count() const { return static_cast<int>(m_records.size()); }
    bool Empty() const { return m_records.empty(); }
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

    // Bytes held: arena, records and index, by capacity.
    std::size_t MemoryUsage() const;
    // Bytes of the entries' texts (native, contexts and translations).
    std::size_t TextBytes() const { return m_textBytes; }

private:
    struct TRecord
    {
        std::uint32_t Offset; // of the native text in the arena
        std::uint32_t NativeLength;
        std::uint32_t ContextLength;
        std::uint32_t SubContextLength;
        std::uint32_t TranslationLength; // kSameAsNative: the native text
    };
    static constexpr std::uint32_t kSameAsNative = 0xFFFFFFFF;

    std::string_view NativeOf(const TRecord& record) const;
    std::string_view KeyOf(const TRecord& record) const;
    std::string_view ContextsOf(const TRecord& record) const; // context + sub-context
    // Sorts the records, permuting the hashes of their native texts with them.
    void SortRecords(std::vector<std::uint64_t>& hashes);
    void BuildIndex(const std::vector<std::uint64_t>& hashes);
    // compare(record) < 0: the record is below the key searched for.
    template <typename Compare> int BinarySearch(Compare compare) const;
    // First index of the run of entries whose native text is text, or -1.
    int FindGroup(std::string_view text) const;

    std::string m_arena;
    std::vector<TRecord> m_records;
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
    // Entry under construction.
    int m_textsDone = 0;
    std::uint32_t m_textStart = 0;
    TRecord m_pending {};
};

// The hash of the index (exposed for the tests that check its spread).
std::uint64_t IvEntryHash(std::string_view text);

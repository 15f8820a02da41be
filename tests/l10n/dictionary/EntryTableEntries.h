#pragma once
// Entries as the entry table's tests write them, and a table finished from them.

#include "l10n/dictionary/EntryTable.h"

#include <string>
#include <vector>

namespace tankora::test {

struct Entry
{
    std::string native, context, subContext, translation;
};

// The entries appended in turn, the load ended (SortEntries).
inline TIvEntryTable MakeTable(const std::vector<Entry>& entries, bool contextSensitive)
{
    TIvEntryTable table;
    for (const Entry& e : entries)
        table.Append(e.native, e.context, e.subContext, e.translation);
    table.SortEntries(contextSensitive);
    return table;
}

} // namespace tankora::test

#pragma once
// What `mldtool dump` shows of an MLD image, read with the program's own
// reader (TIvMLDFile): header, languages, locales and translation records.

#include <nlohmann/json_fwd.hpp>

#include <cstddef>
#include <functional>
#include <iosfwd>
#include <string>
#include <vector>

namespace tankora::mld {

struct DumpOptions
{
    int column = 0; // entries read for this column
    bool raw = false; // languages as stored instead of completed
    bool all = false; // every entry with all columns 1..L-1
    // UTF-16 images: translations as stored instead of through their column's
    // code page, so tools see characters the code page would lose.
    bool exactUnicode = false;
    bool entries = true; // false: header, languages and locales only
};

// One entry with every column, as `--all` reads it (UTF-8).
struct EntryColumns
{
    std::string native, context, subContext;
    std::vector<std::string> translations; // columns 1..L-1
};

using EntryVisitor = std::function<void(std::size_t index, const EntryColumns& entry)>;

// The image as one JSON object (strings UTF-8), members in record order. Throws the reader's
// errors; ERangeError-free: a column outside the language table throws std::out_of_range with a
// message naming it. With options.all and a visitor, each entry goes to the visitor instead
// of into "entries" (left empty), so a caller need not hold the whole image as JSON.
nlohmann::ordered_json DumpMld(
    const std::string& fileName, const DumpOptions& options, const EntryVisitor& visit = {});

// The same object as plain text for people.
void PrintMldText(const nlohmann::ordered_json& dump, std::ostream& out);

} // namespace tankora::mld

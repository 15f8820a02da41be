#pragma once
// What `mldtool dump` shows of an MLD image, read with the program's own
// reader (TIvMLDFile): header, languages, locales and translation records.

#include <nlohmann/json_fwd.hpp>

#include <iosfwd>
#include <string>

namespace tankora::mld {

struct DumpOptions
{
    int column = 0; // entries read for this column
    bool raw = false; // languages as stored instead of completed
    bool all = false; // every entry with all columns 1..L-1
    // UTF-16 images: translations as stored instead of through their column's
    // code page, so tools see characters the code page would lose.
    bool exactUnicode = false;
};

// The image as one JSON object (strings UTF-8), members in record order. Throws the reader's
// errors; ERangeError-free: a column outside the language table throws std::out_of_range with a
// message naming it.
nlohmann::ordered_json DumpMld(const std::string& fileName, const DumpOptions& options);

// The same object as plain text for people.
void PrintMldText(const nlohmann::ordered_json& dump, std::ostream& out);

} // namespace tankora::mld

#pragma once
// Builds MLD images from their JSON description, the shape `mldtool dump
// --raw --all --json` prints:
//   {"header": {"version", "littleEndian", "ansiStrings", "contextKind"},
//    "languages": [raw language records], "locales": [locale records],
//    "entries": [{"native", "context", "subContext", "translations": [columns 1..L-1]}]}
// Strings are UTF-8 and are stored in the code page the reader converts them
// with (8-bit images) or as UTF-16. Tables follow the header in the order
// languages, translations, locales; reserved bytes are zero. Counts come from
// the arrays.

#include <nlohmann/json_fwd.hpp>

#include <stdexcept>
#include <string>

namespace tankora::mld {

// A description that cannot be written; the message names the member.
class MldBuildError : public std::runtime_error
{
public:
    using std::runtime_error::runtime_error;
};

// The order the translation records are written in.
enum class EntryOrder {
    // The description's: a dump of any image builds back to the same bytes.
    AsGiven,
    // The order the dictionary looks entries up in: by native text, then
    // context and sub-context, byte by byte as the reader reads them (equal
    // keys as given). A dictionary that needs that order (one with
    // contexts does, on its first lookup) then finds it and never sorts.
    ByKey,
};

// The image bytes. Throws MldBuildError for a missing or out-of-range member,
// a string that does not fit its field, a character its code page cannot
// hold (8-bit images), or more than 65,535 records in a table.
std::string BuildMldImage(
    const nlohmann::json& description, EntryOrder order = EntryOrder::AsGiven);

// The code page a raw language record's column is read in: the record's own
// code page as completion leaves it. path names the record in errors.
int CompletedCodePage(const nlohmann::json& rawLanguage, const std::string& path);

} // namespace tankora::mld

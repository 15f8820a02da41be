#pragma once
// Merges PO catalogs into an MLD image. Each catalog's header "Language"
// ("de_DE", "de-DE", "de") selects the column: the language with the same ISO
// language and country codes, or, for a tag without a country, the only
// language with that language code. A tag no language matches is added as a
// new language when asked. Every translated message updates the entries with
// its text and context, or becomes a new entry; an empty msgstr never clears
// a translation. Fuzzy and obsolete messages are left out.
//
// Texts are stored in their column's code page; a character that code page
// cannot hold is refused, never written as "?".

#include <stdexcept>
#include <string>
#include <vector>

namespace tankora::mld {

// Something the image cannot take; the message is one line naming the file
// (and line) it comes from.
class ImportError : public std::runtime_error
{
public:
    using std::runtime_error::runtime_error;
};

struct ImportOptions
{
    bool addLanguages = false;
};

// The new image's bytes. Throws the reader's errors for the MLD file,
// po::PoSyntaxError for a malformed catalog, ImportError as above, and
// MldBuildError when a table or text outgrows the format.
std::string ImportPo(const std::string& mldFile, const std::vector<std::string>& poFiles,
    const ImportOptions& options);

} // namespace tankora::mld

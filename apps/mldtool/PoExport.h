#pragma once
// One language of an MLD image as a PO catalog for translators: header with
// the language's tag, the default plural forms and the MLD language's names
// and code page in comments; one entry per native text (and context), the
// translation as msgstr (empty when untranslated); "c-format" on texts with
// printf directives, so msgfmt checks them.

#include "l10n/po/PoCatalog.h"

#include <stdexcept>
#include <string>

namespace tankora::mld {

// A text the catalog cannot hold; the message names the file and the entry.
class ExportError : public std::runtime_error
{
public:
    using std::runtime_error::runtime_error;
};

// Throws the reader's errors, std::out_of_range for a language outside
// 1..L-1, ExportError for a text whose bytes are not characters of its code
// page or a context that a msgctxt cannot keep.
po::PoCatalog ExportPo(const std::string& mldFile, int language);

} // namespace tankora::mld

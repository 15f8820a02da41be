#pragma once
// Every translatable text of the program as a PO template: the target
// properties of the stored layouts (files ending in ".form") and the literals
// the C++ sources (".cpp", ".h", ".cc", ".hpp") pass to TranslateString.
// Each message carries its references ("#: FILE:Component.Property" for a
// layout, "#: FILE:LINE" for a source); the same text (and context) found
// twice is one message with both references. With a context kind, layout
// texts get the msgctxt the translator looks them up with (form class and
// component name); literals of the sources never have a context.

#include "l10n/po/PoCatalog.h"

#include <string>
#include <vector>

namespace tankora::mld {

struct ExtractOptions
{
    std::vector<std::string> paths; // folders (searched recursively) or files
    std::vector<std::string> keywords { "TranslateString" };
    int contextKind = 0; // of the dictionary the texts are meant for
};

// Throws std::runtime_error for a path that does not exist or a file that
// cannot be read, naming it, and the layout readers' errors.
po::PoCatalog Extract(const ExtractOptions& options);

} // namespace tankora::mld

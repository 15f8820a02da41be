#pragma once
// Reads PO files as PO editors write them: multi-line strings, C escapes,
// msgctxt, plural forms, "#," flags, obsolete "#~" entries, a UTF-8 byte
// order mark, LF or CRLF line ends. Only UTF-8 catalogs are read (the header
// may leave the charset at the template's "CHARSET").
//
// A malformed catalog raises PoSyntaxError whose message is one line,
// "FILE:LINE: what is wrong"; nothing is returned then.

#include "l10n/po/PoCatalog.h"

#include <stdexcept>
#include <string>
#include <string_view>

namespace tankora::po {

class PoSyntaxError : public std::runtime_error
{
public:
    using std::runtime_error::runtime_error;
};

// The catalog held in bytes; fileName only names the file in messages.
PoCatalog ReadPo(std::string_view bytes, const std::string& fileName);

// The catalog of a file; "Cannot open file NAME" when it cannot be read.
PoCatalog ReadPoFile(const std::string& path);

} // namespace tankora::po

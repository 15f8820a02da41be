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

inline constexpr std::size_t kNoMessageLimit = static_cast<std::size_t>(-1);

// The catalog held in bytes; fileName only names the file in messages. A
// message past maxMessages (obsolete ones not counted) is a PoSyntaxError
// at its line.
PoCatalog ReadPo(
    std::string_view bytes, const std::string& fileName, std::size_t maxMessages = kNoMessageLimit);

// The catalog of a file, read as io::ReadInputFile reads (a regular file of
// bounded size; io::ReadError naming the file otherwise).
PoCatalog ReadPoFile(const std::string& path, std::size_t maxMessages = kNoMessageLimit);

} // namespace tankora::po

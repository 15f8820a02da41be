#pragma once
// The printf-style directives of a text ("%s", "%d", "%.4f", "%1$s"), as the
// program's formatting and gettext's c-format check see them.

#include <string>
#include <string_view>
#include <vector>

namespace tankora::mld {

struct FormatScan
{
    std::vector<std::string> directives; // in text order, "%%" left out
    bool wellFormed = true; // false when some "%" starts no directive
};

FormatScan ScanFormat(std::string_view text);

// Whether a translation uses the same directives as its native text: the same
// sequence, or the same set when the native text numbers its arguments ("%1$s").
bool SameDirectives(std::string_view native, std::string_view translation);

} // namespace tankora::mld

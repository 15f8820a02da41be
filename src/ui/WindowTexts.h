#pragma once
// The texts the window builds and shows through TranslateString, beside the
// captions, hints and list entries of its stored layout. Places are "%s",
// filled with FormatText after the text has been translated.

#include <string_view>

namespace tankora {

// Beside a numeric field that refused the other decimal mark; %s is the mark
// the locale writes.
inline constexpr std::string_view kDecimalMarkNotice = "This locale writes decimals with \"%s\"";

// Under results whose inputs have changed since they were calculated.
inline constexpr std::string_view kStaleResultHint = "Press Calculate to update";

// The second line of the box that reports a tank run empty or full; %s is the
// time with its unit.
inline constexpr std::string_view kRanEmptyAfter = "Ran empty after %s";
inline constexpr std::string_view kRanFullAfter = "Ran full after %s";

// Under a result of the table method where it lies off the exact geometry;
// %s is the exact value in the result's unit.
inline constexpr std::string_view kTableMethodOffHint = "Table method is off here; exact: %s";

} // namespace tankora

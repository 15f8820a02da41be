#pragma once
// Reading a quantity argument: a number, optionally followed by one blank and
// a unit name written exactly as in the window's lists ("250 cm",
// "1000 US gal"). A bare number is in the first unit of its list.

#include <string>
#include <string_view>
#include <vector>

enum class QuantityKind { Length, Volume, Flow, Time };

// Names accepted for a kind, in list order. Lengths accept both "inches"
// (entry list) and "in" (result list).
std::vector<std::string_view> AcceptedUnits(QuantityKind kind);

// Converts `text`, given for `option`, into base units through the engine's
// conversion for `kind`. Throws UsageError naming the option for an
// unreadable number or an unknown unit (listing the valid names). A number
// beyond the double range reads as infinite; the engine's check refuses it.
double ReadQuantity(std::string_view option, std::string_view text, QuantityKind kind);

// Checks a result unit name given for `option` against the names of `kind`;
// throws UsageError listing the valid names when it is not one of them.
void RequireUnit(std::string_view option, std::string_view unit, QuantityKind kind);

#pragma once
// Units of measure. The engine computes in base units only: metres, cubic
// metres, cubic metres per second and seconds. A unit is identified by its
// name as shown in a list, never by its position: names are compared exactly
// (case-sensitive, blanks significant) after a name longer than 10 characters
// is cut to its first 10. No conversion fails or throws.

#include <array>
#include <span>
#include <string_view>

namespace tankora {

// The unit lists in the order the window's drop-down lists offer them. The
// window and tankora-cli both take their names from here.
inline constexpr std::array<std::string_view, 6> kLengthEntryUnits
    = { "m", "cm", "mm", "inches", "feet", "yards" };
inline constexpr std::array<std::string_view, 6> kLengthResultUnits
    = { "m", "cm", "mm", "in", "feet", "yards" };
inline constexpr std::array<std::string_view, 9> kVolumeUnits
    = { "m3", "cm3", "mm3", "in3", "ft3", "yd3", "US gal", "UK gal", "litres" };
inline constexpr std::array<std::string_view, 8> kFlowUnits
    = { "m3/s", "m3/min", "m3/h", "usgpm", "gpm", "l/s", "l/min", "l/h" };
inline constexpr std::array<std::string_view, 4> kTimeUnits = { "s", "min", "hour", "day" };

// Length in the named unit to metres. "in" and "inches" both name the inch.
// An unrecognised name leaves the value unchanged.
double LengthToMetres(std::string_view unitName, double value);

// Metres to the named length unit. An unrecognised name leaves the value unchanged.
double MetresToLength(std::string_view unitName, double value);

// Volume in the named unit to cubic metres. An unrecognised name gives 0.
double VolumeToCubicMetres(std::string_view unitName, double value);

// Cubic metres to the named volume unit. An unrecognised name gives 0.
double CubicMetresToVolume(std::string_view unitName, double value);

// Flow in the named unit to cubic metres per second. An unrecognised name
// leaves the value unchanged.
double FlowToCubicMetresPerSecond(std::string_view unitName, double value);

// Time in the named unit to seconds. An unrecognised name leaves the value unchanged.
double TimeToSeconds(std::string_view unitName, double value);

// Seconds to the named time unit. An unrecognised name leaves the value unchanged.
double SecondsToTime(std::string_view unitName, double value);

// The entry of the result length list that names the same unit as the given
// entry-list name: "in" for "inches", otherwise the name itself.
std::string_view ResultLengthUnitFor(std::string_view entryUnitName);

// True when `value` (in base units) stays finite when shown in every unit of
// the result lists, read as a length and as a volume alike. The window may
// show the last result in either family after a mode change.
bool FiniteInEveryResultUnit(double value);

// True when `name` is one of `units`, compared exactly.
bool IsListedUnit(std::span<const std::string_view> units, std::string_view name);

} // namespace tankora

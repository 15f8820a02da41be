#include "calc/Units.h"

#include <algorithm>
#include <cmath>

namespace tankora {
namespace {

// Names are compared on at most their first 10 characters.
constexpr std::size_t kSignificantNameLength = 10;

std::string_view Significant(std::string_view unitName)
{
    return unitName.substr(0, std::min(unitName.size(), kSignificantNameLength));
}

struct VolumeFactor
{
    std::string_view name;
    double cubicMetresPerUnit;
};

// Exact definitions: the inch is 0.0254 m, the foot 0.3048 m, the yard
// 0.9144 m; the US gallon is 231 in3; the UK (imperial) gallon is 4.54609
// litres. Shortened factors would show in the fourth decimal, and two routes
// to the same quantity (m3/h against l/h) would disagree.
constexpr double kCubicInch = 0.000016387064;
constexpr double kCubicFoot = 0.028316846592;
constexpr double kCubicYard = 0.764554857984;
constexpr double kUsGallon = 0.003785411784;
constexpr double kUkGallon = 0.00454609;

constexpr double kSecondsPerMinute = 60;
constexpr double kSecondsPerHour = 3600;

// "m3" is absent: it passes the value through untouched rather than
// multiplying by 1.
constexpr std::array<VolumeFactor, 8> kVolumeFactors = { {
    { "cm3", 0.000001 },
    { "mm3", 0.000000001 },
    { "in3", kCubicInch },
    { "ft3", kCubicFoot },
    { "yd3", kCubicYard },
    { "US gal", kUsGallon },
    { "UK gal", kUkGallon },
    { "litres", 0.001 },
} };

const VolumeFactor* FindVolumeFactor(std::string_view name)
{
    const auto* found = std::find_if(kVolumeFactors.begin(), kVolumeFactors.end(),
        [name](const VolumeFactor& row) { return row.name == name; });
    return found == kVolumeFactors.end() ? nullptr : found;
}

} // namespace

double LengthToMetres(std::string_view unitName, double value)
{
    const std::string_view name = Significant(unitName);
    if (name == "m")
        return value;
    if (name == "cm")
        return value * 0.01;
    if (name == "mm")
        return value * 0.001;
    if (name == "in" || name == "inches")
        return value * 0.0254;
    if (name == "feet")
        return value * 0.3048;
    if (name == "yards")
        return value * 0.9144;
    return value;
}

double MetresToLength(std::string_view unitName, double value)
{
    // Metric units multiply by the inverse factor; the imperial ones divide.
    const std::string_view name = Significant(unitName);
    if (name == "m")
        return value;
    if (name == "cm")
        return value * 100;
    if (name == "mm")
        return value * 1000;
    if (name == "in" || name == "inches")
        return value / 0.0254;
    if (name == "feet")
        return value / 0.3048;
    if (name == "yards")
        return value / 0.9144;
    return value;
}

double VolumeToCubicMetres(std::string_view unitName, double value)
{
    const std::string_view name = Significant(unitName);
    if (name == "m3")
        return value;
    const VolumeFactor* row = FindVolumeFactor(name);
    return row ? value * row->cubicMetresPerUnit : 0.0;
}

double CubicMetresToVolume(std::string_view unitName, double value)
{
    const std::string_view name = Significant(unitName);
    if (name == "m3")
        return value;
    const VolumeFactor* row = FindVolumeFactor(name);
    return row ? value / row->cubicMetresPerUnit : 0.0;
}

double FlowToCubicMetresPerSecond(std::string_view unitName, double value)
{
    const std::string_view name = Significant(unitName);
    if (name == "m3/s")
        return value;
    // A rate per minute or per hour is the volume per unit of time, divided
    // by the seconds in that unit.
    if (name == "m3/min")
        return value / kSecondsPerMinute;
    if (name == "m3/h")
        return value / kSecondsPerHour;
    if (name == "usgpm")
        return value * kUsGallon / kSecondsPerMinute;
    if (name == "gpm")
        return value * kUkGallon / kSecondsPerMinute;
    if (name == "l/s")
        return value * 0.001;
    if (name == "l/min")
        return value * 0.001 / kSecondsPerMinute;
    if (name == "l/h")
        return value * 0.001 / kSecondsPerHour;
    return value;
}

double TimeToSeconds(std::string_view unitName, double value)
{
    const std::string_view name = Significant(unitName);
    if (name == "s")
        return value;
    if (name == "min")
        return value * 60;
    if (name == "hour")
        return value * 3600;
    if (name == "day")
        return value * 86400;
    return value;
}

double SecondsToTime(std::string_view unitName, double value)
{
    return value / TimeToSeconds(unitName, 1.0);
}

std::string_view ResultLengthUnitFor(std::string_view entryUnitName)
{
    return entryUnitName == "inches" ? std::string_view("in") : entryUnitName;
}

bool FiniteInEveryResultUnit(double value)
{
    const auto finiteAsLength
        = [value](std::string_view unit) { return std::isfinite(MetresToLength(unit, value)); };
    const auto finiteAsVolume = [value](std::string_view unit) {
        return std::isfinite(CubicMetresToVolume(unit, value));
    };
    return std::all_of(kLengthResultUnits.begin(), kLengthResultUnits.end(), finiteAsLength)
        && std::all_of(kVolumeUnits.begin(), kVolumeUnits.end(), finiteAsVolume);
}

bool IsListedUnit(std::span<const std::string_view> units, std::string_view name)
{
    return std::find(units.begin(), units.end(), name) != units.end();
}

} // namespace tankora

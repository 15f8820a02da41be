#include "QuantityArg.h"

#include "UsageError.h"
#include "calc/Units.h"
#include "nls/NumberText.h"

#include <cstdlib>

namespace {

std::string_view KindName(QuantityKind kind)
{
    switch (kind) {
    case QuantityKind::Length:
        return "length";
    case QuantityKind::Volume:
        return "volume";
    case QuantityKind::Flow:
        return "flow";
    case QuantityKind::Time:
        return "time";
    }
    return "";
}

std::string JoinUnits(QuantityKind kind)
{
    std::string joined;
    for (std::string_view name : AcceptedUnits(kind)) {
        if (!joined.empty())
            joined += ", ";
        joined += '"';
        joined += name;
        joined += '"';
    }
    return joined;
}

double ToBaseUnits(QuantityKind kind, std::string_view unit, double value)
{
    switch (kind) {
    case QuantityKind::Length:
        return tankora::LengthToMetres(unit, value);
    case QuantityKind::Volume:
        return tankora::VolumeToCubicMetres(unit, value);
    case QuantityKind::Flow:
        return tankora::FlowToCubicMetresPerSecond(unit, value);
    case QuantityKind::Time:
        return tankora::TimeToSeconds(unit, value);
    }
    return value;
}

} // namespace

std::vector<std::string_view> AcceptedUnits(QuantityKind kind)
{
    using namespace tankora;
    switch (kind) {
    case QuantityKind::Length: {
        std::vector<std::string_view> names(kLengthEntryUnits.begin(), kLengthEntryUnits.end());
        names.insert(names.begin() + 4, "in");
        return names;
    }
    case QuantityKind::Volume:
        return { kVolumeUnits.begin(), kVolumeUnits.end() };
    case QuantityKind::Flow:
        return { kFlowUnits.begin(), kFlowUnits.end() };
    case QuantityKind::Time:
        return { kTimeUnits.begin(), kTimeUnits.end() };
    }
    return {};
}

void RequireUnit(std::string_view option, std::string_view unit, QuantityKind kind)
{
    if (!tankora::IsListedUnit(AcceptedUnits(kind), unit)) {
        throw UsageError("unknown " + std::string(KindName(kind)) + " unit \"" + std::string(unit)
            + "\" for " + std::string(option) + "; valid units: " + JoinUnits(kind));
    }
}

double ReadQuantity(std::string_view option, std::string_view text, QuantityKind kind)
{
    const std::size_t blank = text.find(' ');
    const std::string number(text.substr(0, blank));
    // The window's number grammar with "." as separator; the text holds no
    // blank, so the blanks the grammar allows around a number never apply.
    if (!tankora::IsNumberText(number, '.')) {
        throw UsageError("unreadable number \"" + number + "\" for " + std::string(option)
            + " (expected e.g. 12, 0.5 or 1.5E-3, optionally followed by one blank and a unit)");
    }
    std::string_view unit = AcceptedUnits(kind).front();
    if (blank != std::string_view::npos) {
        unit = text.substr(blank + 1);
        RequireUnit(option, unit, kind);
    }
    // The C locale reads "." as the decimal separator; overflow gives +-HUGE_VAL.
    const double value = std::strtod(number.c_str(), nullptr);
    return ToBaseUnits(kind, unit, value);
}

#include "QuantityArg.h"

#include "Units.h"
#include "UsageError.h"

#include <cctype>
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

bool IsDigit(char c)
{
    return std::isdigit(static_cast<unsigned char>(c)) != 0;
}

// Skips a run of digits from `pos`; returns how many there were.
std::size_t SkipDigits(std::string_view text, std::size_t& pos)
{
    const std::size_t start = pos;
    while (pos < text.size() && IsDigit(text[pos]))
        ++pos;
    return pos - start;
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

bool IsDecimalNumber(std::string_view text)
{
    std::size_t pos = 0;
    if (pos < text.size() && (text[pos] == '-' || text[pos] == '+'))
        ++pos;
    std::size_t digits = SkipDigits(text, pos);
    if (pos < text.size() && text[pos] == '.') {
        ++pos;
        digits += SkipDigits(text, pos);
    }
    if (digits == 0)
        return false;
    if (pos < text.size() && (text[pos] == 'e' || text[pos] == 'E')) {
        ++pos;
        if (pos < text.size() && (text[pos] == '-' || text[pos] == '+'))
            ++pos;
        if (SkipDigits(text, pos) == 0)
            return false;
    }
    return pos == text.size();
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
    if (!IsDecimalNumber(number)) {
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

#pragma once
// A gauge table (strapping chart): the volume held at equal height steps
// from the empty to the full tank, each computed exactly as Volume mode
// computes it with the chosen method (CheckInputs, then the volume at the
// row's height).

#include "calc/Tank.h"
#include "calc/VolumeMethod.h"

#include <optional>
#include <vector>

namespace tankora {

// Upper bound on the number of steps, so a table never allocates without bound.
inline constexpr int kMaxGaugeSteps = 100000;

struct GaugeRow
{
    double height; // m
    double volume; // m3
    double fillPercent; // volume as a percentage of the full volume (0 for a tank holding nothing)
};

// The `steps` + 1 rows for heights FullHeight * i / steps, i = 0 ... steps,
// of the tank described by Orientation, TankLength, TankDiameter and
// HeadDepth and Heads in `tank` (other fields are ignored). Empty when the tank fails
// CheckInputs or `steps` lies outside [1, kMaxGaugeSteps].
std::optional<std::vector<GaugeRow>> GaugeTable(
    const TankState& tank, int steps, VolumeMethod method = VolumeMethod::Table);

// The rows for heights 0, step, 2 * step, ... below the full height, then
// the full height itself (a last step shorter than `step`). Empty when the
// tank fails CheckInputs, `step` is not a finite positive length, or the
// table would need more than kMaxGaugeSteps steps.
std::optional<std::vector<GaugeRow>> GaugeTableByStep(
    const TankState& tank, double step, VolumeMethod method = VolumeMethod::Table);

} // namespace tankora

#pragma once
// The closed-form geometry of the tank that the fraction tables approximate,
// for every head shape: a cylindrical shell of length L and diameter D
// closed by two heads (TankHeads.h; two semi-ellipsoids of depth HeadDepth
// unless the state names shaped heads). Reads Orientation, TankLength,
// TankDiameter, HeadDepth and Heads of the state; the tank should have
// passed CheckInputs. Nothing here reports or throws.

#include "calc/Tank.h"

namespace tankora {

// The liquid volume, m3, held at `height` m above the tank's lowest point.
// A height at or below 0 gives 0, one at or above FullHeight gives
// FullVolume. Accurate to a few units of the last place over the whole
// range, near empty included (no cancellation in the circular segment).
double ExactVolumeAt(const TankState& tank, double height);

// The liquid height, m, at which the tank holds `volume` m3: the inverse of
// ExactVolumeAt, solved by Newton steps kept inside a shrinking bracket
// (bisection when a step would leave it) until the height is settled to
// full double precision. A volume at or below 0 gives 0, one at or above
// FullVolume gives FullHeight.
double ExactHeightFor(const TankState& tank, double volume);

} // namespace tankora

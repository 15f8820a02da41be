#pragma once
// Tank geometry: the state record the calculator keeps, the check and split
// of the entered values that precede every calculation, and the liquid
// volume at a height.
//
// Shape: a cylindrical shell of length L and diameter D closed by two
// identical heads of depth b that together form one ellipsoid of revolution
// (semi-axes D/2, D/2, b). b = 0 gives flat ends. A horizontal tank is full
// at H = D, a vertical one at H = 2b + L (H measured from its lowest point).
// Other heads, each end its own, are described by TankState::Heads
// (TankHeads.h); the full height and volume then follow from them.

#include "calc/TankState.h"
#include "calc/heads/Head.h"

#include <array>

namespace tankora {

// Checks the entered values for `mode` and splits a vertical liquid height
// into BottomHeadLevel, TopHeadLevel and ShellLevel (all three are reset to
// 0 first, and rewritten even when the check then fails). False when
//  - L <= 0, D <= 0 or b < 0, or a shaped head that makes no head;
//  - any of the seven entered values is not finite, or the tank is so large
//    that its full height, full volume or the flowed volume Q*t would not be
//    finite in every unit of the result lists;
//  - the height exceeds the full height, D or 2b + L (bottom depth + L +
//    top depth with shaped heads), by more than a rounding
//    margin of a few parts in 10^15 (the full tank itself is accepted);
//  - Volume mode with H < 0, Height mode with V < 0, New Height mode with
//    H < 0 or t < 0.
// Any other mode value gets no mode rule.
bool CheckInputs(TankState& state, CalcMode mode);

// The liquid volume at LiquidHeight, in m3. Needs a successful CheckInputs.
double CalcVolume(const TankState& state);

// The volume of a horizontal tank filled to the relative level h = H/D
// (0 <= h <= 1), read from the fraction tables.
double HorizontalVolumeAt(const TankState& state, double level);

// The liquid height of the full tank: D (horizontal) or 2b + L (vertical;
// with shaped heads their depths plus L). Needs D > 0 for shaped heads.
double FullHeight(const TankState& state);

// The volume of both semi-ellipsoidal heads together, D^2 * (pi/3) * b.
double HeadsVolume(const TankState& state);

// The area of the shell's cross-section, D^2 * (pi/4).
double CrossSectionArea(const TankState& state);

// The volume of the shell, D^2 * (pi/4) * L.
double ShellVolume(const TankState& state);

// The full volume of a tank with shaped heads `heads` (those of HeadsOf,
// TankHeads.h): the two heads' volumes plus the shell's.
double ShapedFullVolume(const TankState& state, const std::array<Head, 2>& heads);

// The volume of the full tank, HeadsVolume + ShellVolume (with shaped heads:
// their volumes + ShellVolume).
double FullVolume(const TankState& state);

} // namespace tankora

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

#include "calc/heads/HeadSpec.h"

#include <array>
#include <optional>

namespace tankora {

// The two ends: left and right lying, bottom and top standing.
using HeadPair = std::array<HeadSpec, 2>;

// Values of TankState::Orientation. The solvers treat every non-zero value as vertical.
inline constexpr int kHorizontal = 0;
inline constexpr int kVertical = 1;

// The calculation mode chosen in the window.
enum class CalcMode : int {
    Volume = 0, // the volume held at the entered height
    Height = 1, // the height at which the tank holds the entered volume
    NewHeight = 2, // the height after a flow Q over a time t
};

// The calculator's record, in base units (m, m3, m3/s, s); all zero at start.
struct TankState
{
    int Orientation = kHorizontal; // 0 horizontal, otherwise vertical
    double TankLength = 0; // L, shell length
    double TankDiameter = 0; // D
    double HeadDepth = 0; // b, depth of each head
    double LiquidHeight = 0; // H, entered liquid height
    double LiquidVolume = 0; // V, entered liquid volume
    double FlowRate = 0; // Q; positive drains the tank, negative fills it
    double FlowTime = 0; // t
    double LastResult = 0; // last main result: m3 in Volume mode, else m
    double LastFlowVolume = 0; // |FlowedVolume| of the last New Height calculation
    double BottomHeadLevel = 0; // H1: liquid depth in the bottom head (vertical)
    double TopHeadLevel = 0; // H2: liquid depth in the top head above its seam (vertical)
    double ShellLevel = 0; // Hc: liquid depth in the shell (vertical)
    double FlowedVolume = 0; // the volume that flowed, signed, written by the new-height solvers
    // Seconds after which the last New Height ran the tank empty or full; -1
    // when the flow ended before either.
    double FlowLimitTime = -1;
    // Shaped heads; empty: both ends semi-ellipsoids of depth HeadDepth. Set
    // through SetHeads (TankHeads.h), which keeps that tank in HeadDepth.
    std::optional<HeadPair> Heads;
};

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

// The volume of the full tank, HeadsVolume + ShellVolume (with shaped heads:
// their volumes + ShellVolume).
double FullVolume(const TankState& state);

} // namespace tankora

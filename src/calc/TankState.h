#pragma once
// The calculator's state record and the words it is written in: the two
// ends' head descriptions, the orientation values and the calculation modes.
// Kept apart from the geometry (Tank.h) so that the heads can use it.

#include "calc/heads/HeadShape.h"

#include <array>
#include <optional>

namespace tankora {

// The two ends: left and right lying, bottom and top standing.
using HeadPair = std::array<HeadShape, 2>;

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

} // namespace tankora

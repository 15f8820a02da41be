#pragma once
// The two heads of a tank. Without shaped heads (TankState::Heads empty) both
// are semi-ellipsoids of depth HeadDepth, the tank the window's entries and
// the fraction tables describe; shaped heads name each end on its own.

#include "calc/TankState.h"
#include "calc/heads/Head.h"

#include <array>

namespace tankora {

// The heads' descriptions: Heads, or two ellipsoids of depth HeadDepth.
HeadPair HeadShapesOf(const TankState& state);

// Sets both ends (first: left lying, bottom standing). Two semi-ellipsoidal
// or flat heads of one depth become HeadDepth with Heads empty, so that
// every road that knows only that tank (the fraction tables) still takes
// them; anything else is kept in Heads and HeadDepth is set to 0.
void SetHeads(TankState& state, const HeadShape& first, const HeadShape& second);

// The two heads at the tank's diameter. Needs TankDiameter > 0 and heads
// that HeadsAreValid accepts.
std::array<Head, 2> HeadsOf(const TankState& state);

// The full height of a tank with shaped heads `heads` (those of HeadsOf):
// bottom depth + L + top depth standing, D lying. FullHeight gives this;
// the full volume, which needs the shell's, is ShapedFullVolume (Tank.h).
double ShapedFullHeight(const TankState& state, const std::array<Head, 2>& heads);

// True when every head description makes a head (HeadShapeProblem) and
// HeadDepth is not negative.
bool HeadsAreValid(const TankState& state);

} // namespace tankora

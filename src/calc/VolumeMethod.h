#pragma once
// How a volume is obtained from a liquid height and back.

#include "calc/Tank.h"

namespace tankora {

enum class VolumeMethod {
    // The window's method: the two fraction tables with linear interpolation,
    // heights found by scanning them (Tank.h, LevelSolver.h).
    Table,
    // The closed-form geometry of the same tank, heights solved to full
    // double precision (ExactGeometry_p.h, ExactLevelSolver_p.h).
    Exact,
};

// True when the fraction tables describe the tank: both heads semi-ellipsoidal
// or flat, of one depth (TankState::Heads empty).
bool TableMethodKnows(const TankState& state);

// The method that computes `state`: `wanted`, except that a tank the tables
// do not know is computed exactly. Every calculation asks here.
VolumeMethod MethodFor(const TankState& state, VolumeMethod wanted);

// The volume held at LiquidHeight by MethodFor(state, method). Needs a successful
// CheckInputs: the table lookup reads the level split it leaves behind.
double VolumeAtEnteredHeight(const TankState& state, VolumeMethod method);

} // namespace tankora

#pragma once
// Height and New Height by the closed-form geometry (ExactGeometry_p.h), with
// the same checks, messages and returned values as the table solvers of
// LevelSolver.h: a volume above the full tank reports error
// kOverCapacityText and gives the full height; New Height draining more than
// the tank holds reports warning kTankEmptyText and gives 0. Both need a
// successful CheckInputs for their mode.

#include "calc/CalcMessages.h"
#include "calc/Tank.h"

namespace tankora {

// Height mode: the height at which the tank holds LiquidVolume.
double ExactCalcHeight(const TankState& state, MessageSink& messages);

// New Height mode: the height after FlowRate * FlowTime has flowed out of (or,
// negative, into) the volume held at LiquidHeight. Writes FlowedVolume.
double ExactCalcNewHeight(TankState& state, MessageSink& messages);

} // namespace tankora

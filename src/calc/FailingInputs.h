#pragma once
// Which entries make CheckInputs fail, so that the window can point at them.

#include "calc/Tank.h"

#include <vector>

namespace tankora {

// The seven entries of a calculation, in the order the window shows them.
enum class TankInput { Length, Diameter, HeadDepth, Height, Volume, Flow, Time };

// The entries to blame when CheckInputs(state, mode) fails, in the order
// above; empty when it passes. An entry that breaks a rule by itself (L <= 0,
// a negative time, a value that is not finite, ...) is blamed alone; a height
// above the full tank blames the height; a tank or a flow too large to show
// in every unit blames the dimensions or the flow and time. An entry the mode
// does not read is never blamed.
std::vector<TankInput> FailingInputs(const TankState& state, CalcMode mode);

} // namespace tankora

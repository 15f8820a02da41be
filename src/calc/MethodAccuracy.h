#pragma once
// How far the table method's result lies from the exact geometry's for the
// same entries, so that a user of the table method learns where it is off.

#include "calc/Tank.h"

#include <optional>

namespace tankora {

// The relative difference beyond which a table result counts as off.
inline constexpr double kTableTolerance = 1e-4;

// After a successful Calculate of `tableState` with the table method: the
// exact method's main result for the same entries (m3 or m, as LastResult)
// when the two differ by more than kTableTolerance of the exact one;
// nothing when they agree or the exact calculation has no result.
std::optional<double> ExactResultWhereTableIsOff(const TankState& tableState, CalcMode mode);

} // namespace tankora

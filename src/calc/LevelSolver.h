#pragma once
// Level solving: the liquid height at which the tank holds a volume. Volumes
// are inverted by scanning the fraction tables in steps of 0.01 of relative
// level and interpolating linearly inside the step that brackets the target,
// so a result is the piecewise-linear inverse of the tabulated volume.
//
// Both operations need a successful CheckInputs for their mode, return a
// height in metres and report at most one message through `messages`:
//  - a target volume above the full tank: error kOverCapacityText, and the
//    full height (D, or 2b + L) is returned;
//  - New Height draining more than the tank holds: warning kTankEmptyText, 0.
// A zero slope at the point where the scan stops gives 0 without a message.

#include "calc/CalcMessages.h"
#include "calc/Tank.h"

namespace tankora {

// Height mode: the height at which the tank holds LiquidVolume.
double CalcHeight(const TankState& state, MessageSink& messages);

// New Height mode: starts from the volume held at LiquidHeight, removes the
// flowed volume FlowRate * FlowTime (a negative flow adds it) and returns the
// height of what remains. Writes FlowedVolume = FlowRate * FlowTime first, so
// it holds the flow even when the tank ran empty. Inflow beyond the tank's
// capacity is treated as an over-full volume in Height mode.
double CalcNewHeight(TankState& state, MessageSink& messages);

// The height at which the tank holds `volume` m3, by orientation. Reports an
// over-full volume as described above.
double SolveHeightForVolume(const TankState& state, double volume, MessageSink& messages);

// The New Height rule, whatever the method that reads volumes: writes
// FlowedVolume = FlowRate * FlowTime, then reports warning kTankEmptyText and
// returns 0 when more flows out than `presentVolume`, and otherwise returns
// heightFor(what remains).
template <typename HeightFor>
double DrainOrFill(
    TankState& state, double presentVolume, MessageSink& messages, const HeightFor& heightFor)
{
    state.FlowedVolume = state.FlowRate * state.FlowTime;
    const double target = presentVolume - state.FlowedVolume;
    if (target < 0) {
        messages.Show(MessageKind::Warning, kTankEmptyText);
        return 0.0;
    }
    return heightFor(target);
}

} // namespace tankora

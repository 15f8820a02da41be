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

#include <algorithm>

namespace tankora {

// Height mode: the height at which the tank holds LiquidVolume.
double CalcHeight(const TankState& state, MessageSink& messages);

// New Height mode: starts from the volume held at LiquidHeight, removes the
// flowed volume FlowRate * FlowTime (a negative flow adds it) and returns the
// height of what remains. Writes FlowedVolume and FlowLimitTime as DrainOrFill
// does. Inflow beyond the tank's capacity is treated as an over-full volume in
// Height mode.
double CalcNewHeight(TankState& state, MessageSink& messages);

// The height at which the tank holds `volume` m3, by orientation. Reports an
// over-full volume as described above.
double SolveHeightForVolume(const TankState& state, double volume, MessageSink& messages);

// The New Height rule, whatever the method that reads volumes. FlowedVolume
// is the volume that really flowed: FlowRate * FlowTime, but no more than
// `presentVolume` out of the tank and no more than the room above it
// (FullVolume - presentVolume) into it; FlowLimitTime is the time after which
// the tank ran empty or full, or -1. Draining more than `presentVolume`
// reports warning kTankEmptyText and returns 0; otherwise returns
// heightFor(presentVolume - FlowRate * FlowTime), so that an over-full target
// is reported by the solver as in Height mode.
template <typename HeightFor>
double DrainOrFill(
    TankState& state, double presentVolume, MessageSink& messages, const HeightFor& heightFor)
{
    const double flow = state.FlowRate * state.FlowTime;
    const double target = presentVolume - flow;
    state.FlowedVolume = flow;
    state.FlowLimitTime = -1;
    if (target < 0) {
        // Only a positive rate over a positive time drains past empty.
        state.FlowedVolume = presentVolume;
        state.FlowLimitTime = presentVolume / state.FlowRate;
        messages.Show(MessageKind::Warning, kTankEmptyText);
        return 0.0;
    }
    const double room = FullVolume(state) - presentVolume;
    if (target > FullVolume(state) && flow < 0) {
        state.FlowedVolume = -std::max(room, 0.0);
        state.FlowLimitTime = std::max(room, 0.0) / -state.FlowRate;
    }
    return heightFor(target);
}

} // namespace tankora

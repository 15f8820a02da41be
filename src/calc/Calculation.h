#pragma once
// One press of "Calculate", in base units: the check, the mode's operation
// and the results kept in the state record. Converting the entries into base
// units before and the results into display units after is the caller's
// part (see Units.h); the caller also owns the display.

#include "calc/CalcMessages.h"
#include "calc/Tank.h"
#include "calc/VolumeMethod.h"

#include <string_view>

namespace tankora {

// Checks the state for `mode` (CheckInputs). When the check fails, reports
// warning kCheckInputsText, leaves LastResult and LastFlowVolume as they were
// and returns false. Otherwise stores the mode's result in LastResult
// (Volume: CalcVolume, m3; Height: CalcHeight, m; New Height: CalcNewHeight,
// m, and LastFlowVolume = |FlowedVolume|) and returns true; a solver message
// may have been reported on the way. A mode outside the three computes
// nothing and returns false. `method` chooses how volumes are read and
// heights solved (MethodFor: a tank the tables do not know is computed
// exactly whatever `method` says).
bool Calculate(TankState& state, CalcMode mode, MessageSink& messages,
    VolumeMethod method = VolumeMethod::Table);

// The fraction of FullVolume (0 ... 1) that the tank holds after a
// successful Calculate with the same mode and method: the computed volume
// (Volume), the entered volume (Height), or the entered height's volume minus
// FlowedVolume (New Height); a volume beyond the tank counts as full, a
// drained tank as empty. 0 for a tank that holds nothing when full.
double FillFraction(const TankState& state, CalcMode mode, VolumeMethod method);

// The native caption of the main result: "Volume", "Height" or "New Height".
std::string_view ResultLabel(CalcMode mode);

// The native caption of the flowed volume: "Vol Out" when FlowedVolume >= 0
// (liquid flowed out, also for no flow), "Vol In" when it is negative or an
// inflow found the tank already full.
std::string_view FlowVolumeLabel(const TankState& state);

} // namespace tankora

#include "calc/Calculation.h"

#include "calc/ExactLevelSolver_p.h"
#include "calc/LevelSolver.h"

#include <algorithm>
#include <cmath>

namespace tankora {

bool Calculate(TankState& state, CalcMode mode, MessageSink& messages, VolumeMethod method)
{
    if (!CheckInputs(state, mode)) {
        messages.Show(MessageKind::Warning, kCheckInputsText);
        return false;
    }
    const bool exact = MethodFor(state, method) == VolumeMethod::Exact;
    switch (mode) {
    case CalcMode::Volume:
        state.LastResult = VolumeAtEnteredHeight(state, method);
        return true;
    case CalcMode::Height:
        state.LastResult = exact ? ExactCalcHeight(state, messages) : CalcHeight(state, messages);
        return true;
    case CalcMode::NewHeight:
        state.LastResult
            = exact ? ExactCalcNewHeight(state, messages) : CalcNewHeight(state, messages);
        state.LastFlowVolume = std::fabs(state.FlowedVolume);
        return true;
    }
    return false;
}

double FillFraction(const TankState& state, CalcMode mode, VolumeMethod method)
{
    const double full = FullVolume(state);
    if (!(full > 0))
        return 0.0;
    double held = 0;
    switch (mode) {
    case CalcMode::Volume:
        held = state.LastResult;
        break;
    case CalcMode::Height:
        held = state.LiquidVolume;
        break;
    case CalcMode::NewHeight:
        held = VolumeAtEnteredHeight(state, method) - state.FlowedVolume;
        break;
    }
    return std::clamp(held / full, 0.0, 1.0);
}

std::string_view ResultLabel(CalcMode mode)
{
    switch (mode) {
    case CalcMode::Volume:
        return "Volume";
    case CalcMode::Height:
        return "Height";
    case CalcMode::NewHeight:
        return "New Height";
    }
    return "";
}

std::string_view FlowVolumeLabel(const TankState& state)
{
    // A tank already full takes nothing in, but the flow still went in.
    const bool ranFullOfInflow = state.FlowLimitTime >= 0 && state.FlowRate < 0;
    return state.FlowedVolume < 0 || ranFullOfInflow ? "Vol In" : "Vol Out";
}

} // namespace tankora

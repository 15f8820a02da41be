#include "Calculation.h"

#include "LevelSolver.h"

#include <cmath>

namespace tankora {

bool Calculate(TankState& state, CalcMode mode, MessageSink& messages)
{
    if (!CheckInputs(state, mode)) {
        messages.Show(MessageKind::Warning, kCheckInputsText);
        return false;
    }
    switch (mode) {
    case CalcMode::Volume:
        state.LastResult = CalcVolume(state);
        return true;
    case CalcMode::Height:
        state.LastResult = CalcHeight(state, messages);
        return true;
    case CalcMode::NewHeight:
        state.LastResult = CalcNewHeight(state, messages);
        state.LastFlowVolume = std::fabs(state.FlowedVolume);
        return true;
    }
    return false;
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
    return state.FlowedVolume >= 0 ? "Vol Out" : "Vol In";
}

} // namespace tankora

#include "calc/FailingInputs.h"

#include <cmath>

namespace tankora {
namespace {

bool Reads(CalcMode mode, TankInput input)
{
    switch (input) {
    case TankInput::Height:
        return mode != CalcMode::Height;
    case TankInput::Volume:
        return mode == CalcMode::Height;
    case TankInput::Flow:
    case TankInput::Time:
        return mode == CalcMode::NewHeight;
    default:
        return true;
    }
}

// The rule an entry breaks by itself, whatever the others hold.
bool BreaksItsOwnRule(const TankState& s, TankInput input)
{
    const auto finite = [](double value) { return std::isfinite(value); };
    switch (input) {
    case TankInput::Length:
        return !(s.TankLength > 0 && finite(s.TankLength));
    case TankInput::Diameter:
        return !(s.TankDiameter > 0 && finite(s.TankDiameter));
    case TankInput::HeadDepth:
        return !(s.HeadDepth >= 0 && finite(s.HeadDepth));
    case TankInput::Height:
        return !(s.LiquidHeight >= 0 && finite(s.LiquidHeight));
    case TankInput::Volume:
        return !(s.LiquidVolume >= 0 && finite(s.LiquidVolume));
    case TankInput::Flow:
        return !finite(s.FlowRate);
    case TankInput::Time:
        return !(s.FlowTime >= 0 && finite(s.FlowTime));
    }
    return false;
}

bool Passes(TankState state, CalcMode mode)
{
    return CheckInputs(state, mode);
}

} // namespace

std::vector<TankInput> FailingInputs(const TankState& state, CalcMode mode)
{
    if (Passes(state, mode))
        return {};
    std::vector<TankInput> failing;
    for (const TankInput input : { TankInput::Length, TankInput::Diameter, TankInput::HeadDepth,
             TankInput::Height, TankInput::Volume, TankInput::Flow, TankInput::Time }) {
        if (Reads(mode, input) && BreaksItsOwnRule(state, input))
            failing.push_back(input);
    }
    if (!failing.empty())
        return failing;

    // Every entry is fine by itself: the rules that join them failed. The
    // check itself decides which part is to blame.
    TankState withoutLevel = state;
    withoutLevel.LiquidHeight = 0;
    withoutLevel.FlowRate = 0;
    if (!Passes(withoutLevel, mode))
        return { TankInput::Length, TankInput::Diameter, TankInput::HeadDepth };
    TankState withoutFlow = state;
    withoutFlow.FlowRate = 0;
    if (mode == CalcMode::NewHeight && Passes(withoutFlow, mode))
        return { TankInput::Flow, TankInput::Time };
    if (Reads(mode, TankInput::Height))
        return { TankInput::Height };
    return { TankInput::Length, TankInput::Diameter, TankInput::HeadDepth };
}

} // namespace tankora

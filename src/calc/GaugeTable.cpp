#include "calc/GaugeTable.h"

namespace tankora {

std::optional<std::vector<GaugeRow>> GaugeTable(
    const TankState& tank, int steps, VolumeMethod method)
{
    if (steps < 1 || steps > kMaxGaugeSteps)
        return std::nullopt;

    TankState state;
    state.Orientation = tank.Orientation;
    state.TankLength = tank.TankLength;
    state.TankDiameter = tank.TankDiameter;
    state.HeadDepth = tank.HeadDepth;
    state.Heads = tank.Heads;
    if (!CheckInputs(state, CalcMode::Volume))
        return std::nullopt;

    const double fullHeight = FullHeight(state);
    const double fullVolume = FullVolume(state);
    std::vector<GaugeRow> rows;
    rows.reserve(static_cast<std::size_t>(steps) + 1);
    for (int i = 0; i <= steps; ++i) {
        // fullHeight * (i / steps) never rounds above the full height, and
        // the last row is the full height exactly.
        state.LiquidHeight = fullHeight * (static_cast<double>(i) / steps);
        if (!CheckInputs(state, CalcMode::Volume))
            return std::nullopt;
        const double volume = VolumeAtEnteredHeight(state, method);
        const double fill = fullVolume > 0 ? volume / fullVolume * 100 : 0.0;
        rows.push_back({ state.LiquidHeight, volume, fill });
    }
    return rows;
}

} // namespace tankora

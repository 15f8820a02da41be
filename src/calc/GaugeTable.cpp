#include "calc/GaugeTable.h"

#include <algorithm>
#include <cmath>
#include <functional>

namespace tankora {

namespace {

// The tank's shape alone, checked; none when it fails the check.
std::optional<TankState> CheckedShape(const TankState& tank)
{
    TankState state;
    state.Orientation = tank.Orientation;
    state.TankLength = tank.TankLength;
    state.TankDiameter = tank.TankDiameter;
    state.HeadDepth = tank.HeadDepth;
    state.Heads = tank.Heads;
    if (!CheckInputs(state, CalcMode::Volume))
        return std::nullopt;
    return state;
}

// `count` rows, the i-th at heightOf(i), each volume computed exactly as
// Volume mode computes it.
std::optional<std::vector<GaugeRow>> Rows(
    TankState state, int count, const std::function<double(int)>& heightOf, VolumeMethod method)
{
    const double fullVolume = FullVolume(state);
    std::vector<GaugeRow> rows;
    rows.reserve(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) {
        state.LiquidHeight = heightOf(i);
        if (!CheckInputs(state, CalcMode::Volume))
            return std::nullopt;
        const double volume = VolumeAtEnteredHeight(state, method);
        const double fill = fullVolume > 0 ? volume / fullVolume * 100 : 0.0;
        rows.push_back({ state.LiquidHeight, volume, fill });
    }
    return rows;
}

} // namespace

std::optional<std::vector<GaugeRow>> GaugeTable(
    const TankState& tank, int steps, VolumeMethod method)
{
    if (steps < 1 || steps > kMaxGaugeSteps)
        return std::nullopt;
    const std::optional<TankState> state = CheckedShape(tank);
    if (!state)
        return std::nullopt;
    const double fullHeight = FullHeight(*state);
    // fullHeight * (i / steps) never rounds above the full height, and the
    // last row is the full height exactly.
    return Rows(
        *state, steps + 1, [&](int i) { return fullHeight * (static_cast<double>(i) / steps); },
        method);
}

std::optional<std::vector<GaugeRow>> GaugeTableByStep(
    const TankState& tank, double step, VolumeMethod method)
{
    if (!std::isfinite(step) || step <= 0)
        return std::nullopt;
    const std::optional<TankState> state = CheckedShape(tank);
    if (!state)
        return std::nullopt;
    const double fullHeight = FullHeight(*state);
    // Whole steps strictly below the full height; the ratio is compared
    // before it is converted, so a tiny step cannot overflow the count.
    const double wholeSteps = std::ceil(fullHeight / step);
    if (!(wholeSteps <= kMaxGaugeSteps))
        return std::nullopt;
    const int steps = std::max(1, static_cast<int>(wholeSteps));
    return Rows(
        *state, steps + 1,
        [&](int i) { return i == steps ? fullHeight : std::min(fullHeight, step * i); }, method);
}

} // namespace tankora

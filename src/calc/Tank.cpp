#include "calc/Tank.h"

#include "calc/Coeficients_p.h"
#include "calc/TankHeads.h"
#include "calc/Units.h"

#include <cmath>
#include <limits>

namespace tankora {
namespace {

// pi/3 and pi/4 as carried in the tables' original arithmetic.
constexpr double kPiOver3 = 1.0471975511965977462;
constexpr double kPiOver4 = 0.78539816339744830963;

bool AllEntriesFinite(const TankState& s)
{
    for (double value : { s.TankLength, s.TankDiameter, s.HeadDepth, s.LiquidHeight, s.LiquidVolume,
             s.FlowRate, s.FlowTime }) {
        if (!std::isfinite(value))
            return false;
    }
    return true;
}

// Every height a calculation returns lies in [0, FullHeight], every
// volume in [0, FullVolume], and the flowed volume is Q*t: if these can
// be shown in every unit, so can any result.
bool ResultsStayFinite(const TankState& s)
{
    return FiniteInEveryResultUnit(FullHeight(s)) && FiniteInEveryResultUnit(FullVolume(s))
        && FiniteInEveryResultUnit(s.FlowRate * s.FlowTime);
}

// The depths of the bottom and the top head.
std::array<double, 2> VerticalHeadDepths(const TankState& s)
{
    if (!s.Heads)
        return { s.HeadDepth, s.HeadDepth };
    const auto heads = HeadsOf(s);
    return { heads[0].Depth(), heads[1].Depth() };
}

// True when `height` is at most `fullHeight` (D, or 2b + L). A height entered
// as exactly the full height may lie a few units of the last place above it:
// the sum 2b + L rounds (2 * 0.1 + 0.7 gives 0.8999999999999999), and so do
// conversions (70 cm is 0.7000000000000001 m against D = 0.7 m). Such a height
// still counts as full; the margin, a few parts in 10^15, is far below any
// entered or displayed digit, and the lookup reads the level as full.
bool AtMostFullHeight(double height, double fullHeight)
{
    constexpr double kRoundingMargin = 8 * std::numeric_limits<double>::epsilon();
    return height <= fullHeight + kRoundingMargin * fullHeight;
}

// Splits a vertical height into the parts standing in the bottom head,
// the shell and the top head. False when H is above the full tank.
bool SplitVerticalLevel(TankState& s)
{
    const double h = s.LiquidHeight;
    const double b = VerticalHeadDepths(s)[0];
    const double l = s.TankLength;
    if (h < b) {
        s.BottomHeadLevel = h;
    } else if (b + l > h) {
        s.BottomHeadLevel = b;
        s.ShellLevel = h - b;
    } else if (AtMostFullHeight(h, FullHeight(s))) {
        // The full tank (H = 2b + L) is accepted, as H = D is for a
        // horizontal one; the top head is then filled to its depth b (a
        // hair more within the rounding margin, which the lookup reads as full).
        s.BottomHeadLevel = b;
        s.ShellLevel = l;
        s.TopHeadLevel = h - b - l;
    } else {
        return false;
    }
    return true;
}

bool ModeRulesHold(const TankState& s, CalcMode mode)
{
    switch (mode) {
    case CalcMode::Volume:
        return s.LiquidHeight >= 0;
    case CalcMode::Height:
        return s.LiquidVolume >= 0;
    case CalcMode::NewHeight:
        return s.LiquidHeight >= 0 && s.FlowTime >= 0;
    }
    return true;
}

// Relative level of the heads' ellipsoid in a vertical tank. With flat
// ends (b = 0) the heads hold nothing and the level is taken as 0.
double VerticalHeadLevel(const TankState& s)
{
    if (s.HeadDepth == 0)
        return 0.0;
    return (s.BottomHeadLevel + s.TopHeadLevel) / (2 * s.HeadDepth);
}

} // namespace

bool CheckInputs(TankState& state, CalcMode mode)
{
    if (!(state.TankLength > 0 && state.TankDiameter > 0 && HeadsAreValid(state)))
        return false;
    state.BottomHeadLevel = 0;
    state.TopHeadLevel = 0;
    state.ShellLevel = 0;
    if (!AllEntriesFinite(state) || !ResultsStayFinite(state))
        return false;

    if (state.Orientation != kHorizontal) {
        if (!SplitVerticalLevel(state))
            return false;
    } else if (!AtMostFullHeight(state.LiquidHeight, state.TankDiameter)) {
        return false;
    }
    return ModeRulesHold(state, mode);
}

double CalcVolume(const TankState& state)
{
    if (state.Orientation == kHorizontal)
        return HorizontalVolumeAt(state, state.LiquidHeight / state.TankDiameter);
    return HeadsVolume(state) * HeadFraction(VerticalHeadLevel(state))
        + CrossSectionArea(state) * state.ShellLevel;
}

double HorizontalVolumeAt(const TankState& state, double level)
{
    return HeadsVolume(state) * HeadFraction(level) + ShellVolume(state) * SegmentFraction(level);
}

double FullHeight(const TankState& state)
{
    if (state.Orientation == kHorizontal)
        return state.TankDiameter;
    if (!state.Heads)
        return 2 * state.HeadDepth + state.TankLength;
    return ShapedFullHeight(state, HeadsOf(state));
}

double HeadsVolume(const TankState& state)
{
    const double d = state.TankDiameter;
    return d * d * (kPiOver3 * state.HeadDepth);
}

double CrossSectionArea(const TankState& state)
{
    const double d = state.TankDiameter;
    return d * d * kPiOver4;
}

double ShellVolume(const TankState& state)
{
    return CrossSectionArea(state) * state.TankLength;
}

double ShapedFullVolume(const TankState& state, const std::array<Head, 2>& heads)
{
    return heads[0].Volume() + ShellVolume(state) + heads[1].Volume();
}

double FullVolume(const TankState& state)
{
    if (state.Heads)
        return ShapedFullVolume(state, HeadsOf(state));
    return HeadsVolume(state) + ShellVolume(state);
}

} // namespace tankora

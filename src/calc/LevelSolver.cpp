#include "calc/LevelSolver.h"

#include "calc/Coeficients_p.h"

namespace tankora {
namespace {

constexpr int kScanSteps = 100;
constexpr double kScanStep = 0.01;

struct ScanOutcome
{
    bool ranOffTop = false; // no table point reached the target
    bool zeroSlope = false; // the stopping interval is flat
    double level = 0; // interpolated relative level r (0 when flat)
};

// Walks h = 0, 0.01, ..., 1 until volumeAt(h) reaches `target`, then
// interpolates between the point below and the stopping point. Below
// the first point the volume counts as 0.
template <typename VolumeAt> ScanOutcome ScanLevel(const VolumeAt& volumeAt, double target)
{
    double current = 0;
    double previous = 0;
    double h = 0;
    for (int i = 0;; ++i) {
        previous = current;
        h = i / 100.0;
        current = volumeAt(h);
        if (!(target > current && i < kScanSteps))
            break;
    }
    ScanOutcome outcome;
    outcome.ranOffTop = target > current;
    const double slope = (current - previous) / kScanStep;
    outcome.zeroSlope = slope == 0;
    if (!outcome.zeroSlope)
        outcome.level = (target - previous) / slope + (h - kScanStep);
    return outcome;
}

double SolveHorizontal(const TankState& state, double target, MessageSink& messages)
{
    const ScanOutcome scan
        = ScanLevel([&state](double h) { return HorizontalVolumeAt(state, h); }, target);
    if (scan.ranOffTop) {
        messages.Show(MessageKind::Error, kOverCapacityText);
        return FullHeight(state);
    }
    return scan.zeroSlope ? 0.0 : state.TankDiameter * scan.level;
}

double SolveVertical(const TankState& state, double target, MessageSink& messages)
{
    const double headsVolume = HeadsVolume(state);
    const double oneHead = headsVolume * 0.5;
    const double shellVolume = ShellVolume(state);
    const double twoHeadsDepth = 2 * state.HeadDepth;

    if (target < oneHead) {
        // The surface stands in the bottom head.
        const ScanOutcome scan
            = ScanLevel([headsVolume](double h) { return headsVolume * HeadFraction(h); }, target);
        return scan.zeroSlope ? 0.0 : twoHeadsDepth * scan.level;
    }
    if (target < oneHead + shellVolume) {
        // The surface stands in the shell: a straight cylinder, no scan.
        return state.HeadDepth + (target - oneHead) / CrossSectionArea(state);
    }
    // The surface stands in the top head, above a full shell.
    const ScanOutcome scan
        = ScanLevel([headsVolume, shellVolume](
                        double h) { return headsVolume * HeadFraction(h) + shellVolume; },
            target);
    if (scan.ranOffTop) {
        messages.Show(MessageKind::Error, kOverCapacityText);
        return FullHeight(state);
    }
    return scan.zeroSlope ? 0.0 : twoHeadsDepth * scan.level + state.TankLength;
}

} // namespace

double SolveHeightForVolume(const TankState& state, double volume, MessageSink& messages)
{
    if (state.Orientation == kHorizontal)
        return SolveHorizontal(state, volume, messages);
    return SolveVertical(state, volume, messages);
}

double CalcHeight(const TankState& state, MessageSink& messages)
{
    return SolveHeightForVolume(state, state.LiquidVolume, messages);
}

double CalcNewHeight(TankState& state, MessageSink& messages)
{
    return DrainOrFill(state, CalcVolume(state), messages, [&state, &messages](double target) {
        return SolveHeightForVolume(state, target, messages);
    });
}

} // namespace tankora

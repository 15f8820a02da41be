#include "calc/ExactLevelSolver_p.h"

#include "calc/ExactGeometry_p.h"
#include "calc/LevelSolver.h"

namespace tankora {
namespace {

double HeightReportingOverCapacity(const TankState& state, double volume, MessageSink& messages)
{
    if (volume > FullVolume(state)) {
        messages.Show(MessageKind::Error, kOverCapacityText);
        return FullHeight(state);
    }
    return ExactHeightFor(state, volume);
}

} // namespace

double ExactCalcHeight(const TankState& state, MessageSink& messages)
{
    return HeightReportingOverCapacity(state, state.LiquidVolume, messages);
}

double ExactCalcNewHeight(TankState& state, MessageSink& messages)
{
    return DrainOrFill(state, ExactVolumeAt(state, state.LiquidHeight), messages,
        [&state, &messages](
            double target) { return HeightReportingOverCapacity(state, target, messages); });
}

} // namespace tankora

#include "calc/VolumeMethod.h"

#include "calc/ExactGeometry_p.h"

namespace tankora {

bool TableMethodKnows(const TankState& state)
{
    return !state.Heads;
}

VolumeMethod MethodFor(const TankState& state, VolumeMethod wanted)
{
    return TableMethodKnows(state) ? wanted : VolumeMethod::Exact;
}

double VolumeAtEnteredHeight(const TankState& state, VolumeMethod method)
{
    return MethodFor(state, method) == VolumeMethod::Exact
        ? ExactVolumeAt(state, state.LiquidHeight)
        : CalcVolume(state);
}

} // namespace tankora

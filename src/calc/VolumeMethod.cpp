#include "calc/VolumeMethod.h"

#include "calc/ExactGeometry.h"

namespace tankora {

double VolumeAtEnteredHeight(const TankState& state, VolumeMethod method)
{
    return method == VolumeMethod::Exact ? ExactVolumeAt(state, state.LiquidHeight)
                                         : CalcVolume(state);
}

} // namespace tankora

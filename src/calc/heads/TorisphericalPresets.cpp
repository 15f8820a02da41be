#include "calc/heads/TorisphericalPresets.h"

namespace tankora {

std::optional<HeadShape> TorisphericalPresetShape(std::string_view name)
{
    for (const TorisphericalPreset& preset : kTorisphericalPresets) {
        if (preset.name == name)
            return TorisphericalHeadShape(preset.crown, preset.knuckle);
    }
    return std::nullopt;
}

} // namespace tankora

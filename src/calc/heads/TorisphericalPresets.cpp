#include "calc/heads/TorisphericalPresets.h"

namespace tankora {

std::optional<HeadSpec> TorisphericalPresetSpec(std::string_view name)
{
    for (const TorisphericalPreset& preset : kTorisphericalPresets) {
        if (preset.name == name)
            return TorisphericalHeadSpec(preset.crown, preset.knuckle);
    }
    return std::nullopt;
}

} // namespace tankora

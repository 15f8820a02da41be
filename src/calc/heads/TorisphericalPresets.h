#pragma once
// The named torispherical heads: crown radius f*D and knuckle radius k*D,
// with D taken as the shell's inside diameter.

#include "calc/heads/HeadShape.h"

#include <array>
#include <optional>
#include <string_view>

namespace tankora {

struct TorisphericalPreset
{
    std::string_view name; // as on the command line: "asme-fd"
    std::string_view title; // as shown to people: "ASME F&D"
    double crown; // f
    double knuckle; // k
};

inline constexpr std::array<TorisphericalPreset, 5> kTorisphericalPresets = { {
    { "asme-fd", "ASME F&D", 1.0, 0.06 },
    { "80-10", "80/10", 0.8, 0.1 },
    { "80-6", "80/6", 0.8, 0.06 },
    { "din28011", "DIN 28011", 1.0, 0.1 },
    { "din28013", "DIN 28013", 0.8, 0.154 },
} };

// The preset called `name`, if any.
std::optional<HeadShape> TorisphericalPresetShape(std::string_view name);

} // namespace tankora

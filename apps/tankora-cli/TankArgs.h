#pragma once
// The tank as the command line gives it: orientation, L, D and the heads
// (-b, or the head-shape options), and the method that may compute it.

#include "calc/Tank.h"
#include "calc/VolumeMethod.h"

#include <CLI/CLI.hpp>

#include <string>
#include <string_view>

struct TankArgs
{
    bool vertical = false;
    std::string length, diameter; // quantity arguments as given
    std::string head; // -b: ellipsoidal heads of that depth at both ends
    std::string headShape, bottomHeadShape, topHeadShape; // SHAPE texts as given
};

// --vertical, -L, -D, -b, --head-shape, --bottom-head-shape, --top-head-shape.
void AddTankOptions(CLI::App& command, TankArgs& args);

// The tank's Orientation, TankLength, TankDiameter and heads in base units.
// Throws UsageError naming the problem: an unreadable quantity, no heads
// given, -b beside a head-shape option, an end option on a horizontal tank,
// a standing tank with one end left open, an unknown SHAPE, torispherical
// numbers that make no head.
tankora::TankState ReadTank(const TankArgs& args);

// A head SHAPE (flat, ellipsoidal:Q, 2:1, hemispherical, torispherical:F,K,
// a preset name, conical:Q) for a shell of inside diameter `diameter` m.
tankora::HeadShape ReadHeadShape(std::string_view option, std::string_view text, double diameter);

// The method for `tank`: `wanted` if it was given, else the table method
// where the tables know the tank and the exact one elsewhere. Throws
// UsageError when the table method was asked for a tank the tables do not
// know, naming the heads they do.
tankora::VolumeMethod ResolveMethod(
    const tankora::TankState& tank, tankora::VolumeMethod wanted, bool given);

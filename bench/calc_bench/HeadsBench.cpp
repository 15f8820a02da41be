// Head shapes: the exact volume and height solve of tanks with
// torispherical and conical heads beside the same tank with semi-ellipsoidal
// heads, the baseline their ratios are printed against (CalcBench.cpp).

#include "calc/ExactGeometry_p.h"
#include "calc/TankHeads.h"
#include "calc/heads/TorisphericalHead.h"
#include "calc/heads/TorisphericalLyingTable_p.h"
#include "calc/heads/TorisphericalPresets.h"

#include <benchmark/benchmark.h>

#include <array>

using namespace tankora;

namespace {

constexpr std::size_t kLevels = 64;

enum class Shape { Ellipsoidal, Torispherical, Conical };

HeadShape HeadShapeOf(Shape shape)
{
    switch (shape) {
    case Shape::Ellipsoidal:
        return EllipsoidalHeadShape(0.5);
    case Shape::Torispherical:
        return *TorisphericalPresetShape("asme-fd");
    case Shape::Conical:
        return ConicalHeadShape(0.6);
    }
    return FlatHeadShape();
}

// The tank at kLevels heights spread over its whole height, with the volume
// each holds. Ellipsoidal heads are kept as shaped heads (TankState::Heads
// set by hand), so every shape takes the same road through the engine.
struct Levels
{
    TankState tank;
    std::array<double, kLevels> heights;
    std::array<double, kLevels> volumes;
};

Levels LevelsOf(Shape shape, int orientation)
{
    Levels levels;
    levels.tank.Orientation = orientation;
    levels.tank.TankLength = 3;
    levels.tank.TankDiameter = 2;
    levels.tank.Heads = HeadPair { HeadShapeOf(shape), HeadShapeOf(shape) };
    for (std::size_t i = 0; i < kLevels; ++i) {
        levels.heights[i] = FullHeight(levels.tank) * (static_cast<double>(i) + 0.37) / kLevels;
        levels.volumes[i] = ExactVolumeAt(levels.tank, levels.heights[i]);
    }
    return levels;
}

// Runs `body(levels, i)` for i cycling over the levels.
template <typename Body> void CycleLevels(benchmark::State& state, const Levels& levels, Body body)
{
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(body(levels, i));
        i = (i + 1) % kLevels;
    }
}

void ExactVolume(benchmark::State& state, Shape shape, int orientation)
{
    CycleLevels(state, LevelsOf(shape, orientation),
        [](const Levels& l, std::size_t i) { return ExactVolumeAt(l.tank, l.heights[i]); });
}

void ExactHeight(benchmark::State& state, Shape shape, int orientation)
{
    CycleLevels(state, LevelsOf(shape, orientation),
        [](const Levels& l, std::size_t i) { return ExactHeightFor(l.tank, l.volumes[i]); });
}

// What the first lying volume of a torispherical shape costs on top of the
// others: the fits every later volume of that shape is read from (built once
// a program, and kept).
void LyingTableBuild(benchmark::State& state)
{
    const HeadShape preset = *TorisphericalPresetShape("asme-fd");
    const double f = preset.crown;
    const double k = preset.knuckle;
    const auto unit
        = [f, k](double level) { return TorisphericalHead(0.5, f, k).LyingLowerIntegral(level); };
    for (auto _ : state)
        benchmark::DoNotOptimize(TorisphericalLyingTable::Build(f, k, unit));
}

BENCHMARK(LyingTableBuild)->Name("LyingTableBuild/torispherical_horizontal");
BENCHMARK_CAPTURE(ExactVolume, ellipsoidal_horizontal, Shape::Ellipsoidal, kHorizontal);
BENCHMARK_CAPTURE(ExactVolume, torispherical_horizontal, Shape::Torispherical, kHorizontal);
BENCHMARK_CAPTURE(ExactVolume, conical_horizontal, Shape::Conical, kHorizontal);
BENCHMARK_CAPTURE(ExactVolume, ellipsoidal_vertical, Shape::Ellipsoidal, kVertical);
BENCHMARK_CAPTURE(ExactVolume, torispherical_vertical, Shape::Torispherical, kVertical);
BENCHMARK_CAPTURE(ExactVolume, conical_vertical, Shape::Conical, kVertical);
BENCHMARK_CAPTURE(ExactHeight, ellipsoidal_horizontal, Shape::Ellipsoidal, kHorizontal);
BENCHMARK_CAPTURE(ExactHeight, torispherical_horizontal, Shape::Torispherical, kHorizontal);
BENCHMARK_CAPTURE(ExactHeight, conical_horizontal, Shape::Conical, kHorizontal);
BENCHMARK_CAPTURE(ExactHeight, ellipsoidal_vertical, Shape::Ellipsoidal, kVertical);
BENCHMARK_CAPTURE(ExactHeight, torispherical_vertical, Shape::Torispherical, kVertical);
BENCHMARK_CAPTURE(ExactHeight, conical_vertical, Shape::Conical, kVertical);

} // namespace

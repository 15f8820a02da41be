// Tanks with shaped heads, each end its own: published worked examples, the
// full sweep from empty to full in both orientations, the solver's round
// trip, and the method choice.
#include "RecordingSink.h"

#include "calc/Calculation.h"
#include "calc/ExactGeometry_p.h"
#include "calc/GaugeTable.h"
#include "calc/TankHeads.h"
#include "calc/heads/TorisphericalPresets.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

using namespace tankora;

namespace {

constexpr double kInchesPerUsGallon = 231; // the US gallon is 231 in3

TankState Tank(int orientation, double length, double diameter, HeadShape first, HeadShape second)
{
    TankState s;
    s.Orientation = orientation;
    s.TankLength = length;
    s.TankDiameter = diameter;
    SetHeads(s, first, second);
    return s;
}

HeadShape Preset(const char* name)
{
    return *TorisphericalPresetShape(name);
}

// Worked examples published with the closed forms for horizontal and
// vertical tanks (D. Jones, "Calculating Tank Volume"), in inches and US
// gallons, given there to six figures. Our own long-double slice integral
// (tests/calc/heads/HeadReference.h) gives the same figures: 2028.6267,
// 2041.1924, 904.06883, 250.67461.
TEST(ShapedTank, PublishedWorkedExamples)
{
    const TankState asmeLying = Tank(kHorizontal, 156, 108, Preset("asme-fd"), Preset("asme-fd"));
    EXPECT_NEAR(ExactVolumeAt(asmeLying, 36) / kInchesPerUsGallon, 2028.63, 0.005);

    const TankState coneLying
        = Tank(kHorizontal, 156, 108, ConicalHeadShape(42), ConicalHeadShape(42));
    EXPECT_NEAR(ExactVolumeAt(coneLying, 36) / kInchesPerUsGallon, 2041.19, 0.005);

    const TankState asmeStanding = Tank(kVertical, 200, 132, Preset("asme-fd"), FlatHeadShape());
    EXPECT_NEAR(ExactVolumeAt(asmeStanding, 24) / kInchesPerUsGallon, 904.069, 0.0005);

    const TankState coneStanding = Tank(kVertical, 200, 132, ConicalHeadShape(33), FlatHeadShape());
    EXPECT_NEAR(ExactVolumeAt(coneStanding, 24) / kInchesPerUsGallon, 250.675, 0.0005);
}

struct Sweep
{
    const char* name;
    TankState tank;
};

std::vector<Sweep> Sweeps()
{
    std::vector<Sweep> sweeps;
    for (int orientation : { kHorizontal, kVertical }) {
        const std::string o = orientation == kHorizontal ? "lying_" : "standing_";
        const auto add = [&](const char* name, HeadShape a, HeadShape b) {
            static std::vector<std::string> names; // keeps the names alive
            names.push_back(o + name);
            sweeps.push_back({ names.back().c_str(), Tank(orientation, 2.5, 1.8, a, b) });
        };
        for (const auto& preset : kTorisphericalPresets) {
            const HeadShape headShape = TorisphericalHeadShape(preset.crown, preset.knuckle);
            add(preset.name.data(), headShape, headShape);
        }
        add("cones", ConicalHeadShape(0.6), ConicalHeadShape(0.6));
        add("hemispheres", EllipsoidalHeadShape(0.9), EllipsoidalHeadShape(0.9));
        add("flat", FlatHeadShape(), FlatHeadShape());
        add("cone_and_dished", ConicalHeadShape(1.1), Preset("din28011"));
        add("flat_and_ellipsoid", FlatHeadShape(), EllipsoidalHeadShape(0.45));
        add("deep_dish_and_cone", TorisphericalHeadShape(0.5, 0.3), ConicalHeadShape(0.05));
    }
    return sweeps;
}

// Empty and full exactly, no step anywhere (each step of the sweep adds
// volume), and the solver gives each height back to 1e-9 of D.
TEST(ShapedTank, SweepIsMonotoneAndTheSolverInvertsIt)
{
    constexpr int kSteps = 4000;
    for (const Sweep& sweep : Sweeps()) {
        const TankState& tank = sweep.tank;
        const double full = FullHeight(tank);
        EXPECT_EQ(ExactVolumeAt(tank, 0), 0.0) << sweep.name;
        EXPECT_EQ(ExactVolumeAt(tank, full), FullVolume(tank)) << sweep.name;
        EXPECT_EQ(ExactHeightFor(tank, FullVolume(tank)), full) << sweep.name;
        double previous = 0;
        int failures = 0;
        for (int i = 1; i <= kSteps && failures < 3; ++i) {
            const double h = full * i / kSteps;
            const double v = ExactVolumeAt(tank, h);
            if (!(v > previous)) {
                ADD_FAILURE() << sweep.name << ": V(" << h << ") = " << v << " after " << previous;
                ++failures;
            }
            previous = v;
            const double back = ExactHeightFor(tank, v);
            if (!(std::fabs(back - h) <= 1e-9 * tank.TankDiameter)) {
                ADD_FAILURE() << sweep.name << ": height " << h << " came back as " << back;
                ++failures;
            }
        }
        EXPECT_EQ(previous, FullVolume(tank)) << sweep.name;
    }
}

// A standing tank's volume just below its full height is the full volume
// less a sliver, not the volume of a head read outside its range.
TEST(ShapedTank, StandingTankNearItsTopHoldsAlmostEverything)
{
    const TankState tank = Tank(kVertical, 9, 3.2, Preset("din28011"), Preset("din28011"));
    const double full = FullHeight(tank);
    for (double below : { 0.0, 2.2e-16, 1e-15, 1e-12 }) {
        const double v = ExactVolumeAt(tank, full * (1 - below));
        EXPECT_LE(v, FullVolume(tank));
        EXPECT_NEAR(v / FullVolume(tank), 1, 1e-11) << below;
    }
    // Two heads of 0.193774 D (the README's depth) on the shell.
    EXPECT_NEAR(full, 9 + 2 * 0.1937742 * 3.2, 1e-6);
}

TEST(ShapedTank, SetHeadsKeepsTheTablesTankWhereItIsOne)
{
    const TankState hemispheres
        = Tank(kHorizontal, 2, 1, EllipsoidalHeadShape(0.5), EllipsoidalHeadShape(0.5));
    EXPECT_FALSE(hemispheres.Heads);
    EXPECT_EQ(hemispheres.HeadDepth, 0.5);
    EXPECT_TRUE(TableMethodKnows(hemispheres));

    const TankState flat = Tank(kVertical, 2, 1, ConicalHeadShape(0), FlatHeadShape());
    EXPECT_FALSE(flat.Heads);
    EXPECT_EQ(flat.HeadDepth, 0);

    const TankState mixed = Tank(kVertical, 2, 1, FlatHeadShape(), EllipsoidalHeadShape(0.25));
    ASSERT_TRUE(mixed.Heads);
    EXPECT_FALSE(TableMethodKnows(mixed));
    EXPECT_DOUBLE_EQ(FullHeight(mixed), 2.25);
}

// The tables know only two equal semi-ellipsoids; any other tank is
// computed exactly even when the table method is asked for.
TEST(ShapedTank, TableMethodOnAShapedTankComputesExactly)
{
    TankState tank = Tank(kHorizontal, 3, 2, Preset("80-10"), Preset("80-10"));
    EXPECT_EQ(MethodFor(tank, VolumeMethod::Table), VolumeMethod::Exact);
    tank.LiquidHeight = 0.7;
    RecordingSink sink;
    ASSERT_TRUE(Calculate(tank, CalcMode::Volume, sink, VolumeMethod::Table));
    EXPECT_EQ(tank.LastResult, ExactVolumeAt(tank, 0.7));

    tank.LiquidVolume = tank.LastResult;
    ASSERT_TRUE(Calculate(tank, CalcMode::Height, sink, VolumeMethod::Table));
    EXPECT_NEAR(tank.LastResult, 0.7, 1e-14);
    EXPECT_TRUE(sink.messages.empty());
}

TEST(ShapedTank, CheckInputsUsesTheHeadsOwnDepths)
{
    TankState tank = Tank(kVertical, 2, 1, ConicalHeadShape(0.4), Preset("asme-fd"));
    const double full = 0.4 + 2 + 0.169337613708;
    tank.LiquidHeight = full - 1e-9;
    EXPECT_TRUE(CheckInputs(tank, CalcMode::Volume));
    tank.LiquidHeight = full + 1e-9;
    EXPECT_FALSE(CheckInputs(tank, CalcMode::Volume));

    TankState bad = Tank(kHorizontal, 2, 1, TorisphericalHeadShape(0.4, 0.1), FlatHeadShape());
    EXPECT_FALSE(CheckInputs(bad, CalcMode::Volume));
    TankState negative = Tank(kHorizontal, 2, 1, ConicalHeadShape(-0.1), FlatHeadShape());
    EXPECT_FALSE(CheckInputs(negative, CalcMode::Volume));
}

TEST(ShapedTank, OverfullVolumeReportsTheFullHeight)
{
    TankState tank = Tank(kVertical, 2, 1, ConicalHeadShape(0.4), Preset("din28013"));
    tank.LiquidVolume = FullVolume(tank) * 1.01;
    RecordingSink sink;
    ASSERT_TRUE(Calculate(tank, CalcMode::Height, sink));
    EXPECT_EQ(tank.LastResult, FullHeight(tank));
    ASSERT_EQ(sink.messages.size(), 1u);
    EXPECT_EQ(sink.messages[0].text, kOverCapacityText);
}

TEST(ShapedTank, GaugeTableRisesToTheCapacity)
{
    for (const Sweep& sweep : Sweeps()) {
        const auto rows = GaugeTable(sweep.tank, 50);
        ASSERT_TRUE(rows) << sweep.name;
        for (std::size_t i = 1; i < rows->size(); ++i)
            EXPECT_GT((*rows)[i].volume, (*rows)[i - 1].volume) << sweep.name << " row " << i;
        EXPECT_EQ(rows->back().volume, FullVolume(sweep.tank)) << sweep.name;
        EXPECT_EQ(rows->back().fillPercent, 100) << sweep.name;
    }
}

} // namespace

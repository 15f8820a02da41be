#include "calc/LevelSolver.h"

#include "RecordingSink.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <numbers>

using namespace tankora;

namespace {

const RecordedMessage kOverCapacity { MessageKind::Error, std::string(kOverCapacityText) };
const RecordedMessage kTankEmpty { MessageKind::Warning, std::string(kTankEmptyText) };

TankState Tank(int orientation, double l, double d, double b)
{
    TankState s;
    s.Orientation = orientation;
    s.TankLength = l;
    s.TankDiameter = d;
    s.HeadDepth = b;
    return s;
}

// Height mode on a checked state; the messages go to `sink`.
double HeightFor(TankState s, double volume, RecordingSink& sink)
{
    s.LiquidVolume = volume;
    EXPECT_TRUE(CheckInputs(s, CalcMode::Height));
    return CalcHeight(s, sink);
}

// New Height mode on a checked state; returns the height, leaves the state in `s`.
double NewHeightFor(TankState& s, double h, double q, double t, RecordingSink& sink)
{
    s.LiquidHeight = h;
    s.FlowRate = q;
    s.FlowTime = t;
    EXPECT_TRUE(CheckInputs(s, CalcMode::NewHeight));
    return CalcNewHeight(s, sink);
}

std::string Fixed4(double value)
{
    char text[64];
    std::snprintf(text, sizeof text, "%.4f", value);
    return text;
}

TEST(LevelSolver, WorkedExampleHeightOfAHalfFullFlatEndedTank)
{
    RecordingSink sink;
    const double h = HeightFor(Tank(kHorizontal, 1, 1, 0), 0.3927, sink);
    // The piecewise-linear inverse gives 0.5000009 m: 0.5000 m but 50.0001 cm.
    EXPECT_EQ(Fixed4(h), "0.5000");
    EXPECT_EQ(Fixed4(h * 100), "50.0001");
    EXPECT_TRUE(sink.messages.empty());
}

TEST(LevelSolver, HorizontalScanStopsAtTablePoints)
{
    const TankState s = Tank(kHorizontal, 2, 1.5, 0.3);
    RecordingSink sink;
    EXPECT_DOUBLE_EQ(HeightFor(s, FullVolume(s), sink), 1.5);
    EXPECT_DOUBLE_EQ(HeightFor(s, FullVolume(s) / 2, sink), 0.75);
    // V = 0 stops at the first point with a zero slope: 0.
    EXPECT_EQ(HeightFor(s, 0, sink), 0.0);
    EXPECT_TRUE(sink.messages.empty());
}

TEST(LevelSolver, HeightInvertsVolumeBetweenTablePoints)
{
    for (int orientation : { kHorizontal, kVertical }) {
        TankState s = Tank(orientation, 2.5, 1.3, 0.35);
        for (double h : { 0.0123, 0.2, 0.3456, 0.6543, 1.2, 1.9, 2.71, 3.1 }) {
            if (h > FullHeight(s))
                continue;
            s.LiquidHeight = h;
            ASSERT_TRUE(CheckInputs(s, CalcMode::Volume));
            RecordingSink sink;
            // Both directions read the same piecewise-linear table volume.
            EXPECT_NEAR(HeightFor(s, CalcVolume(s), sink), h, 1e-9)
                << "orientation " << orientation << ", H = " << h;
            EXPECT_TRUE(sink.messages.empty());
        }
    }
}

TEST(LevelSolver, VolumeAboveTheFullTankReportsAnErrorAndTheFullHeight)
{
    for (int orientation : { kHorizontal, kVertical }) {
        const TankState s = Tank(orientation, 2, 1, 0.25);
        RecordingSink sink;
        EXPECT_DOUBLE_EQ(HeightFor(s, FullVolume(s) * 1.001, sink), FullHeight(s));
        EXPECT_EQ(sink.messages, std::vector { kOverCapacity }) << "orientation " << orientation;
    }
}

TEST(LevelSolver, VerticalSurfaceInEachPart)
{
    const double l = 2, d = 1, b = 0.5;
    const TankState s = Tank(kVertical, l, d, b);
    const double oneHead = HeadsVolume(s) * 0.5;
    RecordingSink sink;
    // A quarter of the heads' ellipsoid is held at about 0.3263 of its height.
    EXPECT_NEAR(HeightFor(s, oneHead / 2, sink) / (2 * b), 0.3263, 0.00005);
    EXPECT_EQ(HeightFor(s, oneHead, sink), b);
    EXPECT_DOUBLE_EQ(HeightFor(s, oneHead + ShellVolume(s) / 4, sink), b + l / 4);
    EXPECT_DOUBLE_EQ(HeightFor(s, oneHead + ShellVolume(s), sink), b + l);
    EXPECT_NEAR(HeightFor(s, FullVolume(s), sink), 2 * b + l, 1e-12);
    EXPECT_EQ(HeightFor(s, 0, sink), 0.0);
    EXPECT_TRUE(sink.messages.empty());
}

TEST(LevelSolver, FlatEndedVerticalTankIsAPlainCylinder)
{
    const TankState s = Tank(kVertical, 3, 2, 0);
    const double area = std::numbers::pi; // (pi/4) * 2^2
    RecordingSink sink;
    EXPECT_DOUBLE_EQ(HeightFor(s, area * 1.2, sink), 1.2);
    EXPECT_DOUBLE_EQ(HeightFor(s, ShellVolume(s), sink), 3.0);
    EXPECT_TRUE(sink.messages.empty());
    EXPECT_DOUBLE_EQ(HeightFor(s, ShellVolume(s) * 1.01, sink), 3.0);
    EXPECT_EQ(sink.messages, std::vector { kOverCapacity });
}

TEST(LevelSolver, NewHeightWithoutFlowReproducesTheHeight)
{
    for (int orientation : { kHorizontal, kVertical }) {
        for (double q : { 0.0, 5.0 }) {
            TankState s = Tank(orientation, 2, 1, 0.25);
            RecordingSink sink;
            EXPECT_NEAR(NewHeightFor(s, 0.8, q, q == 0 ? 100.0 : 0.0, sink), 0.8, 1e-12);
            EXPECT_EQ(s.FlowedVolume, 0.0);
            EXPECT_TRUE(sink.messages.empty());
        }
    }
}

TEST(LevelSolver, NewHeightDrainsAndFills)
{
    for (int orientation : { kHorizontal, kVertical }) {
        TankState s = Tank(orientation, 2, 1, 0.25);
        RecordingSink sink;
        const double drained = NewHeightFor(s, 0.8, 0.001, 60, sink);
        EXPECT_LT(drained, 0.8);
        EXPECT_DOUBLE_EQ(s.FlowedVolume, 0.06);
        const double filled = NewHeightFor(s, 0.8, -0.001, 60, sink);
        EXPECT_GT(filled, 0.8);
        EXPECT_DOUBLE_EQ(s.FlowedVolume, -0.06);
        // Whatever flowed is what the volume at the new height differs by.
        s.LiquidHeight = filled;
        ASSERT_TRUE(CheckInputs(s, CalcMode::Volume));
        const double after = CalcVolume(s);
        s.LiquidHeight = 0.8;
        ASSERT_TRUE(CheckInputs(s, CalcMode::Volume));
        EXPECT_NEAR(after - CalcVolume(s), 0.06, 1e-9);
        EXPECT_TRUE(sink.messages.empty());
    }
}

TEST(LevelSolver, DrainingExactlyEverythingGivesZeroWithoutMessage)
{
    for (int orientation : { kHorizontal, kVertical }) {
        TankState s = Tank(orientation, 2, 1, 0.25);
        s.LiquidHeight = 0.9;
        ASSERT_TRUE(CheckInputs(s, CalcMode::Volume));
        const double present = CalcVolume(s);
        RecordingSink sink;
        EXPECT_EQ(NewHeightFor(s, 0.9, present, 1, sink), 0.0);
        EXPECT_TRUE(sink.messages.empty());
    }
}

// What really flowed is what the tank held (or the room it had), and the
// time at which it ran empty (or full) is that volume over the rate.
TEST(LevelSolver, DrainingMoreThanHeldReportsTankEmptyAndTheVolumeItHeld)
{
    for (int orientation : { kHorizontal, kVertical }) {
        TankState s = Tank(orientation, 2, 1, 0.25);
        s.LiquidHeight = 0.9;
        ASSERT_TRUE(CheckInputs(s, CalcMode::Volume));
        const double held = CalcVolume(s);
        RecordingSink sink;
        // Twice what it holds, flowing for 10 s: empty after 5 s.
        EXPECT_EQ(NewHeightFor(s, 0.9, held / 5, 10, sink), 0.0);
        EXPECT_DOUBLE_EQ(s.FlowedVolume, held);
        EXPECT_DOUBLE_EQ(s.FlowLimitTime, 5.0);
        EXPECT_EQ(sink.messages, std::vector { kTankEmpty });
    }
}

TEST(LevelSolver, InflowBeyondCapacityReportsOverCapacityAndTheRoomItHad)
{
    // Half full lying; standing, a full bottom head (a twelfth of the
    // heads' pi/3 * D^2 * b, halved) and 0.25 m of shell (pi/4 * 0.25).
    const double heldLying = FullVolume(Tank(kHorizontal, 2, 1, 0.25)) / 2;
    const double heldStanding = std::numbers::pi / 24 + std::numbers::pi / 16;
    for (int orientation : { kHorizontal, kVertical }) {
        TankState s = Tank(orientation, 2, 1, 0.25);
        const double room = FullVolume(s) - (orientation == kHorizontal ? heldLying : heldStanding);
        RecordingSink sink;
        const double h = NewHeightFor(s, 0.5, -0.001, 1E6, sink);
        EXPECT_DOUBLE_EQ(h, FullHeight(s));
        EXPECT_NEAR(s.FlowedVolume, -room, 1e-9);
        EXPECT_NEAR(s.FlowLimitTime, room / 0.001, 1e-6);
        EXPECT_EQ(sink.messages, std::vector { kOverCapacity });
    }
}

TEST(LevelSolver, FlowsThatEndInsideTheTankReachNoLimit)
{
    TankState s = Tank(kHorizontal, 2, 1, 0.25);
    RecordingSink sink;
    NewHeightFor(s, 0.5, 0.0001, 10, sink);
    EXPECT_DOUBLE_EQ(s.FlowedVolume, 0.001);
    EXPECT_EQ(s.FlowLimitTime, -1.0);
    NewHeightFor(s, 0.5, -0.0001, 10, sink);
    EXPECT_DOUBLE_EQ(s.FlowedVolume, -0.001);
    EXPECT_EQ(s.FlowLimitTime, -1.0);
    EXPECT_TRUE(sink.messages.empty());
}

TEST(LevelSolver, FlatEndedVerticalNewHeightStartsFromTheCylinder)
{
    TankState s = Tank(kVertical, 3, 2, 0);
    RecordingSink sink;
    // pi m3 is one metre of this cylinder.
    EXPECT_DOUBLE_EQ(NewHeightFor(s, 2.5, std::numbers::pi, 1, sink), 1.5);
    EXPECT_DOUBLE_EQ(NewHeightFor(s, 2.5, -std::numbers::pi / 2, 1, sink), 3.0);
    EXPECT_TRUE(sink.messages.empty());
}

TEST(LevelSolver, TankTooSmallToHoldAnyVolumeGivesZeroForAnEmptyTarget)
{
    // D^2 underflows to 0: every table volume is 0 and every slope flat.
    for (int orientation : { kHorizontal, kVertical }) {
        RecordingSink sink;
        EXPECT_EQ(HeightFor(Tank(orientation, 1, 1e-170, 0.1), 0, sink), 0.0);
        EXPECT_TRUE(sink.messages.empty());
    }
}

} // namespace

#include "calc/Calculation.h"

#include "RecordingSink.h"

#include <gtest/gtest.h>

#include <numbers>

using namespace tankora;

namespace {

TankState HalfFullFlatEndedTank()
{
    TankState s;
    s.TankLength = 1;
    s.TankDiameter = 1;
    s.LiquidHeight = 0.5;
    return s;
}

TEST(Calculation, FailedCheckWarnsAndKeepsTheLastResults)
{
    TankState s; // all zero, as at start-up
    s.LastResult = 4.5;
    s.LastFlowVolume = 1.5;
    RecordingSink sink;
    EXPECT_FALSE(Calculate(s, CalcMode::Volume, sink));
    EXPECT_EQ(s.LastResult, 4.5);
    EXPECT_EQ(s.LastFlowVolume, 1.5);
    EXPECT_EQ(sink.messages,
        std::vector<RecordedMessage>({ { MessageKind::Warning, "Check your inputs" } }));
}

TEST(Calculation, EachModeStoresItsResult)
{
    TankState s = HalfFullFlatEndedTank();
    RecordingSink sink;
    ASSERT_TRUE(Calculate(s, CalcMode::Volume, sink));
    EXPECT_NEAR(s.LastResult, 0.392699, 1e-6);

    s.LiquidVolume = s.LastResult;
    ASSERT_TRUE(Calculate(s, CalcMode::Height, sink));
    EXPECT_NEAR(s.LastResult, 0.5, 1e-9);

    s.FlowRate = -0.001;
    s.FlowTime = 30;
    ASSERT_TRUE(Calculate(s, CalcMode::NewHeight, sink));
    EXPECT_GT(s.LastResult, 0.5);
    EXPECT_DOUBLE_EQ(s.LastFlowVolume, 0.03);
    EXPECT_EQ(FlowVolumeLabel(s), "Vol In");
    EXPECT_TRUE(sink.messages.empty());
}

TEST(Calculation, ZeroFlowIsReportedAsFlowedOut)
{
    TankState s = HalfFullFlatEndedTank();
    RecordingSink sink;
    ASSERT_TRUE(Calculate(s, CalcMode::NewHeight, sink));
    EXPECT_EQ(s.LastFlowVolume, 0.0);
    EXPECT_EQ(FlowVolumeLabel(s), "Vol Out");
}

TEST(Calculation, InflowIntoAFullTankIsAnInflowOfNothing)
{
    TankState s = HalfFullFlatEndedTank();
    s.LiquidHeight = 1;
    s.FlowRate = -1;
    s.FlowTime = 60;
    RecordingSink sink;
    ASSERT_TRUE(Calculate(s, CalcMode::NewHeight, sink));
    EXPECT_NEAR(s.LastFlowVolume, 0.0, 1e-12);
    EXPECT_NEAR(s.FlowLimitTime, 0.0, 1e-12);
    EXPECT_EQ(FlowVolumeLabel(s), "Vol In");
}

TEST(Calculation, ResultIsKeptAlongsideASolverMessage)
{
    TankState s = HalfFullFlatEndedTank();
    s.FlowRate = 1;
    s.FlowTime = 3600;
    RecordingSink sink;
    EXPECT_TRUE(Calculate(s, CalcMode::NewHeight, sink));
    EXPECT_EQ(s.LastResult, 0.0);
    // Only what the tank held flowed out: half of a 1 m x 1 m flat-ended tank.
    EXPECT_NEAR(s.LastFlowVolume, std::numbers::pi / 8, 1e-12);
    EXPECT_EQ(FlowVolumeLabel(s), "Vol Out");
    EXPECT_EQ(
        sink.messages, std::vector<RecordedMessage>({ { MessageKind::Warning, "Tank empty" } }));
}

TEST(Calculation, ExactMethodReportsAndReturnsAsTheTableMethodDoes)
{
    const struct
    {
        const char* name;
        CalcMode mode;
        double volume, flowRate, flowTime;
        double result; // m
        std::vector<RecordedMessage> messages;
    } cases[] = {
        { "over capacity", CalcMode::Height, 2, 0, 0, 1.0,
            { { MessageKind::Error, "Volume entered exceed total possible volume" } } },
        { "inflow beyond capacity", CalcMode::NewHeight, 0, -1, 1, 1.0,
            { { MessageKind::Error, "Volume entered exceed total possible volume" } } },
        { "drained", CalcMode::NewHeight, 0, 1, 1, 0.0,
            { { MessageKind::Warning, "Tank empty" } } },
        { "exactly drained", CalcMode::NewHeight, 0, 0.39269908169872414, 1, 0.0, {} },
        { "no volume", CalcMode::Height, 0, 0, 0, 0.0, {} },
    };
    for (const auto& c : cases) {
        for (VolumeMethod method : { VolumeMethod::Table, VolumeMethod::Exact }) {
            TankState s = HalfFullFlatEndedTank();
            s.LiquidVolume = c.volume;
            s.FlowRate = c.flowRate;
            s.FlowTime = c.flowTime;
            RecordingSink sink;
            ASSERT_TRUE(Calculate(s, c.mode, sink, method)) << c.name;
            EXPECT_NEAR(s.LastResult, c.result, 1e-7) << c.name;
            EXPECT_EQ(sink.messages, c.messages) << c.name;
        }
    }
}

TEST(Calculation, FillIsTheShareOfTheCapacityHeldAfterwards)
{
    // Capacity pi/4 m3; the tank stands half full at 0.5 m.
    const double quarter = 0.7853981633974483 / 4;
    const struct
    {
        const char* name;
        CalcMode mode;
        double volume, flowRate;
        double fill;
    } cases[] = {
        { "volume at half height", CalcMode::Volume, 0, 0, 0.5 },
        { "a quarter entered", CalcMode::Height, quarter, 0, 0.25 },
        { "more than it holds", CalcMode::Height, 9, 0, 1 },
        { "a quarter drained", CalcMode::NewHeight, 0, quarter, 0.25 },
        { "a quarter added", CalcMode::NewHeight, 0, -quarter, 0.75 },
        { "drained beyond empty", CalcMode::NewHeight, 0, 1, 0 },
        { "filled beyond full", CalcMode::NewHeight, 0, -1, 1 },
    };
    for (const auto& c : cases) {
        for (VolumeMethod method : { VolumeMethod::Table, VolumeMethod::Exact }) {
            TankState s = HalfFullFlatEndedTank();
            s.LiquidVolume = c.volume;
            s.FlowRate = c.flowRate;
            s.FlowTime = 1;
            RecordingSink sink;
            ASSERT_TRUE(Calculate(s, c.mode, sink, method)) << c.name;
            EXPECT_NEAR(FillFraction(s, c.mode, method), c.fill, 1e-12) << c.name;
        }
    }
}

TEST(Calculation, UnknownModeComputesNothing)
{
    TankState s = HalfFullFlatEndedTank();
    RecordingSink sink;
    EXPECT_FALSE(Calculate(s, CalcMode { 5 }, sink));
    EXPECT_EQ(s.LastResult, 0.0);
    EXPECT_TRUE(sink.messages.empty());
}

} // namespace

#include "calc/Calculation.h"

#include "RecordingSink.h"

#include <gtest/gtest.h>

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

TEST(Calculation, ResultIsKeptAlongsideASolverMessage)
{
    TankState s = HalfFullFlatEndedTank();
    s.FlowRate = 1;
    s.FlowTime = 3600;
    RecordingSink sink;
    EXPECT_TRUE(Calculate(s, CalcMode::NewHeight, sink));
    EXPECT_EQ(s.LastResult, 0.0);
    EXPECT_EQ(s.LastFlowVolume, 3600.0);
    EXPECT_EQ(FlowVolumeLabel(s), "Vol Out");
    EXPECT_EQ(
        sink.messages, std::vector<RecordedMessage>({ { MessageKind::Warning, "Tank empty" } }));
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

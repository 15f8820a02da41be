#include "calc/GaugeTable.h"

#include "TestTank.h"

#include <gtest/gtest.h>

using namespace tankora;

namespace {

TEST(GaugeTable, RowsRunFromEmptyToTheFullTankInEqualSteps)
{
    for (int orientation : { kHorizontal, kVertical }) {
        // 0.1 * 3 / 3 would round above 0.1 and fail the check on the last row.
        const TankState tank = Tank(orientation, 0.06, 0.1, 0.02);
        const auto rows = GaugeTable(tank, 3);
        ASSERT_TRUE(rows.has_value()) << "orientation " << orientation;
        ASSERT_EQ(rows->size(), 4u);
        EXPECT_EQ(rows->front().height, 0.0);
        EXPECT_EQ(rows->front().volume, 0.0);
        EXPECT_EQ(rows->back().height, FullHeight(tank));
        EXPECT_DOUBLE_EQ(rows->back().volume, FullVolume(tank));
        EXPECT_DOUBLE_EQ(rows->back().fillPercent, 100.0);
        EXPECT_DOUBLE_EQ((*rows)[1].height, FullHeight(tank) / 3);
        for (std::size_t i = 1; i < rows->size(); ++i)
            EXPECT_GT((*rows)[i].volume, (*rows)[i - 1].volume);
    }
}

TEST(GaugeTable, EachRowIsTheVolumeModeResult)
{
    const TankState tank = Tank(kVertical, 2, 1.5, 0.3);
    const auto rows = GaugeTable(tank, 7);
    ASSERT_TRUE(rows.has_value());
    for (const GaugeRow& row : *rows) {
        TankState s = tank;
        s.LiquidHeight = row.height;
        ASSERT_TRUE(CheckInputs(s, CalcMode::Volume));
        EXPECT_EQ(row.volume, CalcVolume(s));
    }
}

TEST(GaugeTable, RefusesATankFailingTheCheckAndStepCountsOutOfRange)
{
    EXPECT_FALSE(GaugeTable(Tank(kHorizontal, 1, 0, 0), 10).has_value());
    EXPECT_FALSE(GaugeTable(Tank(kVertical, 1, 1, -1), 10).has_value());
    EXPECT_FALSE(GaugeTable(Tank(kHorizontal, 1, 1, 0), 0).has_value());
    EXPECT_FALSE(GaugeTable(Tank(kHorizontal, 1, 1, 0), kMaxGaugeSteps + 1).has_value());
    EXPECT_TRUE(GaugeTable(Tank(kHorizontal, 1, 1, 0), kMaxGaugeSteps).has_value());
}

TEST(GaugeTable, IgnoresTheEnteredLevelsAndFlows)
{
    TankState tank = Tank(kHorizontal, 1, 1, 0);
    tank.LiquidHeight = -5;
    tank.LiquidVolume = -5;
    tank.FlowTime = -5;
    EXPECT_TRUE(GaugeTable(tank, 4).has_value());
}

} // namespace

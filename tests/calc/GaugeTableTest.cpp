#include "calc/GaugeTable.h"

#include "TestTank.h"

#include <gtest/gtest.h>

#include <cmath>

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

namespace {

TEST(GaugeTableByStep, StepsUpFromEmptyAndEndsOnTheFullTank)
{
    // A vertical tank 1.0 m high (b = 0.2, L = 0.6) in steps of 0.3 m:
    // 0, 0.3, 0.6, 0.9 and the full 1.0 m, the last step shorter.
    const TankState tank = Tank(kVertical, 0.6, 1, 0.2);
    const auto rows = GaugeTableByStep(tank, 0.3);
    ASSERT_TRUE(rows.has_value());
    ASSERT_EQ(rows->size(), 5u);
    const double expected[] = { 0, 0.3, 0.6, 0.9 };
    for (std::size_t i = 0; i < 4; ++i)
        EXPECT_NEAR((*rows)[i].height, expected[i], 1e-15) << "row " << i;
    EXPECT_EQ(rows->back().height, FullHeight(tank));
    EXPECT_DOUBLE_EQ(rows->back().fillPercent, 100.0);

    // A step that divides the height evenly gives no short last step and
    // no repeated full row: 1 m in steps of 0.25 m is five rows.
    const auto even = GaugeTableByStep(Tank(kHorizontal, 2, 1, 0), 0.25);
    ASSERT_TRUE(even.has_value());
    ASSERT_EQ(even->size(), 5u);
    EXPECT_EQ((*even)[3].height, 0.75);
    EXPECT_EQ(even->back().height, 1.0);

    // A step longer than the tank is one step: empty and full.
    const auto one = GaugeTableByStep(Tank(kHorizontal, 2, 1, 0), 5);
    ASSERT_TRUE(one.has_value());
    EXPECT_EQ(one->size(), 2u);
}

TEST(GaugeTableByStep, RefusesStepsThatAreNoLengthOrTooFine)
{
    const TankState tank = Tank(kHorizontal, 1, 1, 0);
    EXPECT_FALSE(GaugeTableByStep(tank, 0).has_value());
    EXPECT_FALSE(GaugeTableByStep(tank, -0.1).has_value());
    EXPECT_FALSE(GaugeTableByStep(tank, std::nan("")).has_value());
    // More steps than a table may have, including a count beyond int.
    EXPECT_FALSE(GaugeTableByStep(tank, 1.0 / (kMaxGaugeSteps + 1)).has_value());
    EXPECT_FALSE(GaugeTableByStep(tank, 1e-300).has_value());
    EXPECT_TRUE(GaugeTableByStep(tank, 1.000001 / kMaxGaugeSteps).has_value());
    EXPECT_FALSE(GaugeTableByStep(Tank(kHorizontal, 1, 0, 0), 0.1).has_value());
}

} // namespace

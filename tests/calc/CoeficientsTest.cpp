#include "calc/Coeficients_p.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

using namespace tankora;

namespace {

double SegmentFormula(double h)
{
    const double c = 1 - 2 * h;
    return (std::acos(c) - c * std::sqrt(1 - c * c)) / std::numbers::pi;
}

TEST(Coeficients, HeadTableIsTheEllipsoidFractionRoundedToSixDecimals)
{
    for (std::size_t i = 0; i < kFractionTableSize; ++i) {
        const double h = static_cast<double>(i) / 100;
        const double rounded = std::round(h * h * (3 - 2 * h) * 1e6) / 1e6;
        EXPECT_DOUBLE_EQ(kHeadTable[i], rounded) << "entry " << i;
    }
}

TEST(Coeficients, SegmentTableStaysWithinAUnitOfTheSixthDecimalOfTheCircle)
{
    // The stored values are one unit above or below the rounded circle at
    // many levels (so not exactly symmetric either); a mistyped digit would
    // stand out further.
    constexpr double kTolerance = 1.5e-6;
    for (std::size_t i = 0; i < kFractionTableSize; ++i) {
        const double h = static_cast<double>(i) / 100;
        EXPECT_NEAR(kSegmentTable[i], SegmentFormula(h), kTolerance) << "entry " << i;
        EXPECT_NEAR(kSegmentTable[i] + kSegmentTable[100 - i], 1.0, kTolerance) << "entry " << i;
    }
}

struct TablePoint
{
    double x;
    double head;
    double segment;
};

class TablePointTest : public testing::TestWithParam<TablePoint>
{ };

TEST_P(TablePointTest, LookupAtATablePointGivesTheStoredEntry)
{
    const TablePoint& p = GetParam();
    EXPECT_DOUBLE_EQ(HeadFraction(p.x), p.head);
    EXPECT_DOUBLE_EQ(SegmentFraction(p.x), p.segment);
}

INSTANTIATE_TEST_SUITE_P(Coeficients, TablePointTest,
    testing::Values(TablePoint { 0.0, 0.0, 0.0 },
        // The stored segment value at 0.01 is one millionth below the rounded circle.
        TablePoint { 0.01, 0.000298, 0.001692 }, TablePoint { 0.10, 0.028, 0.052044 },
        TablePoint { 0.25, 0.15625, 0.195501 }, TablePoint { 0.5, 0.5, 0.5 },
        TablePoint { 0.75, 0.84375, 0.804499 }, TablePoint { 0.99, 0.999702, 0.998308 },
        TablePoint { 1.0, 1.0, 1.0 }));

TEST(Coeficients, LookupInterpolatesLinearlyInsideAnInterval)
{
    // 0.255 lies halfway between the entries for 0.25 and 0.26.
    EXPECT_NEAR(HeadFraction(0.255), (0.15625 + 0.167648) / 2, 1e-12);
    EXPECT_NEAR(SegmentFraction(0.2525), 0.195501 + 0.25 * (0.2066 - 0.195501), 1e-12);
}

TEST(Coeficients, LevelAHairBelowATablePointIsExtrapolatedFromThatPoint)
{
    // 1000 * 0.0299996 rounds to 30: the lookup starts at 0.03 and goes back
    // along the slope of [0.03, 0.04], not forward along [0.02, 0.03].
    const double x = 0.0299996;
    const double fromAbove
        = kSegmentTable[3] + (x - 0.03) * (kSegmentTable[4] - kSegmentTable[3]) / 0.01;
    const double fromBelow
        = kSegmentTable[2] + (x - 0.02) * (kSegmentTable[3] - kSegmentTable[2]) / 0.01;
    EXPECT_DOUBLE_EQ(SegmentFraction(x), fromAbove);
    EXPECT_GT(std::fabs(fromAbove - fromBelow), 1e-12);
}

TEST(Coeficients, HalfThousandthBelowATablePointRoundsUpToIt)
{
    // 1000 * 0.0295 is exactly 29.5, which goes to 30: the interval above 0.03.
    const double x = 0.0295;
    EXPECT_DOUBLE_EQ(
        HeadFraction(x), kHeadTable[3] + (x - 0.03) * (kHeadTable[4] - kHeadTable[3]) / 0.01);
}

TEST(Coeficients, LevelsRoundingToOneGiveTheLastEntry)
{
    // 999.7 and 999.5 both round to 1000 (the latter half to even): index 100.
    EXPECT_EQ(HeadFraction(0.9997), 1.0);
    EXPECT_EQ(SegmentFraction(0.9997), 1.0);
    EXPECT_EQ(SegmentFraction(0.9995), 1.0);
    // 999.4 rounds to 999: still interpolated in the last interval.
    EXPECT_DOUBLE_EQ(SegmentFraction(0.9994), 0.998308 + (0.9994 - 0.99) * (1 - 0.998308) / 0.01);
    EXPECT_LT(SegmentFraction(0.9994), 1.0);
}

TEST(Coeficients, LevelsOutsideTheTableNeverIndexOutsideIt)
{
    EXPECT_EQ(HeadFraction(1.02), 1.0);
    EXPECT_EQ(SegmentFraction(1e300), 1.0);
    EXPECT_LE(SegmentFraction(-3.0), 0.0);
    EXPECT_TRUE(std::isnan(HeadFraction(std::nan(""))));
}

} // namespace

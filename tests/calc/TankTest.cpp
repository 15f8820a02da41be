#include "calc/Tank.h"

#include "TestTank.h"

#include <gtest/gtest.h>

#include <string>

#include <cmath>
#include <limits>
#include <numbers>

using namespace tankora;

namespace {

// Names each generated test after its case.
const auto kCaseName = [](const auto& instance) { return std::string(instance.param.name); };

constexpr double kInf = std::numeric_limits<double>::infinity();

struct CheckCase
{
    const char* name;
    int orientation;
    double l, d, b, h, v, q, t;
    CalcMode mode;
    bool expected;
};

void PrintTo(const CheckCase& c, std::ostream* os)
{
    *os << c.name;
}

class CheckInputsTest : public testing::TestWithParam<CheckCase>
{ };

TEST_P(CheckInputsTest, AcceptsOrRefuses)
{
    const CheckCase& c = GetParam();
    TankState s = Tank(c.orientation, c.l, c.d, c.b);
    s.LiquidHeight = c.h;
    s.LiquidVolume = c.v;
    s.FlowRate = c.q;
    s.FlowTime = c.t;
    EXPECT_EQ(CheckInputs(s, c.mode), c.expected);
}

constexpr int H = kHorizontal;
constexpr int V = kVertical;
constexpr auto kVol = CalcMode::Volume;
constexpr auto kHt = CalcMode::Height;
constexpr auto kNew = CalcMode::NewHeight;

INSTANTIATE_TEST_SUITE_P(Dimensions, CheckInputsTest,
    testing::Values(CheckCase { "ZeroLengthVolume", H, 0, 1, 0, 0.5, 0, 0, 0, kVol, false },
        CheckCase { "ZeroLengthHeight", V, 0, 1, 0, 0, 1, 0, 0, kHt, false },
        CheckCase { "ZeroDiameterNewHeight", H, 1, 0, 0, 0, 0, 0, 0, kNew, false },
        CheckCase { "NegativeHeadHeight", H, 1, 1, -0.1, 0, 0, 0, 0, kHt, false },
        CheckCase { "NegativeHeadOtherMode", V, 1, 1, -0.1, 0, 0, 0, 0, CalcMode { 7 }, false },
        CheckCase { "FlatEndsAccepted", V, 1, 1, 0, 0.5, 0, 0, 0, kVol, true }),
    kCaseName);

INSTANTIATE_TEST_SUITE_P(Levels, CheckInputsTest,
    testing::Values(CheckCase { "HorizontalFull", H, 1, 2, 0.5, 2, 0, 0, 0, kVol, true },
        CheckCase { "HorizontalOverFull", H, 1, 2, 0.5, 2.0002, 0, 0, 0, kVol, false },
        CheckCase { "VerticalFull", V, 2, 1, 0.5, 3, 0, 0, 0, kVol, true },
        CheckCase { "VerticalOverFull", V, 2, 1, 0.5, 3.0000001, 0, 0, 0, kVol, false },
        CheckCase { "VerticalFlatFull", V, 2, 1, 0, 2, 0, 0, 0, kNew, true },
        CheckCase { "VerticalFlatOverFull", V, 2, 1, 0, 2.5, 0, 0, 0, kNew, false },
        // Height mode does not look at H, but the vertical split still does.
        CheckCase { "VerticalOverFullHeightMode", V, 2, 1, 0.5, 4, 1, 0, 0, kHt, false }),
    kCaseName);

INSTANTIATE_TEST_SUITE_P(ModeRules, CheckInputsTest,
    testing::Values(CheckCase { "VolumeNegativeHeight", H, 1, 1, 0, -0.1, 0, 0, 0, kVol, false },
        CheckCase { "VolumeNegativeVolumeIgnored", H, 1, 1, 0, 0.1, -1, 0, 0, kVol, true },
        CheckCase { "HeightNegativeVolume", H, 1, 1, 0, 0, -0.1, 0, 0, kHt, false },
        CheckCase { "HeightNegativeHeightIgnored", H, 1, 1, 0, -1, 0.1, 0, 0, kHt, true },
        CheckCase { "NewHeightNegativeHeight", V, 1, 1, 0.2, -0.1, 0, 1, 1, kNew, false },
        CheckCase { "NewHeightNegativeTime", H, 1, 1, 0, 0.5, 0, 1, -1, kNew, false },
        CheckCase { "NewHeightNegativeFlow", H, 1, 1, 0, 0.5, 0, -1, 1, kNew, true },
        CheckCase { "OtherModeHasNoRule", H, 1, 1, 0, -1, -1, 0, -1, CalcMode { 3 }, true }),
    kCaseName);

INSTANTIATE_TEST_SUITE_P(NonFinite, CheckInputsTest,
    testing::Values(CheckCase { "InfiniteLength", H, kInf, 1, 0, 0, 0, 0, 0, kVol, false },
        CheckCase { "NanHeight", H, 1, 1, 0, std::nan(""), 0, 0, 0, kVol, false },
        CheckCase { "InfiniteUnusedVolume", H, 1, 1, 0, 0.5, kInf, 0, 0, kVol, false },
        CheckCase { "InfiniteFlow", H, 1, 1, 0, 0.5, 0, -kInf, 1, kNew, false },
        // D^2 overflows the double range.
        CheckCase { "DiameterSquaredOverflows", H, 1, 1e200, 0, 1, 0, 0, 0, kVol, false },
        // The full volume is finite in m3 but not in mm3.
        CheckCase { "FullVolumeTooLargeForMm3", H, 1e100, 1e100, 0, 1, 0, 0, 0, kVol, false },
        CheckCase { "LargeButShowable", H, 1e90, 1e90, 1e90, 1, 0, 0, 0, kVol, true },
        CheckCase { "FlowedVolumeOverflows", H, 1, 1, 0, 0.5, 0, 1e200, 1e200, kNew, false }),
    kCaseName);

struct Split
{
    double h, bottom, shell, top;
};

class VerticalSplitTest : public testing::TestWithParam<Split>
{ };

TEST_P(VerticalSplitTest, SplitsTheHeightIntoHeadShellAndHead)
{
    const Split& p = GetParam();
    TankState s = Tank(kVertical, 2, 1, 1); // full at 4
    s.LiquidHeight = p.h;
    ASSERT_TRUE(CheckInputs(s, CalcMode::Volume));
    EXPECT_DOUBLE_EQ(s.BottomHeadLevel, p.bottom);
    EXPECT_DOUBLE_EQ(s.ShellLevel, p.shell);
    EXPECT_DOUBLE_EQ(s.TopHeadLevel, p.top);
}

INSTANTIATE_TEST_SUITE_P(Tank, VerticalSplitTest,
    testing::Values(Split { 0.5, 0.5, 0, 0 }, Split { 1, 1, 0, 0 }, Split { 2, 1, 1, 0 },
        Split { 3, 1, 2, 0 }, Split { 3.5, 1, 2, 0.5 }, Split { 4, 1, 2, 1 }));

TEST(Tank, EveryCheckResetsTheLevelSplitEvenWhenItFails)
{
    TankState s = Tank(kVertical, 2, 1, 1);
    s.LiquidHeight = 3.5;
    ASSERT_TRUE(CheckInputs(s, CalcMode::Volume));
    s.LiquidHeight = 5;
    EXPECT_FALSE(CheckInputs(s, CalcMode::Volume));
    EXPECT_EQ(s.BottomHeadLevel, 0.0);
    EXPECT_EQ(s.ShellLevel, 0.0);
    EXPECT_EQ(s.TopHeadLevel, 0.0);
    // Likewise when an entry is not finite.
    s.LiquidHeight = 3.5;
    ASSERT_TRUE(CheckInputs(s, CalcMode::Volume));
    s.FlowRate = kInf;
    EXPECT_FALSE(CheckInputs(s, CalcMode::Volume));
    EXPECT_EQ(s.BottomHeadLevel, 0.0);
    EXPECT_EQ(s.ShellLevel, 0.0);
    EXPECT_EQ(s.TopHeadLevel, 0.0);
}

double CheckedVolume(TankState s, double h)
{
    s.LiquidHeight = h;
    EXPECT_TRUE(CheckInputs(s, CalcMode::Volume));
    return CalcVolume(s);
}

TEST(Tank, WorkedExampleHalfFullFlatEndedHorizontalTank)
{
    const double v = CheckedVolume(Tank(kHorizontal, 1, 1, 0), 0.5);
    EXPECT_NEAR(v, 0.3927, 0.00005);
    EXPECT_NEAR(v * 1000, 392.6991, 0.00005);
}

TEST(Tank, HorizontalVolumes)
{
    const TankState s = Tank(kHorizontal, 2, 1.5, 0.3);
    const double full
        = std::numbers::pi / 3 * 1.5 * 1.5 * 0.3 + std::numbers::pi / 4 * 1.5 * 1.5 * 2;
    EXPECT_DOUBLE_EQ(CheckedVolume(s, 1.5), full);
    EXPECT_DOUBLE_EQ(FullVolume(s), full);
    EXPECT_DOUBLE_EQ(CheckedVolume(s, 0.75), full / 2);
    EXPECT_EQ(CheckedVolume(s, 0), 0.0);
    // Flat ends, a quarter of the diameter: the segment table's 0.25 entry.
    EXPECT_DOUBLE_EQ(
        CheckedVolume(Tank(kHorizontal, 5, 2, 0), 0.5), 4 * (std::numbers::pi / 4) * 5 * 0.195501);
}

TEST(Tank, VerticalVolumes)
{
    const double l = 2, d = 1.2, b = 0.4;
    const TankState s = Tank(kVertical, l, d, b);
    const double heads = std::numbers::pi / 3 * d * d * b;
    const double shell = std::numbers::pi / 4 * d * d * l;
    // Half the head's depth fills the heads' ellipsoid to a quarter of its height.
    EXPECT_DOUBLE_EQ(CheckedVolume(s, b / 2), heads * 0.15625);
    EXPECT_DOUBLE_EQ(CheckedVolume(s, b), heads / 2);
    EXPECT_DOUBLE_EQ(CheckedVolume(s, b + l / 2), heads / 2 + shell / 2);
    EXPECT_DOUBLE_EQ(CheckedVolume(s, 2 * b + l), heads + shell);
}

TEST(Tank, FullVerticalTankIsAcceptedAndHoldsTheFullVolume)
{
    TankState s = Tank(kVertical, 3, 2, 0.5);
    s.LiquidHeight = FullHeight(s);
    ASSERT_TRUE(CheckInputs(s, CalcMode::Volume));
    EXPECT_EQ(s.TopHeadLevel, 0.5);
    EXPECT_DOUBLE_EQ(CalcVolume(s), FullVolume(s));
    s.LiquidHeight = FullHeight(s) * (1 + 1e-12);
    EXPECT_FALSE(CheckInputs(s, CalcMode::Volume));
}

TEST(Tank, FullHeightTypedAsItsDecimalIsAcceptedDespiteRounding)
{
    // D = 0.7 m with H = 70 cm: the conversion gives 0.7000000000000001.
    TankState h = Tank(kHorizontal, 1, 0.7, 0.2);
    h.LiquidHeight = 70 * 0.01;
    ASSERT_GT(h.LiquidHeight, h.TankDiameter);
    ASSERT_TRUE(CheckInputs(h, CalcMode::Volume));
    EXPECT_DOUBLE_EQ(CalcVolume(h), FullVolume(h));

    // 2 * 0.1 + 0.7 is 0.8999999999999999: the typed full height 0.9 lies one
    // unit of the last place above the computed one and is still the full tank.
    TankState s = Tank(kVertical, 0.7, 1, 0.1);
    s.LiquidHeight = 0.9;
    ASSERT_LT(FullHeight(s), 0.9);
    ASSERT_TRUE(CheckInputs(s, CalcMode::Volume));
    EXPECT_DOUBLE_EQ(CalcVolume(s), FullVolume(s));
    // Likewise b = 2.3, L = 3.3, H = 7.9, in New Height mode.
    s = Tank(kVertical, 3.3, 1, 2.3);
    s.LiquidHeight = 7.9;
    ASSERT_LT(FullHeight(s), 7.9);
    EXPECT_TRUE(CheckInputs(s, CalcMode::NewHeight));
}

TEST(Tank, FlatEndedVerticalTankHoldsThePlainCylinder)
{
    const TankState s = Tank(kVertical, 3, 2, 0);
    for (double h : { 0.0, 0.7, 1.5, 3.0 }) {
        const double v = CheckedVolume(s, h);
        EXPECT_TRUE(std::isfinite(v));
        EXPECT_DOUBLE_EQ(v, std::numbers::pi / 4 * 4 * h) << "H = " << h;
    }
}

} // namespace

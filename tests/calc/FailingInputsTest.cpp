#include "calc/FailingInputs.h"

#include "TestTank.h"

#include <gtest/gtest.h>

#include <limits>

using namespace tankora;

namespace {

using Inputs = std::vector<TankInput>;
using enum TankInput;

struct BlameCase
{
    const char* name;
    int orientation;
    double l, d, b, h, v, q, t;
    CalcMode mode;
    Inputs blamed;
};

class FailingInputsTest : public testing::TestWithParam<BlameCase>
{ };

TEST_P(FailingInputsTest, BlamesTheEntriesThatBreakTheCheck)
{
    const BlameCase& c = GetParam();
    TankState s = Tank(c.orientation, c.l, c.d, c.b);
    s.LiquidHeight = c.h;
    s.LiquidVolume = c.v;
    s.FlowRate = c.q;
    s.FlowTime = c.t;
    EXPECT_EQ(FailingInputs(s, c.mode), c.blamed);
    // Blame exactly when the check fails.
    TankState checked = s;
    EXPECT_EQ(CheckInputs(checked, c.mode), c.blamed.empty());
}

constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr int H = kHorizontal;
constexpr int V = kVertical;
constexpr CalcMode kVol = CalcMode::Volume;
constexpr CalcMode kHeight = CalcMode::Height;
constexpr CalcMode kNew = CalcMode::NewHeight;

INSTANTIATE_TEST_SUITE_P(FailingInputs, FailingInputsTest,
    testing::Values(BlameCase { "Passes", H, 1, 1, 0, 0.5, 0, 0, 0, kVol, {} },
        BlameCase {
            "AllDimensionsZeroAtStartUp", H, 0, 0, 0, 0, 0, 0, 0, kVol, { Length, Diameter } },
        BlameCase { "NegativeHead", H, 1, 1, -0.1, 0.5, 0, 0, 0, kVol, { HeadDepth } },
        BlameCase { "HeightAboveALyingTank", H, 1, 1, 0, 1.5, 0, 0, 0, kVol, { Height } },
        BlameCase { "HeightAboveAStandingTank", V, 1, 1, 0.25, 1.6, 0, 0, 0, kNew, { Height } },
        BlameCase { "NegativeVolume", H, 1, 1, 0, 0, -1, 0, 0, kHeight, { Volume } },
        BlameCase { "NegativeTimeAndHeight", H, 1, 1, 0, -1, 0, 1, -1, kNew, { Height, Time } },
        BlameCase { "InfiniteFlow", H, 1, 1, 0, 0.5, 0, kInf, 1, kNew, { Flow } },
        BlameCase {
            "FlowOverTimeTooLargeToShow", H, 1, 1, 0, 0.5, 0, 1e200, 1e200, kNew, { Flow, Time } },
        BlameCase { "TankTooLargeToShow", H, 1e200, 1e200, 0, 0, 0, 0, 0, kVol,
            { Length, Diameter, HeadDepth } },
        // What the mode does not read is not blamed, and does not fail.
        BlameCase { "VolumeModeIgnoresANegativeTime", H, 1, 1, 0, 0.5, -1, 0, -1, kVol, {} },
        BlameCase {
            "HeightModeBlamesOnlyTheTank", H, -1, 1, 0, 0, 0.1, kInf, 0, kHeight, { Length } }),
    [](const auto& instance) { return std::string(instance.param.name); });

} // namespace

// Every head shape against volumes worked out independently: the slice
// integrals of HeadReference.h, and the published closed form of a whole
// torispherical head.
#include "HeadReference.h"

#include "calc/heads/Head.h"
#include "calc/heads/TorisphericalPresets.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <numbers>
#include <string>

using namespace tankora;
namespace ref = head_reference;

namespace {

constexpr double kDiameter = 2.0;

struct Case
{
    const char* name;
    HeadShape headShape;
    ref::Profile profile;
};

std::vector<Case> Cases()
{
    std::vector<Case> cases;
    for (const auto& preset : kTorisphericalPresets) {
        cases.push_back({ preset.name.data(), TorisphericalHeadShape(preset.crown, preset.knuckle),
            ref::Torispherical(kDiameter, preset.crown, preset.knuckle) });
    }
    cases.push_back({ "shallow_f3_k002", TorisphericalHeadShape(3, 0.02),
        ref::Torispherical(kDiameter, 3, 0.02) });
    cases.push_back({ "deep_f051_k006", TorisphericalHeadShape(0.51, 0.06),
        ref::Torispherical(kDiameter, 0.51, 0.06) });
    cases.push_back({ "wide_knuckle_f06_k045", TorisphericalHeadShape(0.6, 0.45),
        ref::Torispherical(kDiameter, 0.6, 0.45) });
    cases.push_back({ "cone_flat", ConicalHeadShape(0.3), ref::Conical(kDiameter, 0.3) });
    cases.push_back({ "cone_steep", ConicalHeadShape(2.5), ref::Conical(kDiameter, 2.5) });
    cases.push_back(
        { "ellipsoid_2to1", EllipsoidalHeadShape(0.5), ref::Ellipsoidal(kDiameter, 0.5) });
    return cases;
}

// Fractions of the range, with the ends, the axis and points a hair from them.
const double kFractions[] = { 1e-9, 1e-6, 1e-4, 0.003, 0.02, 0.1, 0.25, 0.4, 0.5 - 1e-9, 0.5,
    0.5 + 1e-9, 0.6, 0.77, 0.9, 0.99, 1 - 1e-6, 1 - 1e-9 };

TEST(Head, LyingVolumesMatchTheSliceIntegral)
{
    for (const Case& c : Cases()) {
        const Head head(c.headShape, kDiameter);
        for (double fraction : kFractions) {
            const double level = kDiameter * fraction;
            const double expected = static_cast<double>(ref::Lying(c.profile, level));
            EXPECT_NEAR(head.Lying(level) / expected, 1, 1e-11) << c.name << " level " << level;
        }
    }
}

TEST(Head, StandingVolumesMatchTheSliceIntegral)
{
    for (const Case& c : Cases()) {
        const Head head(c.headShape, kDiameter);
        EXPECT_NEAR(head.Depth(), static_cast<double>(c.profile.depth), 1e-15) << c.name;
        for (double fraction : kFractions) {
            const double fill = head.Depth() * fraction;
            const double expected = static_cast<double>(ref::Standing(c.profile, fill));
            EXPECT_NEAR(head.Standing(fill) / expected, 1, 1e-12) << c.name << " fill " << fill;
        }
        EXPECT_NEAR(
            head.Volume() / static_cast<double>(ref::Standing(c.profile, head.Depth())), 1, 1e-12)
            << c.name;
    }
}

// The whole torispherical head in closed form, as published for dished
// heads: with crown radius Rc, knuckle radius a, depth h and c = D/2 - a,
// V = pi/3 [2 h Rc^2 - (2a^2 + c^2 + 2a Rc)(Rc - h) + 3a^2 c asin((Rc - h)/(Rc - a))].
TEST(Head, TorisphericalVolumeIsThePublishedClosedForm)
{
    for (const auto& preset : kTorisphericalPresets) {
        const double d = 3.3;
        const Head head(TorisphericalHeadShape(preset.crown, preset.knuckle), d);
        const double rc = preset.crown * d, a = preset.knuckle * d, h = head.Depth();
        const double c = d / 2 - a;
        const double expected = std::numbers::pi / 3
            * (2 * h * rc * rc - (2 * a * a + c * c + 2 * a * rc) * (rc - h)
                + 3 * a * a * c * std::asin((rc - h) / (rc - a)));
        EXPECT_NEAR(head.Volume() / expected, 1, 1e-13) << preset.name;
        // Lying full and standing full are the same head.
        EXPECT_EQ(head.Lying(d), head.Volume());
        EXPECT_NEAR(head.Lying(d / 2) / head.Volume(), 0.5, 1e-14) << preset.name;
    }
}

// The depths the README gives, D - sqrt((f - k)^2 - (1/2 - k)^2) D for the
// presets, written down to six digits.
TEST(Head, PresetDepthsAreTheOnesTheReadmeStates)
{
    const struct
    {
        const char* name;
        double depthOverD;
    } expected[] = { { "asme-fd", 0.169338 }, { "80-10", 0.225544 }, { "80-6", 0.205021 },
        { "din28011", 0.193774 }, { "din28013", 0.254473 } };
    for (const auto& e : expected) {
        const auto headShape = TorisphericalPresetShape(e.name);
        ASSERT_TRUE(headShape) << e.name;
        EXPECT_NEAR(Head(*headShape, 1.7).Depth() / 1.7, e.depthOverD, 5e-7) << e.name;
    }
    EXPECT_FALSE(TorisphericalPresetShape("asme"));
}

// No step where the formula changes: at the crown's rim, the knuckle's
// seam, the axis (where the lying volume switches to its empty part), a
// cone's apex, and the ends themselves.
TEST(Head, VolumesAreContinuousAcrossEverySeam)
{
    for (const Case& c : Cases()) {
        const Head head(c.headShape, kDiameter);
        const double v = head.Volume();
        std::vector<double> fills { 0, head.Depth() };
        for (const long double x : c.profile.breaks)
            fills.push_back(head.Depth() - static_cast<double>(x));
        for (double fill : fills) {
            const double below = head.Standing(fill * (1 - 1e-13) - 1e-300);
            const double above = head.Standing(fill * (1 + 1e-13) + 1e-300);
            EXPECT_LE(below, above) << c.name << " fill " << fill;
            EXPECT_NEAR(below, above, 1e-11 * v) << c.name << " fill " << fill;
        }
        // Lying: the axis, and the level where the wet edge leaves the crown.
        std::vector<double> levels { kDiameter / 2 };
        for (const long double x : c.profile.breaks)
            levels.push_back(kDiameter / 2 - static_cast<double>(c.profile.r(x)));
        for (double level : levels) {
            const double below = head.Lying(level * (1 - 1e-13));
            const double above = head.Lying(level * (1 + 1e-13));
            EXPECT_LE(below, above) << c.name << " level " << level;
            EXPECT_NEAR(below, above, 1e-11 * v) << c.name << " level " << level;
        }
    }
}

// A level or fill a rounding outside the range (-2.2e-16, D + 2.2e-16) is
// the empty or full head, never a formula evaluated outside its domain.
TEST(Head, HeightsJustOutsideTheRangeAreEmptyOrFull)
{
    constexpr double kTiny = std::numeric_limits<double>::epsilon();
    for (const Case& c : Cases()) {
        const Head head(c.headShape, kDiameter);
        EXPECT_EQ(head.Lying(-kTiny), 0.0) << c.name;
        EXPECT_EQ(head.Lying(0), 0.0) << c.name;
        EXPECT_EQ(head.Lying(kDiameter * (1 + kTiny)), head.Volume()) << c.name;
        EXPECT_EQ(head.Standing(-kTiny), 0.0) << c.name;
        EXPECT_EQ(head.Standing(head.Depth() * (1 + kTiny)), head.Volume()) << c.name;
        EXPECT_TRUE(std::isfinite(head.LyingSlope(-kTiny))) << c.name;
        EXPECT_TRUE(std::isfinite(head.StandingSlope(head.Depth() + kTiny))) << c.name;
    }
}

TEST(HeadShape, TorisphericalNumbersThatMakeNoHeadAreNamed)
{
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    for (auto [f, k] : { std::pair { 1.0, 0.0 }, { 1.0, 0.5 }, { 1.0, -0.1 }, { 0.49, 0.1 },
             { inf, 0.1 }, { nan, 0.1 }, { 1.0, nan } }) {
        EXPECT_NE(HeadShapeProblem(TorisphericalHeadShape(f, k)), "") << f << ' ' << k;
    }
    EXPECT_NE(HeadShapeProblem(ConicalHeadShape(-1)), "");
    EXPECT_NE(HeadShapeProblem(EllipsoidalHeadShape(inf)), "");
    EXPECT_EQ(HeadShapeProblem(TorisphericalHeadShape(0.5, 0.499)), "");
    EXPECT_EQ(EllipsoidalHeadShape(0), FlatHeadShape());
    EXPECT_EQ(ConicalHeadShape(0), FlatHeadShape());
}

// f = 1/2 leaves the knuckle no room: the crown is a hemisphere of radius R.
TEST(Head, SmallestCrownIsAHemisphere)
{
    const Head head(TorisphericalHeadShape(0.5, 0.2), 2);
    EXPECT_DOUBLE_EQ(head.Depth(), 1);
    EXPECT_NEAR(head.Volume(), 2 * std::numbers::pi / 3, 1e-15);
    // Lying, a hemisphere cut at half its radius: pi h^2 (3R - h)/6 for h = 1/2.
    EXPECT_NEAR(head.Lying(0.5), std::numbers::pi * 0.25 * 2.5 / 6, 1e-15);
}

} // namespace

// The kept fits of the lying torispherical volume against the quadrature
// they stand in for (itself checked against the slice integral in
// HeadTest.cpp), level by level, the way a gauge table or a chart asks.
#include "HeadReference.h"

#include "calc/heads/Head.h"
#include "calc/heads/TorisphericalHead.h"
#include "calc/heads/TorisphericalLyingTable_p.h"
#include "calc/heads/TorisphericalPresets.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

using namespace tankora;
namespace ref = head_reference;

namespace {

struct Ratios
{
    double crown;
    double knuckle;
};

std::vector<Ratios> Shapes()
{
    std::vector<Ratios> shapes;
    for (const auto& preset : kTorisphericalPresets)
        shapes.push_back({ preset.crown, preset.knuckle });
    for (Ratios extra : { Ratios { 3, 0.02 }, { 0.51, 0.06 }, { 0.6, 0.45 }, { 0.5, 0.2 },
             { 10, 0.01 }, { 0.7, 0.01 } })
        shapes.push_back(extra);
    return shapes;
}

// The levels an engineer reads, the ends approached to a millionth of a
// millionth, and a hair either side of the crown's rim, where the two fits meet.
std::vector<double> Levels(double diameter, double rimLevel)
{
    std::vector<double> levels;
    for (int i = 1; i <= 2000; ++i)
        levels.push_back(diameter / 2 * i / 2000.0);
    for (double e = 1e-12; e < 0.1; e *= 7)
        levels.push_back(diameter * e);
    for (double hair : { -1e-9, -1e-13, 0.0, 1e-13, 1e-9 })
        levels.push_back(rimLevel * diameter * (1 + hair));
    return levels;
}

TEST(TorisphericalLyingTable, AgreesWithTheQuadratureAtEveryLevel)
{
    for (const Ratios shape : Shapes()) {
        const double d = 2.7;
        const TorisphericalHead head(d / 2, shape.crown, shape.knuckle);
        const double rim = shape.knuckle * (shape.crown - 0.5) / (shape.crown - shape.knuckle);
        for (double level : Levels(d, rim)) {
            if (!(level > 0))
                continue;
            EXPECT_NEAR(head.LyingLower(level) / head.LyingLowerIntegral(level), 1, 5e-14)
                << shape.crown << '/' << shape.knuckle << " at " << level;
            // The slope aims the height solver's steps: close is enough.
            EXPECT_NEAR(head.LyingLowerSlope(level) / head.LyingLowerSlopeIntegral(level), 1, 1e-7)
                << shape.crown << '/' << shape.knuckle << " slope at " << level;
        }
    }
}

// Every preset gets a table: without one, each lying volume would silently
// cost the quadrature's twenty slices again.
TEST(TorisphericalLyingTable, EveryPresetIsKept)
{
    for (const auto& preset : kTorisphericalPresets) {
        const double f = preset.crown;
        const double k = preset.knuckle;
        EXPECT_NE(TorisphericalLyingTable::For(f, k,
                      [f, k](double level) {
                          return TorisphericalHead(0.5, f, k).LyingLowerIntegral(level);
                      }),
            nullptr)
            << preset.name;
    }
}

// A crown a little wider than a hemisphere squeezes the knuckle into a
// near corner no fit of the budget reaches: the head integrates directly
// and is still right.
TEST(TorisphericalLyingTable, ANearCornerIsIntegratedDirectly)
{
    const double f = 0.501;
    const double k = 0.2;
    const auto unit
        = [f, k](double level) { return TorisphericalHead(0.5, f, k).LyingLowerIntegral(level); };
    EXPECT_FALSE(TorisphericalLyingTable::Build(f, k, unit));

    const double d = 2;
    const Head head(TorisphericalHeadShape(f, k), d);
    const auto profile = ref::Torispherical(d, f, k);
    for (double fraction : { 1e-6, 0.1, 0.3, 0.5, 0.8 }) {
        const double level = d * fraction;
        EXPECT_NEAR(head.Lying(level) / static_cast<double>(ref::Lying(profile, level)), 1, 1e-11)
            << fraction;
    }
}

} // namespace

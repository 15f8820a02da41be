// The closed-form method against volumes written down from the geometry of
// the tank, evaluated independently in long double:
//  - horizontal, R = D/2: the shell holds L times the circular segment below
//    the chord at height H, R^2 acos((R - H)/R) - (R - H) sqrt(H (D - H)), and
//    the heads' ellipsoid (semi-axes R, R, b) cut at height H holds
//    pi b H^2 (3R - H) / (3R) (integrating its elliptical slices);
//  - vertical: the bottom head filled to H <= b holds pi R^2 H^2 (3b - H)/(3b^2),
//    the shell pi R^2 per metre, the top head filled to depth g above its seam
//    pi R^2 (g - g^3/(3b^2)).
#include "calc/ExactGeometry_p.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>
#include <string>
#include <vector>

using namespace tankora;

namespace {

constexpr long double kPi = std::numbers::pi_v<long double>;

struct Shape
{
    const char* name;
    int orientation;
    double length, diameter, head;
};

TankState TankOf(const Shape& shape)
{
    TankState t;
    t.Orientation = shape.orientation;
    t.TankLength = shape.length;
    t.TankDiameter = shape.diameter;
    t.HeadDepth = shape.head;
    return t;
}

// The circular segment of radius r below a chord at height h. Near the bottom
// the textbook difference cancels, so below h = r/1000 the integral of the
// chord width 2 sqrt(2 r y - y^2) is expanded in u = h/r instead:
// (4/3) sqrt(2r) h^1.5 (1 - 3u/20 - 3u^2/224 - u^3/384), the next term being
// below 1e-15 relative there.
long double SegmentArea(long double r, long double h)
{
    if (h < r / 1000) {
        const long double u = h / r;
        return 4.0L / 3 * std::sqrt(2 * r) * std::pow(h, 1.5L)
            * (1 - 3 * u / 20 - 3 * u * u / 224 - u * u * u / 384);
    }
    return r * r * std::acos((r - h) / r) - (r - h) * std::sqrt(h * (2 * r - h));
}

long double ReferenceVolume(const Shape& s, long double h)
{
    const long double r = s.diameter / 2.0L;
    const long double b = s.head;
    const long double l = s.length;
    if (s.orientation == kHorizontal)
        return l * SegmentArea(r, h) + kPi * b * h * h * (3 * r - h) / (3 * r);
    const long double area = kPi * r * r;
    if (h <= b)
        return b == 0 ? 0.0L : area * h * h * (3 * b - h) / (3 * b * b);
    const long double headHalf = 2.0L / 3 * area * b;
    if (h <= b + l)
        return headHalf + area * (h - b);
    const long double g = h - b - l;
    return headHalf + area * l + area * (g - g * g * g / (3 * b * b));
}

const Shape kShapes[] = {
    { "horizontal_2to1_heads", kHorizontal, 5, 2, 0.5 },
    { "horizontal_flat_ends", kHorizontal, 5, 2, 0 },
    { "horizontal_hemispherical_heads", kHorizontal, 5, 2, 1 },
    { "horizontal_long_thin", kHorizontal, 40, 0.3, 0.05 },
    { "vertical_2to1_heads", kVertical, 3, 2, 0.5 },
    { "vertical_flat_ends", kVertical, 3, 2, 0 },
    { "vertical_hemispherical_heads", kVertical, 3, 2, 1 },
    { "vertical_short_wide", kVertical, 0.4, 12, 3 },
};

// Fractions of the full height, empty to full.
const double kLevels[] = { 0, 1e-6, 1e-4, 0.001, 0.002, 0.01, 0.05, 0.1, 0.2, 0.25, 1.0 / 3, 0.5,
    0.6, 0.75, 0.9, 0.95, 0.99, 0.999, 0.99999, 1 };

double FullHeightOf(const Shape& s)
{
    return s.orientation == kHorizontal ? s.diameter : 2 * s.head + s.length;
}

// dV/dH from the same geometry: the chord width times L plus the heads'
// slice (horizontal); the bottom or top head's slice, or the shell's
// cross-section (vertical).
long double ReferenceSlope(const Shape& s, long double h)
{
    const long double r = s.diameter / 2.0L;
    const long double b = s.head;
    if (s.orientation == kHorizontal)
        return 2 * s.length * std::sqrt(h * (2 * r - h)) + kPi * b * h * (2 * r - h) / r;
    const long double y = std::min(h, FullHeightOf(s) - h);
    return y >= b ? kPi * r * r : kPi * r * r * y * (2 * b - y) / (b * b);
}

class ExactGeometryTest : public testing::TestWithParam<Shape>
{ };

TEST_P(ExactGeometryTest, VolumeMatchesTheClosedFormFromEmptyToFull)
{
    const Shape& shape = GetParam();
    const TankState tank = TankOf(shape);
    const long double full = ReferenceVolume(shape, FullHeightOf(shape));
    for (double level : kLevels) {
        const double height = FullHeightOf(shape) * level;
        const long double expected = ReferenceVolume(shape, height);
        const double actual = ExactVolumeAt(tank, height);
        if (expected == 0) {
            EXPECT_EQ(actual, 0.0) << "level " << level;
            continue;
        }
        EXPECT_NEAR(static_cast<double>(actual / expected), 1.0, 1e-12) << "level " << level;
        EXPECT_LE(actual, full * (1 + 1e-15L)) << "level " << level;
    }
}

// Near the top the volume hardly changes with the height, so rounding the
// volume to a double alone moves the height by up to 2 eps V / (dV/dH) (a few
// parts in 10^12 at 0.99999 of the height); the
// solver must come within 1e-12 relative on top of that. The full tank
// itself (dV/dH = 0 in a horizontal tank) is FullVolume -> FullHeight.
TEST_P(ExactGeometryTest, HeightInvertsTheClosedFormFromEmptyToFull)
{
    const Shape& shape = GetParam();
    const TankState tank = TankOf(shape);
    const double fullVolume = FullVolume(tank);
    for (double level : kLevels) {
        const double height = FullHeightOf(shape) * level;
        const double volume = level == 1 ? fullVolume : double(ReferenceVolume(shape, height));
        const double solved = ExactHeightFor(tank, volume);
        if (height == 0 || level == 1) {
            EXPECT_EQ(solved, height) << "level " << level;
            continue;
        }
        const double rounding = 2 * std::numeric_limits<double>::epsilon() * volume
            / double(ReferenceSlope(shape, height));
        EXPECT_NEAR(solved, height, 1e-12 * height + rounding) << "level " << level;
        EXPECT_LT(rounding, 1e-9 * height) << "level " << level;
    }
}

TEST_P(ExactGeometryTest, SolvedHeightHoldsTheVolumeToTheLastBits)
{
    const TankState tank = TankOf(GetParam());
    const double full = FullVolume(tank);
    for (double share : { 1e-9, 3e-5, 0.0123, 0.31, 0.5, 0.77, 0.999, 0.9999999 }) {
        const double volume = full * share;
        const double height = ExactHeightFor(tank, volume);
        EXPECT_NEAR(ExactVolumeAt(tank, height), volume,
            8 * std::numeric_limits<double>::epsilon() * volume)
            << "share " << share;
    }
}

INSTANTIATE_TEST_SUITE_P(Shapes, ExactGeometryTest, testing::ValuesIn(kShapes),
    [](const auto& instance) { return std::string(instance.param.name); });

TEST(ExactGeometry, HalfTheHeightHoldsHalfTheVolume)
{
    // Both tanks are symmetric about their middle.
    for (const Shape& shape : kShapes) {
        const TankState tank = TankOf(shape);
        EXPECT_NEAR(ExactVolumeAt(tank, FullHeight(tank) / 2) / FullVolume(tank), 0.5, 1e-15)
            << shape.name;
        EXPECT_NEAR(ExactHeightFor(tank, FullVolume(tank) / 2) / FullHeight(tank), 0.5, 1e-15)
            << shape.name;
    }
}

TEST(ExactGeometry, HandValuesOfSimpleTanks)
{
    // Horizontal, D = 2, L = 5, hemispherical heads (b = 1), filled to H = 1/2:
    // the circular segment at R = 1, H = 1/2 is pi/3 - sqrt(3)/4, the
    // spherical cap pi H^2 (3R - H)/3 = 5 pi/24.
    TankState sphereEnds;
    sphereEnds.TankLength = 5;
    sphereEnds.TankDiameter = 2;
    sphereEnds.HeadDepth = 1;
    const double expected
        = 5 * (std::numbers::pi / 3 - std::sqrt(3.0) / 4) + 5 * std::numbers::pi / 24;
    EXPECT_NEAR(ExactVolumeAt(sphereEnds, 0.5), expected, 1e-14);

    // Vertical, D = 2, b = 0.5, L = 3 at H = 0.25: pi * 0.0625 * 1.25 / 0.75 = 5 pi / 48.
    TankState upright;
    upright.Orientation = kVertical;
    upright.TankLength = 3;
    upright.TankDiameter = 2;
    upright.HeadDepth = 0.5;
    EXPECT_NEAR(ExactVolumeAt(upright, 0.25), 5 * std::numbers::pi / 48, 1e-15);
    // Full: (pi/3) D^2 b + (pi/4) D^2 L = 2 pi / 3 + 3 pi.
    EXPECT_NEAR(ExactVolumeAt(upright, 4), 11 * std::numbers::pi / 3, 1e-14);
}

TEST(ExactGeometry, OutsideTheTankTheVolumeAndHeightStopAtItsEnds)
{
    TankState tank;
    tank.TankLength = 2;
    tank.TankDiameter = 1;
    tank.HeadDepth = 0.25;
    EXPECT_EQ(ExactVolumeAt(tank, -1), 0.0);
    EXPECT_EQ(ExactVolumeAt(tank, 1.5), FullVolume(tank));
    EXPECT_EQ(ExactHeightFor(tank, -1), 0.0);
    EXPECT_EQ(ExactHeightFor(tank, 0), 0.0);
    EXPECT_EQ(ExactHeightFor(tank, FullVolume(tank)), 1.0);
    EXPECT_EQ(ExactHeightFor(tank, 2 * FullVolume(tank)), 1.0);
    EXPECT_EQ(ExactHeightFor(tank, std::nan("")), 0.0);
}

} // namespace

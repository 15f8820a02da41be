#include "calc/ExactGeometry.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>

namespace tankora {
namespace {

constexpr double kPi = std::numbers::pi;
constexpr double kEpsilon = std::numeric_limits<double>::epsilon();

// Enough halvings to cross the whole double range; Newton steps need far fewer.
constexpr int kMaxSolverSteps = 1100;

// x - sin x for 0 <= x <= pi. Below 1 the difference of two nearly equal
// numbers would lose up to all digits near 0, so the Taylor series
// x^3/3! - x^5/5! + ... is summed instead.
double XMinusSinX(double x)
{
    if (x >= 1)
        return x - std::sin(x);
    const double xx = x * x;
    double term = x * xx / 6;
    double sum = term;
    for (int power = 3; power < 60; power += 2) {
        term *= -xx / ((power + 1) * (power + 2));
        sum += term;
        if (std::fabs(term) <= kEpsilon * sum)
            break;
    }
    return sum;
}

// The area of a circle of diameter d below a chord at height h (0 <= h <= d/2).
// With the central angle t = 4 asin(sqrt(h/d)), the segment is (d^2/8)(t - sin t).
double LowerSegmentArea(double d, double h)
{
    const double angle = 4 * std::asin(std::sqrt(h / d));
    return d * d / 8 * XMinusSinX(angle);
}

// The volume of an ellipsoid of revolution filled to depth h measured along
// one of its axes, whose length is `axis` (0 <= h <= axis/2): the cross-section
// shrinks as 1 - (distance from centre / half axis)^2, and integrating gives
// the full ellipsoid's volume times (h/axis)^2 (3 - 2h/axis).
double EllipsoidCap(double fullEllipsoid, double axis, double h)
{
    const double level = h / axis;
    return fullEllipsoid * level * level * (3 - 2 * level);
}

// Horizontal tank filled to h <= D/2: the shell's segment prism plus the cap
// of the heads' ellipsoid, which stands D high.
double HorizontalLowerVolume(const TankState& t, double h)
{
    return t.TankLength * LowerSegmentArea(t.TankDiameter, h)
        + EllipsoidCap(HeadsVolume(t), t.TankDiameter, h);
}

// Vertical tank filled to h <= b: the bottom head only; the heads' ellipsoid
// stands 2b high.
double VerticalLowerVolume(const TankState& t, double h)
{
    if (t.HeadDepth == 0)
        return CrossSectionArea(t) * h;
    if (h <= t.HeadDepth)
        return EllipsoidCap(HeadsVolume(t), 2 * t.HeadDepth, h);
    return HeadsVolume(t) / 2 + CrossSectionArea(t) * (h - t.HeadDepth);
}

// dV/dH, used only to aim the solver's steps.
double VolumeSlope(const TankState& t, double height)
{
    const double d = t.TankDiameter;
    if (t.Orientation == kHorizontal) {
        const double wetted = std::max(0.0, height * (d - height));
        return 2 * t.TankLength * std::sqrt(wetted) + kPi * t.HeadDepth * wetted / (d / 2);
    }
    const double b = t.HeadDepth;
    const double fromNearerEnd = std::min(height, FullHeight(t) - height);
    if (b == 0 || fromNearerEnd >= b)
        return CrossSectionArea(t);
    const double y = std::max(0.0, fromNearerEnd);
    return CrossSectionArea(t) * y * (2 * b - y) / (b * b);
}

} // namespace

double ExactVolumeAt(const TankState& tank, double height)
{
    const double full = FullHeight(tank);
    if (!(height > 0))
        return 0.0;
    if (height >= full)
        return FullVolume(tank);
    // The tank is symmetric about its middle: above half, the empty part
    // below the top is computed as accurately as the filled part below it.
    const bool horizontal = tank.Orientation == kHorizontal;
    const auto lower = [&tank, horizontal](double h) {
        return horizontal ? HorizontalLowerVolume(tank, h) : VerticalLowerVolume(tank, h);
    };
    if (height <= full / 2)
        return lower(height);
    return FullVolume(tank) - lower(full - height);
}

double ExactHeightFor(const TankState& tank, double volume)
{
    const double fullVolume = FullVolume(tank);
    const double fullHeight = FullHeight(tank);
    if (!(volume > 0))
        return 0.0;
    if (volume >= fullVolume)
        return fullHeight;

    double low = 0;
    double high = fullHeight;
    double height = fullHeight * (volume / fullVolume);
    for (int step = 0; step < kMaxSolverSteps; ++step) {
        const double excess = ExactVolumeAt(tank, height) - volume;
        if (excess == 0)
            return height;
        (excess < 0 ? low : high) = height;
        if (high - low <= 2 * kEpsilon * high)
            break;
        const double slope = VolumeSlope(tank, height);
        double next = slope > 0 ? height - excess / slope : low;
        if (!(next > low && next < high))
            next = low + (high - low) / 2;
        if (std::fabs(next - height) <= kEpsilon * height)
            return next;
        height = next;
    }
    return low + (high - low) / 2;
}

} // namespace tankora

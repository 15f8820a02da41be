#include "calc/heads/CircleSegment_p.h"

#include <cmath>
#include <limits>
#include <numbers>

namespace tankora {

double XMinusSinX(double x)
{
    if (x >= 1)
        return x - std::sin(x);
    // Below 1 the Taylor series x^3/3! - x^5/5! + ... keeps every digit.
    constexpr double kEpsilon = std::numeric_limits<double>::epsilon();
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

double SegmentAreaBelow(double radius, double height)
{
    if (!(height > 0))
        return 0.0;
    if (height >= 2 * radius)
        return std::numbers::pi * radius * radius;
    // Central angle t = 4 asin(sqrt(height / diameter)); area (r^2/2)(t - sin t).
    const double angle = 4 * std::asin(std::sqrt(height / (2 * radius)));
    return radius * radius / 2 * XMinusSinX(angle);
}

} // namespace tankora

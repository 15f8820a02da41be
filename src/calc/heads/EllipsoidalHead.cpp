#include "calc/heads/EllipsoidalHead.h"

#include <numbers>

namespace tankora {

EllipsoidalHead::EllipsoidalHead(double radius, double depth)
    : m_radius(radius)
    , m_depth(depth)
{ }

double EllipsoidalHead::Volume() const
{
    return 2.0 / 3 * std::numbers::pi * m_radius * m_radius * m_depth;
}

// Lying, every slice across the axis is the same ellipse scaled, so the
// filled fraction is that of a sphere cut at the same relative height:
// x^2 (3 - 2x) with x = h / D.
double EllipsoidalHead::LyingLower(double h) const
{
    const double x = h / (2 * m_radius);
    return Volume() * x * x * (3 - 2 * x);
}

double EllipsoidalHead::LyingLowerSlope(double h) const
{
    return std::numbers::pi * m_depth * h * (2 * m_radius - h) / (2 * m_radius);
}

// pi R^2 u^2 (3b - u) / (3 b^2): the slices pi R^2 (1 - ((b - u)/b)^2) summed.
double EllipsoidalHead::Standing(double u) const
{
    const double b = m_depth;
    return std::numbers::pi * m_radius * m_radius * u * u * (3 * b - u) / (3 * b * b);
}

double EllipsoidalHead::StandingSlope(double u) const
{
    const double b = m_depth;
    return std::numbers::pi * m_radius * m_radius * u * (2 * b - u) / (b * b);
}

} // namespace tankora

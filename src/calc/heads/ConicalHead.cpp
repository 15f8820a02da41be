#include "calc/heads/ConicalHead.h"

#include <array>
#include <cmath>
#include <numbers>

namespace tankora {
namespace {

// Lying, the slice at radius r (r = R (1 - x/a)) holds the circular segment
// below the plane c = R - h under the axis. Integrating over r from c to R,
//   V = (a/R) [ (r^3/3) acos(c/r) - (2c/3) r sqrt(r^2 - c^2)
//               + (c^3/3) ln(r + sqrt(r^2 - c^2)) ] from c to R
//     = (a R^2 / 3) g(t),   cos t = c/R,
//   g(t) = t - 2 cos t sin t + cos^3 t atanh(sin t).
// g starts as 2t^5/5: below t = 0.3 its Taylor series (to t^23, the next
// term under 1e-17 of the sum) replaces the difference, which would cancel.
constexpr std::array<double, 10> kSeries = { 2.0 / 5, -2.0 / 15, 2.0 / 105, -8.0 / 4725,
    188.0 / 2027025, -398.0 / 70945875, -134.0 / 723647925, -2864.0 / 32564156625,
    -488116.0 / 21655164155625, -900716.0 / 142924083427125 };
constexpr double kSeriesBelow = 0.3;

double LyingShape(double t, double cosT, double sinT)
{
    if (t < kSeriesBelow) {
        const double tt = t * t;
        double sum = 0;
        for (auto c = kSeries.rbegin(); c != kSeries.rend(); ++c)
            sum = sum * tt + *c;
        return sum * tt * tt * t;
    }
    // cos^3 t atanh(sin t) = cos^3 t ln((1 + sin t)/cos t), 0 at cos t = 0.
    const double tail = cosT > 0 ? cosT * cosT * cosT * std::log((1 + sinT) / cosT) : 0.0;
    return t - 2 * cosT * sinT + tail;
}

} // namespace

ConicalHead::ConicalHead(double radius, double apexDepth)
    : m_radius(radius)
    , m_depth(apexDepth)
{ }

double ConicalHead::Volume() const
{
    return std::numbers::pi / 3 * m_radius * m_radius * m_depth;
}

double ConicalHead::LyingLower(double h) const
{
    const double r = m_radius;
    // t from h directly (1 - cos t = h/R keeps h's digits near empty).
    const double t = 2 * std::asin(std::sqrt(h / (2 * r)));
    const double cosT = (r - h) / r;
    const double sinT = std::sqrt(h * (2 * r - h)) / r;
    return m_depth * r * r / 3 * LyingShape(t, cosT, sinT);
}

// dV/dh: the liquid surface inside the cone, (a/R) times the integral of the
// chord 2 sqrt(r^2 - c^2) over r: a R (sin t - cos^2 t atanh(sin t)).
double ConicalHead::LyingLowerSlope(double h) const
{
    const double r = m_radius;
    const double cosT = (r - h) / r;
    const double sinT = std::sqrt(h * (2 * r - h)) / r;
    const double tail = cosT > 0 ? cosT * cosT * std::log((1 + sinT) / cosT) : 0.0;
    return m_depth * r * (sinT - tail);
}

double ConicalHead::Standing(double u) const
{
    return std::numbers::pi / 3 * m_radius * m_radius * u * u * u / (m_depth * m_depth);
}

double ConicalHead::StandingSlope(double u) const
{
    const double radius = m_radius * u / m_depth;
    return std::numbers::pi * radius * radius;
}

} // namespace tankora

#include "calc/heads/TorisphericalHead.h"

#include "calc/heads/CircleSegment_p.h"
#include "calc/heads/GaussLegendre_p.h"
#include "calc/heads/TorisphericalLyingTable_p.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace tankora {
namespace {

constexpr double kPi = std::numbers::pi;

// The slice integrands of a lying head below the plane c under the axis: a
// slice of radius r = c + d holds the segment of depth d; its liquid surface
// is the chord 2 sqrt(r^2 - c^2) = 2 sqrt(d (2c + d)).
struct SegmentSlice
{
    double operator()(double c, double d) const { return SegmentAreaBelow(c + d, d); }
};

struct ChordSlice
{
    double operator()(double c, double d) const { return 2 * std::sqrt(d * (2 * c + d)); }
};

} // namespace

TorisphericalHead::TorisphericalHead(double radius, double crown, double knuckle)
    : m_crownRatio(crown)
    , m_knuckleRatio(knuckle)
    , m_radius(radius)
    , m_crown(crown * 2 * radius)
    , m_knuckle(knuckle * 2 * radius)
{
    const double rc = m_crown;
    const double rk = m_knuckle;
    // (Rc - rk)^2 - (R - rk)^2 as a product, exact to rounding for f near 0.5.
    m_centreDistance = std::sqrt((rc - radius) * (rc + radius - 2 * rk));
    m_depth = rc - m_centreDistance;
    m_rimX = rk * m_centreDistance / (rc - rk);
    m_rimRadius = radius - rk + rk * (radius - rk) / (rc - rk);
}

// Radius of the head at x from the seam (0 <= x <= depth).
double TorisphericalHead::RadiusAt(double x) const
{
    if (x <= m_rimX) {
        const double rk = m_knuckle;
        return m_radius - rk + std::sqrt(std::max(0.0, (rk - x) * (rk + x)));
    }
    const double fromCentre = x + m_centreDistance;
    return std::sqrt(std::max(0.0, (m_crown - fromCentre) * (m_crown + fromCentre)));
}

// The knuckle between x1 and the rim: the integral of pi r(x)^2 with
// r = (R - rk) + sqrt(rk^2 - x^2), G(x) = x sqrt(rk^2 - x^2) + rk^2 asin(x/rk).
double TorisphericalHead::KnuckleSlab(double x1) const
{
    const double rk = m_knuckle;
    const double inner = m_radius - rk;
    const double xt = m_rimX;
    const auto g = [rk](double x) {
        return x * std::sqrt((rk - x) * (rk + x)) + rk * rk * std::asin(x / rk);
    };
    return kPi
        * ((inner * inner + rk * rk) * (xt - x1) - (xt * xt * xt - x1 * x1 * x1) / 3
            + inner * (g(xt) - g(x1)));
}

double TorisphericalHead::Volume() const
{
    return Standing(m_depth);
}

// Standing apex down, filled u above the apex: the crown is a spherical cap
// pi u^2 (3 Rc - u) / 3 up to its rim, the knuckle a slab above it.
double TorisphericalHead::Standing(double u) const
{
    const double crownHeight = m_depth - m_rimX;
    const double cap = std::min(u, crownHeight);
    const double crownPart = kPi * cap * cap * (3 * m_crown - cap) / 3;
    if (u <= crownHeight)
        return crownPart;
    return crownPart + KnuckleSlab(std::clamp(m_depth - u, 0.0, m_rimX));
}

double TorisphericalHead::StandingSlope(double u) const
{
    const double r = RadiusAt(std::clamp(m_depth - u, 0.0, m_depth));
    return kPi * r * r;
}

// Lying, filled to h <= R: the slices wet below the plane c = R - h are
// summed separately over the crown and the knuckle.
//  - Crown, r = Rc cos(beta), x + centre distance = Rc sin(beta), wet from
//    its rim angle to beta* where r = c. With beta = beta* - p^2 the segment,
//    which grows as (r - c)^(3/2), becomes smooth in p.
//  - Knuckle, wet from r = max(c, rt) to the seam r = R. With r - c = q^2
//    the segment is smooth in q; dx/dr grows as 1/sqrt(R - r) at the seam,
//    which q = qlo + (qhi - qlo) s (2 - s) cancels.
template <typename Slice>
double TorisphericalHead::LyingIntegral(double h, const Slice& slice) const
{
    if (!(h > 0))
        return 0.0;
    const GaussRule& rule = GaussLegendreRule();
    const double r = m_radius;
    const double rc = m_crown;
    const double rk = m_knuckle;
    const double c = r - h;
    double sum = 0;

    if (c < m_rimRadius) {
        // Angles from their sines and cosines, so that nothing near pi/2 or
        // near the rim loses digits to a difference of arcsines.
        const double sinWet = std::sqrt(((rc - r) + h) * (rc + c)) / rc;
        const double cosWet = c / rc;
        const double sinRim = m_centreDistance / (rc - rk);
        const double cosRim = m_rimRadius / rc;
        const double wetAngle = std::atan2(sinWet, cosWet);
        const double span = std::max(
            0.0, std::atan2(sinWet * cosRim - cosWet * sinRim, cosWet * cosRim + sinWet * sinRim));
        const double pMax = std::sqrt(span);
        double crown = 0;
        for (std::size_t i = 0; i < rule.nodes.size(); ++i) {
            const double p = pMax * rule.nodes[i];
            const double beta = wetAngle - p * p;
            const double d = 2 * rc * std::sin((beta + wetAngle) / 2) * std::sin(p * p / 2);
            crown += rule.weights[i] * slice(c, d) * rc * std::cos(beta) * 2 * p;
        }
        sum += crown * pMax;
    }

    if (m_rimRadius < r) {
        const double qLow = c < m_rimRadius ? std::sqrt(m_rimRadius - c) : 0.0;
        const double qHigh = std::sqrt(h);
        const double width = qHigh - qLow;
        double knuckle = 0;
        for (std::size_t i = 0; i < rule.nodes.size(); ++i) {
            const double s = rule.nodes[i];
            const double q = qLow + width * s * (2 - s);
            const double dqds = 2 * width * (1 - s);
            // R - r = qHigh^2 - q^2, kept exact near the seam.
            const double e = width * (1 - s) * (1 - s) * (qHigh + q);
            const double dxdr = (rk - e) / std::sqrt(e * (2 * rk - e));
            knuckle += rule.weights[i] * slice(c, q * q) * dxdr * 2 * q * dqds;
        }
        sum += knuckle;
    }
    return sum;
}

const TorisphericalLyingTable* TorisphericalHead::LyingTable() const
{
    if (!m_lyingTableSought) {
        const double f = m_crownRatio;
        const double k = m_knuckleRatio;
        m_lyingTable = TorisphericalLyingTable::For(f, k, [f, k](double level) {
            return TorisphericalHead(0.5, f, k).LyingLowerIntegral(level);
        });
        m_lyingTableSought = true;
    }
    return m_lyingTable;
}

double TorisphericalHead::LyingLower(double h) const
{
    if (!(h > 0))
        return 0.0;
    if (const TorisphericalLyingTable* table = LyingTable()) {
        const double d = 2 * m_radius;
        return d * d * d * (*table)(h / d);
    }
    return LyingIntegral(h, SegmentSlice {});
}

double TorisphericalHead::LyingLowerIntegral(double h) const
{
    return LyingIntegral(h, SegmentSlice {});
}

double TorisphericalHead::LyingLowerSlope(double h) const
{
    if (h > 0) {
        if (const TorisphericalLyingTable* table = LyingTable()) {
            const double d = 2 * m_radius;
            if (const auto slope = table->Slope(h / d))
                return d * d * *slope;
        }
    }
    return LyingLowerSlopeIntegral(h);
}

double TorisphericalHead::LyingLowerSlopeIntegral(double h) const
{
    return LyingIntegral(h, ChordSlice {});
}

} // namespace tankora

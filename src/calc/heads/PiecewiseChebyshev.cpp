#include "calc/heads/PiecewiseChebyshev_p.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <numbers>
#include <utility>

namespace tankora {
namespace {

constexpr double kPi = std::numbers::pi;
constexpr std::size_t kN = PiecewiseChebyshev::kNodes;

// sum c_k T_k(t) by Clenshaw's recurrence.
double Clenshaw(const std::array<double, kN>& c, double t)
{
    double b1 = 0;
    double b2 = 0;
    for (std::size_t k = kN - 1; k >= 1; --k) {
        const double b0 = 2 * t * b1 - b2 + c[k];
        b2 = b1;
        b1 = b0;
    }
    return t * b1 - b2 + c[0];
}

// Interpolation at the roots of T_n: the fit is exact there, and its error
// peaks near the extrema of T_n, which lie between the roots.
std::optional<std::array<double, kN>> Interpolate(
    const std::function<double(double)>& f, double centre, double halfWidth)
{
    std::array<double, kN> values {};
    for (std::size_t j = 0; j < kN; ++j) {
        const double t = std::cos(kPi * (static_cast<double>(j) + 0.5) / kN);
        values[j] = f(centre + halfWidth * t);
        if (!std::isfinite(values[j]))
            return std::nullopt;
    }
    std::array<double, kN> c {};
    for (std::size_t k = 0; k < kN; ++k) {
        double sum = 0;
        for (std::size_t j = 0; j < kN; ++j)
            sum += values[j]
                * std::cos(kPi * static_cast<double>(k) * (static_cast<double>(j) + 0.5) / kN);
        c[k] = sum * 2 / kN;
    }
    c[0] /= 2;
    return c;
}

// The coefficients of the series' derivative with respect to t.
std::array<double, kN> DerivativeCoefficients(const std::array<double, kN>& c)
{
    std::array<double, kN> d {};
    // d[k-1] = d[k+1] + 2 k c[k], from the top down.
    for (std::size_t k = kN - 1; k >= 1; --k)
        d[k - 1] = (k + 1 < kN ? d[k + 1] : 0.0) + 2 * static_cast<double>(k) * c[k];
    d[0] /= 2;
    return d;
}

bool MeetsTolerance(const std::function<double(double)>& f, const std::array<double, kN>& c,
    double centre, double halfWidth, double tolerance)
{
    for (std::size_t j = 0; j <= kN; ++j) {
        // The extrema of T_n, the two at the ends moved a quarter step in,
        // since a fitted function may have no value at an end of its range
        // (0 / 0 where a volume is divided by its leading power).
        const double step = j == 0 ? 0.25 : j == kN ? kN - 0.25 : static_cast<double>(j);
        const double t = std::cos(kPi * step / kN);
        const double expected = f(centre + halfWidth * t);
        if (!std::isfinite(expected)
            || !(std::fabs(Clenshaw(c, t) - expected) <= tolerance * std::fabs(expected)))
            return false;
    }
    return true;
}

} // namespace

std::optional<PiecewiseChebyshev> PiecewiseChebyshev::Fit(
    const std::function<double(double)>& f, double lo, double hi, double tolerance, int maxPieces)
{
    PiecewiseChebyshev fit;
    const double shortest = (hi - lo) * 1e-12;
    // Pending intervals, the leftmost on top, so pieces come out in order.
    std::vector<std::pair<double, double>> pending { { lo, hi } };
    while (!pending.empty()) {
        const auto [a, b] = pending.back();
        pending.pop_back();
        const double centre = (a + b) / 2;
        const double halfWidth = (b - a) / 2;
        const auto c = Interpolate(f, centre, halfWidth);
        if (c && MeetsTolerance(f, *c, centre, halfWidth, tolerance)) {
            if (!fit.m_pieces.empty())
                fit.m_joins.push_back(a);
            fit.m_pieces.push_back({ centre, 1 / halfWidth, *c, DerivativeCoefficients(*c) });
            continue;
        }
        const auto needed = fit.m_pieces.size() + pending.size() + 2;
        if (!c || b - a < 2 * shortest || needed > static_cast<std::size_t>(maxPieces))
            return std::nullopt;
        pending.emplace_back(centre, b);
        pending.emplace_back(a, centre);
    }
    return fit;
}

const PiecewiseChebyshev::Piece& PiecewiseChebyshev::PieceAt(double x) const
{
    const auto index = static_cast<std::size_t>(
        std::upper_bound(m_joins.begin(), m_joins.end(), x) - m_joins.begin());
    return m_pieces[index];
}

double PiecewiseChebyshev::operator()(double x) const
{
    const Piece& piece = PieceAt(x);
    const double t = std::clamp((x - piece.centre) * piece.halfWidthInverse, -1.0, 1.0);
    return Clenshaw(piece.coefficients, t);
}

double PiecewiseChebyshev::Derivative(double x) const
{
    const Piece& piece = PieceAt(x);
    const double t = std::clamp((x - piece.centre) * piece.halfWidthInverse, -1.0, 1.0);
    return Clenshaw(piece.derivative, t) * piece.halfWidthInverse;
}

} // namespace tankora

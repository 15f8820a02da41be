#pragma once
// Reference volumes for the head tests, worked out independently of the
// engine: each head is described only by its profile r(x) (radius at the
// distance x from the seam, from the geometry of circles), and every volume
// is a plain integral of slices, evaluated in long double by double-
// exponential (tanh-sinh) quadrature, which tolerates the square-root ends
// of the wetted range.

#include <algorithm>
#include <cmath>
#include <functional>
#include <numbers>
#include <vector>

namespace head_reference {

using Real = long double;
constexpr Real kPi = std::numbers::pi_v<long double>;

// The integral of f over [a, b] by tanh-sinh, halving the step until two
// levels agree to 1e-15. The integrands here are bounded, so the nodes need
// no special care near the ends.
inline Real Integrate(const std::function<Real(Real)>& f, Real a, Real b)
{
    if (!(b > a))
        return 0;
    const Real half = (b - a) / 2;
    const Real mid = (a + b) / 2;
    const auto term = [&](Real t) {
        const Real s = kPi / 2 * std::sinh(t);
        const Real c = std::cosh(s);
        return kPi / 2 * std::cosh(t) / (c * c) * f(mid + half * std::tanh(s));
    };
    constexpr Real kReach = 4; // weights beyond are below 1e-30
    Real step = 0.25L;
    Real sum = term(0);
    for (Real t = step; t <= kReach; t += step)
        sum += term(t) + term(-t);
    Real previous = sum * step * half;
    for (int level = 0; level < 10; ++level) {
        step /= 2;
        for (Real t = step; t <= kReach; t += 2 * step)
            sum += term(t) + term(-t);
        const Real estimate = sum * step * half;
        if (std::fabs(estimate - previous) <= 1e-15L * std::fabs(estimate))
            return estimate;
        previous = estimate;
    }
    return previous;
}

// A head of revolution by its profile: depth and radius at x from the seam.
struct Profile
{
    Real radius; // R, the shell's
    Real depth;
    std::vector<Real> breaks; // x where the profile's formula changes
    std::function<Real(Real)> r;
    // R - r(x), written without cancellation where r is near R.
    std::function<Real(Real)> inset;
    // r at the height v above the apex (x = depth - v), written without
    // cancellation where v is small.
    std::function<Real(Real)> fromApex;
};

// Torispherical: knuckle circle of radius k D centred in the seam plane at
// R - k D; crown sphere of radius f D centred on the axis, tangent to it.
inline Profile Torispherical(Real d, Real f, Real k)
{
    const Real big = d / 2, rc = f * d, rk = k * d;
    const Real centre = std::sqrt((rc - rk) * (rc - rk) - (big - rk) * (big - rk));
    const Real rimX = rk * centre / (rc - rk); // where the line of centres meets the knuckle
    const auto r = [=](Real x) {
        return x <= rimX ? big - rk + std::sqrt(rk * rk - x * x)
                         : std::sqrt(std::max(Real(0), rc * rc - (x + centre) * (x + centre)));
    };
    // In the knuckle, R - r = rk - sqrt(rk^2 - x^2) = x^2 / (rk + sqrt(rk^2 - x^2)).
    const auto inset = [=](Real x) {
        return x <= rimX ? x * x / (rk + std::sqrt(rk * rk - x * x)) : big - r(x);
    };
    const Real depth = rc - centre;
    // In the crown, rc^2 - (x + centre)^2 with x + centre = rc - v.
    const auto fromApex
        = [=](Real v) { return v <= depth - rimX ? std::sqrt(v * (2 * rc - v)) : r(depth - v); };
    return { big, depth, { rimX }, r, inset, fromApex };
}

inline Profile Conical(Real d, Real a)
{
    return { d / 2, a, {}, [=](Real x) { return d / 2 * (1 - x / a); },
        [=](Real x) { return d / 2 * x / a; }, [=](Real v) { return d / 2 * v / a; } };
}

inline Profile Ellipsoidal(Real d, Real b)
{
    const auto root = [=](Real x) { return std::sqrt(std::max(Real(0), 1 - (x / b) * (x / b))); };
    return { d / 2, b, {}, [=](Real x) { return d / 2 * root(x); },
        [=](Real x) { return d / 2 * (x / b) * (x / b) / (1 + root(x)); },
        [=](Real v) { return d / 2 * std::sqrt(v * (2 * b - v)) / b; } };
}

// The area of a circle of radius r below a chord `depth` above its lowest
// point: (r^2/2)(t - sin t) with t = 4 asin(sqrt(depth / 2r)), the
// difference summed as its series for small t, where it would cancel.
inline Real SegmentBelow(Real r, Real depth)
{
    if (depth <= 0)
        return 0;
    if (depth >= 2 * r)
        return kPi * r * r;
    const Real t = 4 * std::asin(std::sqrt(depth / (2 * r)));
    Real difference = t - std::sin(t);
    if (t < 0.5L) {
        Real term = t * t * t / 6;
        difference = term;
        for (int n = 3; n < 40; n += 2) {
            term *= -t * t / ((n + 1) * (n + 2));
            difference += term;
        }
    }
    return r * r / 2 * difference;
}

// The depth of liquid over the lowest point of the slice at x: the level
// less the slice's inset, taken from R - r(x) directly below the axis.
inline Real WetDepth(const Profile& p, Real x, Real level)
{
    return level <= p.radius ? level - p.inset(x) : p.r(x) + (level - p.radius);
}

// Lying: the integral over x of the slice's segment below `level` (from the
// shell's lowest point), split where the profile changes and where the
// slice's edge reaches the level (found by bisection: r falls with x).
inline Real Lying(const Profile& p, Real level)
{
    const Real z = level - p.radius;
    std::vector<Real> cuts { 0 };
    for (Real x : p.breaks)
        cuts.push_back(x);
    Real lo = 0, hi = p.depth;
    if (p.r(hi) < std::fabs(z) && p.r(lo) > std::fabs(z)) {
        for (int i = 0; i < 200; ++i) {
            const Real m = (lo + hi) / 2;
            (p.r(m) > std::fabs(z) ? lo : hi) = m;
        }
        cuts.push_back(lo);
    }
    cuts.push_back(p.depth);
    std::sort(cuts.begin(), cuts.end());
    Real sum = 0;
    for (std::size_t i = 1; i < cuts.size(); ++i)
        sum += Integrate([&](Real x) { return SegmentBelow(p.r(x), WetDepth(p, x, level)); },
            cuts[i - 1], cuts[i]);
    return sum;
}

// Standing apex down, filled `fill` above the apex: slices pi r^2 summed
// over the height above the apex.
inline Real Standing(const Profile& p, Real fill)
{
    std::vector<Real> cuts { 0 };
    for (Real x : p.breaks) {
        if (p.depth - x < fill)
            cuts.push_back(p.depth - x);
    }
    cuts.push_back(fill);
    Real sum = 0;
    for (std::size_t i = 1; i < cuts.size(); ++i) {
        sum += Integrate(
            [&](Real v) {
                const Real r = p.fromApex(v);
                return kPi * r * r;
            },
            cuts[i - 1], cuts[i]);
    }
    return sum;
}

} // namespace head_reference

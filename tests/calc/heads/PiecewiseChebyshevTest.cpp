// The fit that stands in for the lying torispherical integral: it must hold
// its tolerance everywhere, not only at its nodes, and refuse what it cannot
// fit rather than hand back something rough.
#include "calc/heads/PiecewiseChebyshev_p.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

using namespace tankora;

namespace {

// Worst relative error over a sweep much finer than the nodes.
template <typename F> double WorstError(const PiecewiseChebyshev& fit, F f, double lo, double hi)
{
    double worst = 0;
    constexpr int kSteps = 20000;
    for (int i = 0; i <= kSteps; ++i) {
        const double x = lo + (hi - lo) * i / kSteps;
        worst = std::max(worst, std::fabs(fit(x) / f(x) - 1));
    }
    return worst;
}

TEST(PiecewiseChebyshev, HoldsItsToleranceBetweenTheNodes)
{
    // Smooth enough for one piece.
    const auto smooth = [](double x) { return std::exp(x) + std::cos(3 * x); };
    const auto one = PiecewiseChebyshev::Fit(smooth, 0, 1, 1e-14, 8);
    ASSERT_TRUE(one);
    EXPECT_EQ(one->Pieces(), 1u);
    EXPECT_LE(WorstError(*one, smooth, 0, 1), 2e-14);
    // Its derivative, a few digits less exact, is still the function's.
    for (int i = 0; i <= 100; ++i) {
        const double x = i / 100.0;
        EXPECT_NEAR(one->Derivative(x), std::exp(x) - 3 * std::sin(3 * x), 1e-11) << x;
    }

    // Runge's function has poles at +-i/5: no one polynomial of this degree
    // comes near, halving until each piece does.
    const auto runge = [](double x) { return 1 / (1 + 25 * x * x); };
    const auto pieces = PiecewiseChebyshev::Fit(runge, -1, 1, 1e-13, 64);
    ASSERT_TRUE(pieces);
    EXPECT_GT(pieces->Pieces(), 2u);
    EXPECT_LE(WorstError(*pieces, runge, -1, 1), 2e-13);
}

// Where the function ends in 0 / 0 (a volume over its leading power) the
// fit never asks for the end itself, and still holds up to it.
TEST(PiecewiseChebyshev, NeverEvaluatesTheEndsOfItsRange)
{
    const auto sinc = [](double x) { return std::sin(x) / x; };
    const auto fit = PiecewiseChebyshev::Fit(sinc, 0, 2, 1e-14, 8);
    ASSERT_TRUE(fit);
    EXPECT_NEAR((*fit)(0), 1, 1e-14);
    EXPECT_LE(WorstError(*fit, sinc, 1e-300, 2), 2e-14);
}

TEST(PiecewiseChebyshev, RefusesWhatItCannotFit)
{
    // A kink inside the range: halving never ends, the budget does.
    EXPECT_FALSE(
        PiecewiseChebyshev::Fit([](double x) { return 1 + std::fabs(x - 0.3); }, 0, 1, 1e-14, 32));
    // A square root's edge at the start needs pieces without end as well.
    EXPECT_FALSE(PiecewiseChebyshev::Fit([](double x) { return std::sqrt(x); }, 0, 1, 1e-14, 32));
    // A value that is not a number.
    EXPECT_FALSE(PiecewiseChebyshev::Fit(
        [](double x) { return x > 0.5 ? std::numeric_limits<double>::quiet_NaN() : 1.0; }, 0, 1,
        1e-14, 32));
}

TEST(PiecewiseChebyshev, ClampsArgumentsIntoItsRange)
{
    const auto fit = PiecewiseChebyshev::Fit([](double x) { return 2 + x * x; }, 0, 1, 1e-14, 4);
    ASSERT_TRUE(fit);
    EXPECT_NEAR((*fit)(-5), 2, 1e-14);
    EXPECT_NEAR((*fit)(7), 3, 1e-14);
}

} // namespace

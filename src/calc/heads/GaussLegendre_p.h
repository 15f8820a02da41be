#pragma once
// A fixed Gauss-Legendre rule on [0, 1], for integrands that a change of
// variable has made smooth (see TorisphericalHead.cpp).

#include <array>

namespace tankora {

inline constexpr int kGaussNodes = 20;

struct GaussRule
{
    std::array<double, kGaussNodes> nodes; // in (0, 1)
    std::array<double, kGaussNodes> weights; // summing to 1
};

// The rule, computed once (Newton on the Legendre polynomial's roots).
const GaussRule& GaussLegendreRule();

} // namespace tankora

#include "calc/heads/GaussLegendre_p.h"

#include <cmath>
#include <numbers>

namespace tankora {
namespace {

GaussRule ComputeRule()
{
    GaussRule rule {};
    constexpr int n = kGaussNodes;
    for (int i = 0; i < n; ++i) {
        // Start near the i-th root of P_n on [-1, 1] and polish it.
        double x = std::cos(std::numbers::pi * (i + 0.75) / (n + 0.5));
        double derivative = 1;
        for (int iteration = 0; iteration < 100; ++iteration) {
            double previous = 1;
            double current = x;
            for (int k = 2; k <= n; ++k) {
                const double next = ((2 * k - 1) * x * current - (k - 1) * previous) / k;
                previous = current;
                current = next;
            }
            derivative = n * (x * current - previous) / (x * x - 1);
            const double step = current / derivative;
            x -= step;
            if (std::fabs(step) < 1e-16)
                break;
        }
        rule.nodes[static_cast<std::size_t>(i)] = (x + 1) / 2;
        rule.weights[static_cast<std::size_t>(i)] = 1 / ((1 - x * x) * derivative * derivative);
    }
    return rule;
}

} // namespace

const GaussRule& GaussLegendreRule()
{
    static const GaussRule rule = ComputeRule();
    return rule;
}

} // namespace tankora

#pragma once
// The lying volume of a torispherical head of diameter 1, kept as fits of
// its quadrature (TorisphericalHead.cpp) so that a volume costs a short
// polynomial instead of two 20-point rules. Heads of every diameter share
// it: a head of diameter D holds D^3 times the unit head's volume at h / D.
//
// The volume is smooth in the level except where the wet edge reaches the
// crown's rim, at the level `rim` = k (f - 1/2) / (f - k), and at the empty
// end; both singularities are powers of the square root of the distance
// to them. So V / h^2 is fitted (V grows as h^2 from empty, so every digit
// of a small volume is kept) in s = sqrt(h) below the rim and in
// s = sqrt(h - rim) above it, where each is smooth.

#include "calc/heads/PiecewiseChebyshev_p.h"

#include <functional>
#include <optional>

namespace tankora {

class TorisphericalLyingTable
{
public:
    // Builds the fits of `unitLyingLower`, the volume below a level in
    // (0, 1/2] of the unit head with these ratios; empty where a fit cannot
    // reach its tolerance (a rim within about 0.0011 of the bottom: f near
    // 1/2 or a tiny knuckle, where the quadrature's last digits wander).
    static std::optional<TorisphericalLyingTable> Build(
        double crown, double knuckle, const std::function<double(double)>& unitLyingLower);

    // The table of the head with these ratios, built on its first use and
    // kept for the life of the program; null where it could not be built,
    // or once many shapes are kept (the caller then integrates directly).
    static const TorisphericalLyingTable* For(
        double crown, double knuckle, const std::function<double(double)>& unitLyingLower);

    // The unit head's volume below `level`, 0 < level <= 1/2.
    double operator()(double level) const;
    // Its derivative, the area of the liquid surface inside the unit head,
    // from the fits' derivatives: good to 1e-13 or so, 1e-7 near the rim,
    // enough to aim a solver's steps. Empty just above the rim, where it
    // is 0 / 0 in s.
    std::optional<double> Slope(double level) const;

private:
    double m_rim = 0;
    std::optional<PiecewiseChebyshev> m_belowRim; // empty when the rim is at 0
    std::optional<PiecewiseChebyshev> m_aboveRim;
};

} // namespace tankora

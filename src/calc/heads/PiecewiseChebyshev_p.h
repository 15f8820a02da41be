#pragma once
// A smooth function on [lo, hi] kept as Chebyshev polynomials of one degree
// on pieces found by halving, so that evaluating it costs a search among a
// few pieces and one short recurrence instead of the work the function
// itself needs. A fit is made only where it reaches its tolerance: at the
// points between its nodes, where the error of such a fit is largest, it
// must agree with the function to `tolerance` relative to the value.

#include <array>
#include <functional>
#include <optional>
#include <vector>

namespace tankora {

class PiecewiseChebyshev
{
public:
    static constexpr int kNodes = 16;

    // Empty where the function is not finite at a node, or where more than
    // `maxPieces` pieces, or pieces shorter than 1e-12 of the range, would
    // be needed (a singular point inside the range).
    static std::optional<PiecewiseChebyshev> Fit(const std::function<double(double)>& f, double lo,
        double hi, double tolerance, int maxPieces);

    // The fit at x, clamped into [lo, hi].
    double operator()(double x) const;
    // The fit's derivative at x, clamped likewise: a few digits less
    // accurate than the fit itself.
    double Derivative(double x) const;

    std::size_t Pieces() const { return m_pieces.size(); }

private:
    struct Piece
    {
        double centre;
        double halfWidthInverse;
        std::array<double, kNodes> coefficients;
        std::array<double, kNodes> derivative;
    };

    const Piece& PieceAt(double x) const;

    std::vector<double> m_joins; // where one piece ends and the next begins, ascending
    std::vector<Piece> m_pieces;
};

} // namespace tankora

#pragma once
// Half an ellipsoid of revolution with semi-axes R, R and its depth b.
// Its volumes follow from slices whose area shrinks as 1 - (x/b)^2.
//
// Every head type offers the same members (see Head.h for the contract):
// LyingLower(h) and LyingLowerSlope(h) for a lying head filled to h <= R
// above its lowest point, Standing(u) and StandingSlope(u) for a head
// standing apex down filled to u <= Depth() above its apex.

namespace tankora {

class EllipsoidalHead
{
public:
    EllipsoidalHead(double radius, double depth);

    double Depth() const { return m_depth; }
    double Volume() const;
    double LyingLower(double h) const;
    double LyingLowerSlope(double h) const;
    double Standing(double u) const;
    double StandingSlope(double u) const;

private:
    double m_radius;
    double m_depth;
};

} // namespace tankora

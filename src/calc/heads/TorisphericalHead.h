#pragma once
// A torispherical (dished) head: a spherical crown of radius f*D resting on a
// toroidal knuckle of radius k*D that meets the shell tangentially (members
// as in EllipsoidalHead.h). Standing volumes are closed forms; lying ones
// are integrals of circular segments over the head's length, evaluated by
// a Gauss-Legendre rule after changes of variable that make the integrand
// smooth (accurate to a few parts in 10^15), and looked up in fits of that
// integral kept per shape (TorisphericalLyingTable_p.h).
//
// Geometry, x along the axis from the seam: the knuckle's centre circle lies
// in the seam plane at radius R - rk; the crown's centre on the axis at
// x = -sqrt((Rc - rk)^2 - (R - rk)^2); the two meet at the rim x = xt,
// radius rt; the depth is Rc minus that distance.

namespace tankora {

class TorisphericalLyingTable;

class TorisphericalHead
{
public:
    // Needs f >= 0.5 and 0 < k < 0.5 (HeadShapeProblem).
    TorisphericalHead(double radius, double crown, double knuckle);

    double Depth() const { return m_depth; }
    double Volume() const;
    double LyingLower(double h) const;
    double LyingLowerSlope(double h) const;
    // LyingLower and its slope by the quadrature itself, which the kept
    // fits reproduce.
    double LyingLowerIntegral(double h) const;
    double LyingLowerSlopeIntegral(double h) const;
    double Standing(double u) const;
    double StandingSlope(double u) const;

private:
    template <typename Slice> double LyingIntegral(double h, const Slice& slice) const;
    double KnuckleSlab(double x1) const;
    double RadiusAt(double x) const;
    const TorisphericalLyingTable* LyingTable() const;

    double m_crownRatio; // f
    double m_knuckleRatio; // k
    double m_radius; // R
    double m_crown; // Rc
    double m_knuckle; // rk
    double m_centreDistance; // sqrt((Rc - rk)^2 - (R - rk)^2): crown centre behind the seam
    double m_depth;
    double m_rimX; // xt: length of the knuckle along the axis
    double m_rimRadius; // rt
    // Looked up on the first lying volume: a standing head never needs it.
    mutable const TorisphericalLyingTable* m_lyingTable = nullptr;
    mutable bool m_lyingTableSought = false;
};

} // namespace tankora

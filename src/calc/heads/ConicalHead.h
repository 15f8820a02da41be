#pragma once
// A cone on the shell's end, its apex a beyond the shell (members as in
// EllipsoidalHead.h). All volumes are closed forms.

namespace tankora {

class ConicalHead
{
public:
    ConicalHead(double radius, double apexDepth);

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

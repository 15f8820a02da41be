#pragma once
// A flat end: no depth, no volume.

namespace tankora {

class FlatHead
{
public:
    double Depth() const { return 0; }
    double Volume() const { return 0; }
    double LyingLower(double) const { return 0; }
    double LyingLowerSlope(double) const { return 0; }
    double Standing(double) const { return 0; }
    double StandingSlope(double) const { return 0; }
};

} // namespace tankora

#pragma once
// One head of a given diameter, whatever its shape: its depth, its volume,
// and what it holds lying (the tank's axis horizontal) or standing (the
// axis vertical). The tank is a shell plus two such heads.

#include "calc/heads/ConicalHead.h"
#include "calc/heads/EllipsoidalHead.h"
#include "calc/heads/FlatHead.h"
#include "calc/heads/HeadShape.h"
#include "calc/heads/TorisphericalHead.h"

#include <optional>
#include <variant>

namespace tankora {

class Head
{
public:
    // `headShape` must describe a head (HeadShapeProblem empty), `diameter` > 0.
    Head(const HeadShape& headShape, double diameter);

    double Depth() const;
    double Volume() const;

    // Lying: the volume below `level` measured from the lowest point of the
    // shell's circle, clamped into [0, D]; 0 at 0 and Volume() at D exactly.
    double Lying(double level) const;
    // d Lying / d level: the area of the liquid surface inside the head.
    double LyingSlope(double level) const;

    // Standing apex down: the volume below `fill` measured from the head's
    // lowest point, clamped into [0, Depth()]. A head on top, apex up,
    // filled to w above its seam holds Volume() - Standing(Depth() - w).
    double Standing(double fill) const;
    // d Standing / d fill: the head's cross-section at that height.
    double StandingSlope(double fill) const;

private:
    std::variant<FlatHead, EllipsoidalHead, TorisphericalHead, ConicalHead> m_shape;
    double m_diameter;
    // Worked out when first asked for: a standing tank filled below its
    // top head never needs it.
    mutable std::optional<double> m_volume;
};

} // namespace tankora

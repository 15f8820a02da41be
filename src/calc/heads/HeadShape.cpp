#include "calc/heads/HeadShape.h"

#include <cmath>

namespace tankora {

HeadShape FlatHeadShape()
{
    return {};
}

HeadShape EllipsoidalHeadShape(double depth)
{
    if (depth == 0)
        return FlatHeadShape();
    return { HeadKind::Ellipsoidal, depth, 0, 0 };
}

HeadShape ConicalHeadShape(double apexDepth)
{
    if (apexDepth == 0)
        return FlatHeadShape();
    return { HeadKind::Conical, apexDepth, 0, 0 };
}

HeadShape TorisphericalHeadShape(double crown, double knuckle)
{
    return { HeadKind::Torispherical, 0, crown, knuckle };
}

std::string_view HeadKindName(HeadKind kind)
{
    switch (kind) {
    case HeadKind::Flat:
        return "flat";
    case HeadKind::Ellipsoidal:
        return "ellipsoidal";
    case HeadKind::Torispherical:
        return "torispherical";
    case HeadKind::Conical:
        return "conical";
    }
    return "";
}

std::string HeadShapeProblem(const HeadShape& headShape)
{
    switch (headShape.kind) {
    case HeadKind::Flat:
        return "";
    case HeadKind::Ellipsoidal:
    case HeadKind::Conical:
        if (!(std::isfinite(headShape.depth) && headShape.depth >= 0))
            return "the head depth must be a finite length of at least 0";
        return "";
    case HeadKind::Torispherical:
        if (!(headShape.knuckle > 0 && headShape.knuckle < 0.5))
            return "the knuckle radius K of a torispherical head must lie between 0 and 0.5 "
                   "(both excluded)";
        if (!(headShape.crown >= 0.5 && std::isfinite(headShape.crown)))
            return "the crown radius F of a torispherical head must be at least 0.5 (a "
                   "hemisphere) and finite";
        return "";
    }
    return "unknown head kind";
}

} // namespace tankora

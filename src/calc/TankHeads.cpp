#include "calc/TankHeads.h"

namespace tankora {
namespace {

// The depth of a head the tables know (flat or semi-ellipsoidal), else -1.
double TableDepth(const HeadShape& headShape)
{
    switch (headShape.kind) {
    case HeadKind::Flat:
        return 0;
    case HeadKind::Ellipsoidal:
        return headShape.depth;
    default:
        return -1;
    }
}

} // namespace

HeadPair HeadShapesOf(const TankState& state)
{
    if (state.Heads)
        return *state.Heads;
    const HeadShape both = EllipsoidalHeadShape(state.HeadDepth);
    return { both, both };
}

void SetHeads(TankState& state, const HeadShape& first, const HeadShape& second)
{
    const double depth = TableDepth(first);
    if (depth >= 0 && depth == TableDepth(second)) {
        state.HeadDepth = depth;
        state.Heads.reset();
        return;
    }
    state.HeadDepth = 0;
    state.Heads = HeadPair { first, second };
}

std::array<Head, 2> HeadsOf(const TankState& state)
{
    const HeadPair headShapes = HeadShapesOf(state);
    return { Head(headShapes[0], state.TankDiameter), Head(headShapes[1], state.TankDiameter) };
}

double ShapedFullHeight(const TankState& state, const std::array<Head, 2>& heads)
{
    if (state.Orientation == kHorizontal)
        return state.TankDiameter;
    return heads[0].Depth() + state.TankLength + heads[1].Depth();
}

bool HeadsAreValid(const TankState& state)
{
    if (!(state.HeadDepth >= 0))
        return false;
    for (const HeadShape& headShape : HeadShapesOf(state)) {
        if (!HeadShapeProblem(headShape).empty())
            return false;
    }
    return true;
}

} // namespace tankora

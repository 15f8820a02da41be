#include "calc/heads/Head.h"

#include <algorithm>

namespace tankora {
namespace {

std::variant<FlatHead, EllipsoidalHead, TorisphericalHead, ConicalHead> ShapeOf(
    const HeadShape& headShape, double diameter)
{
    const double radius = diameter / 2;
    switch (headShape.kind) {
    case HeadKind::Flat:
        break;
    case HeadKind::Ellipsoidal:
        if (headShape.depth > 0)
            return EllipsoidalHead(radius, headShape.depth);
        break;
    case HeadKind::Torispherical:
        return TorisphericalHead(radius, headShape.crown, headShape.knuckle);
    case HeadKind::Conical:
        if (headShape.depth > 0)
            return ConicalHead(radius, headShape.depth);
        break;
    }
    return FlatHead {};
}

} // namespace

Head::Head(const HeadShape& headShape, double diameter)
    : m_shape(ShapeOf(headShape, diameter))
    , m_diameter(diameter)
{ }

double Head::Depth() const
{
    return std::visit([](const auto& shape) { return shape.Depth(); }, m_shape);
}

double Head::Volume() const
{
    if (!m_volume)
        m_volume = std::visit([](const auto& shape) { return shape.Volume(); }, m_shape);
    return *m_volume;
}

// A head of revolution is symmetric about the horizontal plane through its
// axis: above half its diameter, the empty part above the level is computed
// (as accurately as the filled part below), not the filled part itself.
double Head::Lying(double level) const
{
    if (!(level > 0))
        return 0.0;
    if (level >= m_diameter)
        return Volume();
    const double half = m_diameter / 2;
    if (level > half)
        return Volume()
            - std::visit(
                [&](const auto& shape) { return shape.LyingLower(m_diameter - level); }, m_shape);
    return std::visit([&](const auto& shape) { return shape.LyingLower(level); }, m_shape);
}

double Head::LyingSlope(double level) const
{
    const double fromNearerEnd = std::clamp(std::min(level, m_diameter - level), 0.0, m_diameter);
    return std::visit(
        [&](const auto& shape) { return shape.LyingLowerSlope(fromNearerEnd); }, m_shape);
}

double Head::Standing(double fill) const
{
    const double depth = Depth();
    if (!(fill > 0))
        return 0.0;
    if (fill >= depth)
        return Volume();
    return std::visit([&](const auto& shape) { return shape.Standing(fill); }, m_shape);
}

double Head::StandingSlope(double fill) const
{
    const double clamped = std::clamp(fill, 0.0, Depth());
    return std::visit([&](const auto& shape) { return shape.StandingSlope(clamped); }, m_shape);
}

} // namespace tankora

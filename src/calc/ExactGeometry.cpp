#include "calc/ExactGeometry_p.h"

#include "calc/TankHeads.h"
#include "calc/heads/CircleSegment_p.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace tankora {
namespace {

constexpr double kEpsilon = std::numeric_limits<double>::epsilon();

// Enough halvings to cross the whole double range; Newton steps need far fewer.
constexpr int kMaxSolverSteps = 1100;

// The tank as a shell plus its two heads, built once per question.
class ShellAndHeads
{
public:
    explicit ShellAndHeads(const TankState& tank)
        : m_tank(tank)
        , m_heads(HeadsOf(tank))
        , m_sameHeads(!tank.Heads || (*tank.Heads)[0] == (*tank.Heads)[1])
        , m_fullHeight(tank.Heads ? ShapedFullHeight(tank, m_heads) : FullHeight(tank))
    { }

    double FullHeightValue() const { return m_fullHeight; }
    // Not kept: a standing tank filled below its top head never needs it.
    double FullVolumeValue() const
    {
        return m_tank.Heads ? ShapedFullVolume(m_tank, m_heads) : FullVolume(m_tank);
    }

    double VolumeAt(double height) const
    {
        if (!(height > 0))
            return 0.0;
        if (height >= m_fullHeight)
            return FullVolumeValue();
        return m_tank.Orientation == kHorizontal ? Lying(height) : Standing(height);
    }

    // dV/dH, used only to aim the solver's steps.
    double SlopeAt(double height) const
    {
        const double d = m_tank.TankDiameter;
        if (m_tank.Orientation == kHorizontal) {
            const double wetted = std::max(0.0, height * (d - height));
            const double first = m_heads[0].LyingSlope(height);
            return 2 * m_tank.TankLength * std::sqrt(wetted) + first
                + (m_sameHeads ? first : m_heads[1].LyingSlope(height));
        }
        const double bottom = m_heads[0].Depth();
        if (height < bottom)
            return m_heads[0].StandingSlope(height);
        const double aboveShell = height - bottom - m_tank.TankLength;
        if (aboveShell <= 0)
            return CrossSectionArea(m_tank);
        return m_heads[1].StandingSlope(m_heads[1].Depth() - aboveShell);
    }

private:
    // The shell is symmetric about its middle: above half, the empty part
    // is computed as accurately as the filled part below it.
    double Lying(double height) const
    {
        const double d = m_tank.TankDiameter;
        const double radius = d / 2;
        const double segment = height <= radius
            ? SegmentAreaBelow(radius, height)
            : CrossSectionArea(m_tank) - SegmentAreaBelow(radius, d - height);
        // Lying, equal heads hold equal volumes at every level.
        const double first = m_heads[0].Lying(height);
        return m_tank.TankLength * segment + first
            + (m_sameHeads ? first : m_heads[1].Lying(height));
    }

    // Bottom head, shell and top head in turn; each part is clamped into
    // its own range, so none is ever asked about a height outside it.
    double Standing(double height) const
    {
        const Head& bottom = m_heads[0];
        const Head& top = m_heads[1];
        const double length = m_tank.TankLength;
        const double inShell = std::clamp(height - bottom.Depth(), 0.0, length);
        double volume = bottom.Standing(height) + CrossSectionArea(m_tank) * inShell;
        const double inTop = height - bottom.Depth() - length;
        if (inTop > 0)
            volume += top.Volume() - top.Standing(top.Depth() - inTop);
        return volume;
    }

    const TankState& m_tank;
    std::array<Head, 2> m_heads;
    bool m_sameHeads;
    double m_fullHeight;
};

} // namespace

double ExactVolumeAt(const TankState& tank, double height)
{
    if (!(height > 0))
        return 0.0;
    return ShellAndHeads(tank).VolumeAt(height);
}

double ExactHeightFor(const TankState& tank, double volume)
{
    if (!(volume > 0))
        return 0.0;
    const ShellAndHeads shape(tank);
    const double fullVolume = shape.FullVolumeValue();
    const double fullHeight = shape.FullHeightValue();
    if (volume >= fullVolume)
        return fullHeight;

    double low = 0;
    double high = fullHeight;
    double height = fullHeight * (volume / fullVolume);
    for (int step = 0; step < kMaxSolverSteps; ++step) {
        const double excess = shape.VolumeAt(height) - volume;
        if (excess == 0)
            return height;
        (excess < 0 ? low : high) = height;
        if (high - low <= 2 * kEpsilon * high)
            break;
        const double slope = shape.SlopeAt(height);
        double next = slope > 0 ? height - excess / slope : low;
        if (!(next > low && next < high))
            next = low + (high - low) / 2;
        if (std::fabs(next - height) <= kEpsilon * height)
            return next;
        height = next;
    }
    return low + (high - low) / 2;
}

} // namespace tankora

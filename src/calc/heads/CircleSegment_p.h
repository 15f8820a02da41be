#pragma once
// The circular segment, computed without cancellation near its ends: the
// shell's cross-section and every slice of a lying head are such segments.

namespace tankora {

// x - sin x for 0 <= x <= 2 pi, accurate to a few units of the last place
// also for small x, where the plain difference loses every digit.
double XMinusSinX(double x);

// The area of a circle of radius `radius` below a chord that lies `height`
// above the circle's lowest point (0 at or below 0, the whole circle at or
// above 2 * radius).
double SegmentAreaBelow(double radius, double height);

} // namespace tankora

#pragma once
// The two fraction tables through which every volume is computed, and their
// lookup. Each table holds 101 entries, entry i belonging to the relative
// level i/100; entry 0 is 0 and entry 100 is 1.

#include <array>
#include <cstddef>

namespace tankora {

inline constexpr std::size_t kFractionTableSize = 101;
using FractionTable = std::array<double, kFractionTableSize>;

// Filled fraction of an ellipsoid filled along one axis to relative height
// h: h^2 * (3 - 2h), rounded to six decimals.
extern const FractionTable kHeadTable;

// Filled fraction of a circle cut by a chord at relative height h. Fixed
// values, deliberately not recomputed from the formula: some differ from it
// by one unit of the sixth decimal, and results depend on that.
extern const FractionTable kSegmentTable;

// Reads `table` at relative level x (0 <= x <= 1). The index is taken from x
// rounded to three decimals (1000x rounded half to even, then divided by 10
// with truncation); the offset from that table point uses x itself, so a
// level a hair below a point is extrapolated backwards along the interval
// above it. Index 100 gives the last entry. Outside [0, 1] (including NaN)
// the index is kept inside the table.
double TableLookup(const FractionTable& table, double x);

// Filled fraction of the heads' ellipsoid at relative level x.
double HeadFraction(double x);

// Filled fraction of the circular cross-section at relative level x.
double SegmentFraction(double x);

} // namespace tankora

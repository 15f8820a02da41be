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
// the index is kept inside the table. Inline: every volume goes through it.
inline double TableLookup(const FractionTable& table, double x);

// Filled fraction of the heads' ellipsoid at relative level x.
inline double HeadFraction(double x);

// Filled fraction of the circular cross-section at relative level x.
inline double SegmentFraction(double x);

namespace detail {

inline constexpr int kLastIndex = static_cast<int>(kFractionTableSize) - 1;

// Adding and subtracting 2^52 rounds a double in [0, 2^51) to an integer
// in the current rounding mode, round-half-to-even by default, as
// nearbyint does, but without its library call.
inline constexpr double kRoundingShift = 4503599627370496.0;

// The table points k/100 as doubles, so a lookup need not divide for them.
inline constexpr std::array<double, kFractionTableSize> kTablePoints = [] {
    std::array<double, kFractionTableSize> points {};
    for (std::size_t k = 0; k < points.size(); ++k)
        points[k] = static_cast<double>(k) / 100.0;
    return points;
}();

// Table index for x: 1000x rounded half to even, divided by 10 with
// truncation; kept inside the table for any x, NaN included.
inline int TableIndex(double x)
{
    const double scaled = 1000.0 * x;
    if (!(scaled >= 0.0))
        return 0;
    if (scaled >= 10.0 * kLastIndex)
        return kLastIndex;
    const double n = (scaled + kRoundingShift) - kRoundingShift;
    return static_cast<int>(n) / 10;
}

} // namespace detail

inline double TableLookup(const FractionTable& table, double x)
{
    const int k = detail::TableIndex(x);
    if (k == detail::kLastIndex)
        return table[detail::kLastIndex];
    const auto index = static_cast<std::size_t>(k);
    return table[index]
        + (x - detail::kTablePoints[index]) * (table[index + 1] - table[index]) / 0.01;
}

inline double HeadFraction(double x)
{
    return TableLookup(kHeadTable, x);
}

inline double SegmentFraction(double x)
{
    return TableLookup(kSegmentTable, x);
}

} // namespace tankora

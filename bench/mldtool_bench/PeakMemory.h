#pragma once
// Peak memory of a piece of work, measured in a forked child so that what
// the benchmark process holds already neither counts nor hides the work's own.

#include <functional>

namespace tankora::bench {

// The growth of the resident set, from before work to its peak, in MiB;
// a negative value when the child failed.
double PeakGrowthMiB(const std::function<void()>& work);

} // namespace tankora::bench

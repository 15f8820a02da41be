#pragma once
// Resident memory a piece of work leaves behind, measured in a forked child so
// earlier measurements in this process (and their caches) do not count.

#include <functional>

namespace tankora::peers {

// The growth of the child's resident set (VmRSS) across work, in KiB.
// Negative when the child failed.
long ResidentGrowthKiB(const std::function<void()>& work);

} // namespace tankora::peers

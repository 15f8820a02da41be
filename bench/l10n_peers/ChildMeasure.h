#pragma once
// Measurements taken in a forked child, so that what earlier runs left in this
// process (loaded catalogues, caches, grown heaps) neither helps nor burdens
// them, and what the measured work leaves behind dies with the child.

#include <functional>
#include <optional>

namespace tankora::peers {

// Runs measure in a child process and returns its value; nullopt when the
// child failed (an exception, a crash).
std::optional<double> MeasureInChild(const std::function<double()>& measure);

// This process's resident set (VmRSS) in KiB.
double ResidentKiB();
// CPU time this thread has used, in seconds: steadier than the wall clock on
// a machine shared with other work.
double ThreadCpuSeconds();

} // namespace tankora::peers

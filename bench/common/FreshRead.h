#pragma once
// What both dictionary benchmarks measure opens against, defined once: the
// floor is reading a file's bytes into a freshly mapped buffer, its page
// faults included (as a fresh process or a fresh allocation pays them), and
// the counters that go with it.

#include <cstddef>
#include <string>

namespace tankora::bench {

// Reads the whole file into a buffer mapped for this call and unmapped after
// it; the bytes read (0 when the file cannot be read).
std::size_t ReadIntoFreshBuffer(const std::string& path);

// CPU time of the calling thread, in seconds (user and system).
double ThreadCpuSeconds();
// Minor and major page faults of the calling thread so far.
long ThreadFaults();

} // namespace tankora::bench

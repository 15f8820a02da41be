#pragma once
// The end of every program that prints: the standard output is flushed and
// checked, so a full disk, /dev/full or a broken pipe with SIGPIPE ignored
// turns into one error line and a non-zero exit instead of a silent success.

namespace tankora::io {

// Flushes std::cout and stdout. Returns exitCode when everything reached
// the output; otherwise prints "PROGRAM: cannot write the standard output:
// REASON" on stderr and returns exitCode, or 1 when exitCode was 0.
int FinishStandardOutput(const char* program, int exitCode);

} // namespace tankora::io

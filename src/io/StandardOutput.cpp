#include "io/StandardOutput.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <iostream>

namespace tankora::io {

int FinishStandardOutput(const char* program, int exitCode)
{
    errno = 0; // whichever flush fails leaves the reason here
    std::cout.flush();
    const bool flushed = std::fflush(stdout) == 0;
    const int error = errno;
    if (flushed && !std::ferror(stdout) && std::cout.good())
        return exitCode;
    std::fprintf(stderr, "%s: cannot write the standard output: %s\n", program,
        error != 0 ? std::strerror(error) : "write error");
    return exitCode == 0 ? 1 : exitCode;
}

} // namespace tankora::io

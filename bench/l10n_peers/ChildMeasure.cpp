#include "ChildMeasure.h"

#include <malloc.h>
#include <sys/wait.h>
#include <unistd.h>

#include <ctime>
#include <fstream>
#include <string>

namespace tankora::peers {

std::optional<double> MeasureInChild(const std::function<double()>& measure)
{
    int channel[2];
    if (::pipe(channel) != 0)
        return std::nullopt;
    const pid_t child = ::fork();
    if (child == 0) {
        ::close(channel[0]);
        try {
            // The parent's freed heap is resident and shared into the child;
            // handed back first, so that what the work allocates counts.
            ::malloc_trim(0);
            const double value = measure();
            (void)!::write(channel[1], &value, sizeof value);
        } catch (...) { }
        ::_exit(0);
    }
    ::close(channel[1]);
    double value = 0;
    const bool received = child > 0 && ::read(channel[0], &value, sizeof value) == sizeof value;
    ::close(channel[0]);
    if (child > 0)
        ::waitpid(child, nullptr, 0);
    return received ? std::optional<double>(value) : std::nullopt;
}

double ResidentKiB()
{
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("VmRSS:", 0) == 0)
            return std::stod(line.substr(6));
    }
    return 0;
}

double ThreadCpuSeconds()
{
    timespec now {};
    ::clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

} // namespace tankora::peers

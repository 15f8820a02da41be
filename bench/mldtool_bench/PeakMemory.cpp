#include "PeakMemory.h"

#include <fstream>
#include <string>

#include <malloc.h>
#include <sys/wait.h>
#include <unistd.h>

namespace tankora::bench {
namespace {

double StatusKiB(const char* field)
{
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);) {
        if (line.rfind(field, 0) == 0)
            return std::stod(line.substr(std::string(field).size()));
    }
    return 0;
}

} // namespace

double PeakGrowthMiB(const std::function<void()>& work)
{
    int channel[2];
    if (pipe(channel) != 0)
        return -1;
    const pid_t child = fork();
    if (child == 0) {
        close(channel[0]);
        double growth = -1;
        try {
            malloc_trim(0);
            // The peak so far is the present: clear_refs resets it.
            std::ofstream("/proc/self/clear_refs") << "5";
            const double before = StatusKiB("VmRSS:");
            work();
            growth = (StatusKiB("VmHWM:") - before) / 1024;
        } catch (...) { }
        (void)!write(channel[1], &growth, sizeof growth);
        _exit(0);
    }
    close(channel[1]);
    double growth = -1;
    if (read(channel[0], &growth, sizeof growth) != sizeof growth)
        growth = -1;
    close(channel[0]);
    waitpid(child, nullptr, 0);
    return growth;
}

} // namespace tankora::bench

#include "ResidentMemory.h"

#include <sys/wait.h>
#include <unistd.h>

#include <fstream>
#include <string>

namespace tankora::peers {

namespace {

long ResidentKiB()
{
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("VmRSS:", 0) == 0)
            return std::stol(line.substr(6));
    }
    return -1;
}

} // namespace

long ResidentGrowthKiB(const std::function<void()>& work)
{
    int channel[2];
    if (::pipe(channel) != 0)
        return -1;
    const pid_t child = ::fork();
    if (child == 0) {
        ::close(channel[0]);
        long growth = -1;
        try {
            const long before = ResidentKiB();
            work();
            growth = ResidentKiB() - before;
        } catch (...) { }
        (void)!::write(channel[1], &growth, sizeof growth);
        ::_exit(0);
    }
    ::close(channel[1]);
    long growth = -1;
    if (child < 0 || ::read(channel[0], &growth, sizeof growth) != sizeof growth)
        growth = -1;
    ::close(channel[0]);
    if (child > 0)
        ::waitpid(child, nullptr, 0);
    return growth;
}

} // namespace tankora::peers

#include "FreshRead.h"

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <ctime>

namespace tankora::bench {

std::size_t ReadIntoFreshBuffer(const std::string& path)
{
    const int file = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (file < 0)
        return 0;
    struct stat status
    { };
    std::size_t done = 0;
    if (::fstat(file, &status) == 0 && status.st_size > 0) {
        const auto size = static_cast<std::size_t>(status.st_size);
        void* buffer
            = ::mmap(nullptr, size, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
        if (buffer != MAP_FAILED) {
            while (done < size) {
                const ssize_t got = ::read(file, static_cast<char*>(buffer) + done, size - done);
                if (got <= 0)
                    break;
                done += static_cast<std::size_t>(got);
            }
            ::munmap(buffer, size);
        }
    }
    ::close(file);
    return done;
}

double ThreadCpuSeconds()
{
    timespec now {};
    ::clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

long ThreadFaults()
{
    rusage usage {};
    ::getrusage(RUSAGE_THREAD, &usage);
    return usage.ru_minflt + usage.ru_majflt;
}

} // namespace tankora::bench

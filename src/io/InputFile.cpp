#include "io/InputFile.h"

#include "io/FileMessage.h"
#include "io/PrintableText.h"

#include <algorithm>
#include <cerrno>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tankora::io {
namespace {

[[noreturn]] void Fail(const std::string& path, const std::string& what, int error = 0)
{
    throw ReadError(FileMessage(path, what, error));
}

std::string MiB(std::uint64_t bytes)
{
    return std::to_string(bytes >> 20) + " MiB";
}

void CheckStatus(const std::string& path, const struct stat& status, std::uint64_t limit)
{
    if (S_ISDIR(status.st_mode))
        Fail(path, "is a folder, not a file");
    if (!S_ISREG(status.st_mode))
        Fail(path, "is not a regular file (a device, FIFO or socket is not read)");
    if (static_cast<std::uint64_t>(status.st_size) > limit)
        Fail(path, "is larger than " + MiB(limit) + ", more than any input of this program");
}

} // namespace

void CheckInputFile(const std::string& path, std::uint64_t limit)
{
    struct stat status
    { };
    if (stat(path.c_str(), &status) == 0)
        CheckStatus(path, status, limit);
}

std::string ReadInputFile(const std::string& path, std::uint64_t limit)
{
    // Non-blocking, so a FIFO is refused instead of waiting for a writer.
    const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY);
    if (fd < 0)
        Fail(path, "cannot open", errno);
    std::string bytes;
    try {
        struct stat status
        { };
        if (fstat(fd, &status) != 0)
            Fail(path, "cannot open", errno);
        CheckStatus(path, status, limit);
        bytes.resize(static_cast<std::size_t>(status.st_size));
        std::size_t done = 0;
        // A file that grows while it is read is read up to the limit and one byte more.
        for (;;) {
            if (done == bytes.size()) {
                if (bytes.size() > limit)
                    Fail(path,
                        "is larger than " + MiB(limit)
                            + ", more than any input of this "
                              "program");
                bytes.resize(std::max<std::size_t>(bytes.size() * 2, 4096));
            }
            const ssize_t got = read(fd, bytes.data() + done, bytes.size() - done);
            if (got < 0 && errno == EINTR)
                continue;
            if (got < 0)
                Fail(path, "cannot read", errno);
            if (got == 0)
                break;
            done += static_cast<std::size_t>(got);
        }
        bytes.resize(done);
    } catch (...) {
        close(fd);
        throw;
    }
    close(fd);
    return bytes;
}

void RefuseSameFile(const std::string& input, const std::string& output)
{
    struct stat in
    {
    }, out {};
    if (stat(input.c_str(), &in) != 0 || stat(output.c_str(), &out) != 0)
        return; // a missing input is reported by its reader; a missing output is new
    if (in.st_dev == out.st_dev && in.st_ino == out.st_ino)
        throw ReadError(Printable(output) + ": is the input file " + Printable(input)
            + "; write to another file (the input would be destroyed while it is read)");
}

} // namespace tankora::io

#include "io/SafeWrite.h"

#include "io/FileMessage.h"
#include "io/PrintableText.h"

#include <cerrno>
#include <random>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tankora::io {
namespace {

[[noreturn]] void Fail(const std::string& path, const std::string& what, int error = 0)
{
    throw WriteError(FileMessage(path, what, error));
}

std::string FolderOf(const std::string& path)
{
    const std::size_t slash = path.find_last_of('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

// The path a chain of symbolic links ends at (which need not exist yet):
// the new file must replace that file, not the link.
std::string FollowLinks(const std::string& path)
{
    std::string current = path;
    for (int hops = 0; hops < 40; ++hops) {
        struct stat status
        { };
        if (lstat(current.c_str(), &status) != 0 || !S_ISLNK(status.st_mode))
            return current;
        std::string target(4096, '\0');
        const ssize_t length = readlink(current.c_str(), target.data(), target.size());
        if (length < 0 || static_cast<std::size_t>(length) >= target.size())
            Fail(path, "cannot follow the link", length < 0 ? errno : ENAMETOOLONG);
        target.resize(static_cast<std::size_t>(length));
        current = target.front() == '/' ? target : FolderOf(current) + "/" + target;
    }
    Fail(path, "cannot follow the link", ELOOP);
}

void WriteAll(int fd, std::string_view bytes, const std::string& path)
{
    while (!bytes.empty()) {
        const ssize_t written = write(fd, bytes.data(), bytes.size());
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            Fail(path, "cannot write", written < 0 ? errno : EIO);
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
}

// Closes a descriptor once; the owner of a failed write closes it silently.
class Descriptor
{
public:
    explicit Descriptor(int fd)
        : m_fd(fd)
    { }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    ~Descriptor()
    {
        if (m_fd >= 0)
            close(m_fd);
    }
    int Get() const { return m_fd; }
    void Reset(int fd)
    {
        if (m_fd >= 0)
            close(m_fd);
        m_fd = fd;
    }
    // Closes and returns 0 or the error.
    int Close()
    {
        const int result = close(m_fd);
        m_fd = -1;
        return result == 0 ? 0 : errno;
    }

private:
    int m_fd;
};

// A device or FIFO cannot be replaced: it is written like a pipe.
void WriteDirectly(const std::string& path, std::string_view bytes)
{
    Descriptor fd(open(path.c_str(), O_WRONLY | O_CLOEXEC | O_NOCTTY));
    if (fd.Get() < 0)
        Fail(path, "cannot open for writing", errno);
    WriteAll(fd.Get(), bytes, path);
    if (const int error = fd.Close())
        Fail(path, "cannot write", error);
}

std::string RandomSuffix()
{
    static std::mt19937_64 random { std::random_device {}() ^ static_cast<unsigned>(getpid()) };
    static const char kDigits[] = "abcdefghijklmnopqrstuvwxyz0123456789";
    std::string suffix;
    for (int i = 0; i < 8; ++i)
        suffix += kDigits[random() % (sizeof kDigits - 1)];
    return suffix;
}

std::string TemporaryName(const std::string& target)
{
    const std::size_t slash = target.find_last_of('/');
    const std::string base = slash == std::string::npos ? target : target.substr(slash + 1);
    return FolderOf(target) + "/." + base + "." + RandomSuffix() + ".tmp";
}

// Gives the synced nameless file a unique name beside the target; linkat
// never follows or replaces what is already there.
std::string NameTemporaryFile(int fd, const std::string& target)
{
    const std::string self = "/proc/self/fd/" + std::to_string(fd);
    for (int attempt = 0; attempt < 100; ++attempt) {
        std::string name = TemporaryName(target);
        if (linkat(AT_FDCWD, self.c_str(), AT_FDCWD, name.c_str(), AT_SYMLINK_FOLLOW) == 0)
            return name;
        if (errno != EEXIST)
            Fail(target, "cannot name the temporary file", errno);
    }
    Fail(target, "cannot name the temporary file", EEXIST);
}

// Where the kernel cannot make a nameless file: a unique name made exclusively.
int CreateNamedTemporaryFile(const std::string& target, mode_t mode, std::string& name)
{
    for (int attempt = 0; attempt < 100; ++attempt) {
        name = TemporaryName(target);
        const int fd
            = open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, mode);
        if (fd >= 0 || errno != EEXIST)
            return fd;
    }
    errno = EEXIST;
    return -1;
}

void RefuseUnwritable(const std::string& path, const struct stat& status)
{
    if ((status.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0)
        throw WriteError(
            FileMessage(path, "the file is write-protected; it was left as it was"), true);
    if (access(path.c_str(), W_OK) != 0)
        Fail(path, "the file may not be written; it was left as it was", errno);
}

void Replace(const std::string& path, const std::string& target, bool exists,
    const struct stat& old, std::string_view bytes)
{
    const std::string folder = FolderOf(target);
    const mode_t mode = exists ? (old.st_mode & 07777) : 0666;
    std::string name;
    Descriptor fd(open(folder.c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, mode));
    const bool nameless = fd.Get() >= 0;
    if (!nameless && errno != EACCES && errno != EROFS && errno != ENOSPC && errno != EDQUOT) {
        // Older kernels and some file systems have no nameless files.
        fd.Reset(CreateNamedTemporaryFile(target, mode, name));
    }
    if (fd.Get() < 0)
        Fail(path, "cannot create a file in " + Printable(folder), errno);
    try {
        // A new file takes the umask's bits; a replaced one keeps its own
        // (and, where we may, its owner).
        if (exists) {
            if (fchown(fd.Get(), old.st_uid, old.st_gid) != 0) {
                // Only the owner's own files are replaced without root; keep going.
            }
            if (fchmod(fd.Get(), mode) != 0)
                Fail(path, "cannot keep the file's permissions", errno);
        }
        WriteAll(fd.Get(), bytes, path);
        if (fsync(fd.Get()) != 0)
            Fail(path, "cannot write", errno);
        if (nameless)
            name = NameTemporaryFile(fd.Get(), target);
        if (rename(name.c_str(), target.c_str()) != 0)
            Fail(path, "cannot replace the file", errno);
    } catch (...) {
        if (!name.empty())
            unlink(name.c_str());
        throw;
    }
    // The rename is durable once the folder is synced.
    if (Descriptor dir(open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC)); dir.Get() >= 0)
        fsync(dir.Get());
    struct stat written
    {
    }, now {};
    if (fstat(fd.Get(), &written) != 0 || stat(target.c_str(), &now) != 0
        || written.st_dev != now.st_dev || written.st_ino != now.st_ino)
        Fail(path,
            "another program replaced the file while this one wrote it; the file is not "
            "this run's output");
    if (const int error = fd.Close())
        Fail(path, "cannot write", error);
}

} // namespace

void WriteFileSafely(const std::string& path, std::string_view bytes)
{
    if (path.empty())
        throw WriteError("no output file named");
    struct stat status
    { };
    if (stat(path.c_str(), &status) == 0) {
        if (S_ISDIR(status.st_mode))
            Fail(path, "is a folder");
        if (S_ISCHR(status.st_mode) || S_ISFIFO(status.st_mode)) {
            WriteDirectly(path, bytes);
            return;
        }
        if (!S_ISREG(status.st_mode))
            Fail(path, "is neither a regular file, a character device nor a FIFO");
        RefuseUnwritable(path, status);
        Replace(path, FollowLinks(path), true, status, bytes);
        return;
    }
    if (errno != ENOENT)
        Fail(path, "cannot write", errno);
    Replace(path, FollowLinks(path), false, status, bytes);
}

} // namespace tankora::io

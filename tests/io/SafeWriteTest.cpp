// The one way the programs write a file: whole or not at all, nothing of the
// user's lost, no temporary file left behind.

#include "io/SafeWrite.h"
#include "TestFolder.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <filesystem>
#include <thread>
#include <vector>

#include <fcntl.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace tankora::test;
using tankora::io::WriteError;
using tankora::io::WriteFileSafely;

namespace {

TEST(SafeWrite, ANewFileTakesTheUmasksBitsAndAReplacedOneKeepsItsOwn)
{
    TestFolder folder;
    const mode_t old = umask(027);
    WriteFileSafely(folder / "new.po", "new");
    umask(old);
    EXPECT_EQ(BytesOf(folder / "new.po"), "new");
    EXPECT_EQ(ModeOf(folder / "new.po"), 0640u);

    WriteBytes(folder / "private.po", "old", 0600);
    WriteFileSafely(folder / "private.po", "replaced");
    EXPECT_EQ(BytesOf(folder / "private.po"), "replaced");
    EXPECT_EQ(ModeOf(folder / "private.po"), 0600u) << "a private file made readable by others";
    EXPECT_EQ(folder.Names(), (std::set<std::string> { "new.po", "private.po" }));
}

TEST(SafeWrite, RefusesAWriteProtectedFileAndLeavesIt)
{
    TestFolder folder;
    WriteBytes(folder / "kept.mld", "precious", 0444);
    const std::string message
        = FailureOf<WriteError>([&] { WriteFileSafely(folder / "kept.mld", "new"); });
    EXPECT_NE(message.find(folder / "kept.mld"), std::string::npos) << message;
    EXPECT_NE(message.find("write-protected"), std::string::npos) << message;
    EXPECT_EQ(BytesOf(folder / "kept.mld"), "precious");
    EXPECT_EQ(ModeOf(folder / "kept.mld"), 0444u);
    EXPECT_EQ(folder.Names(), (std::set<std::string> { "kept.mld" }));
}

TEST(SafeWrite, WritesThroughASymbolicLinkAndKeepsTheLink)
{
    TestFolder folder;
    WriteBytes(folder / "real.po", "old", 0640);
    ASSERT_EQ(symlink("real.po", (folder / "link.po").c_str()), 0);
    WriteFileSafely(folder / "link.po", "through the link");
    struct stat status
    { };
    ASSERT_EQ(lstat((folder / "link.po").c_str(), &status), 0);
    EXPECT_TRUE(S_ISLNK(status.st_mode)) << "the link was replaced by a file";
    EXPECT_EQ(BytesOf(folder / "real.po"), "through the link");
    EXPECT_EQ(ModeOf(folder / "real.po"), 0640u);

    // A link to a file not there yet makes that file.
    ASSERT_EQ(symlink("later.po", (folder / "dangling.po").c_str()), 0);
    WriteFileSafely(folder / "dangling.po", "made");
    EXPECT_EQ(BytesOf(folder / "later.po"), "made");
    EXPECT_EQ(folder.Names(),
        (std::set<std::string> { "real.po", "link.po", "dangling.po", "later.po" }));
}

TEST(SafeWrite, ALinkAtATemporaryLookingNameIsNeitherFollowedNorRemoved)
{
    TestFolder folder;
    WriteBytes(folder / "victim", "untouched");
    WriteBytes(folder / "out.mld.tmp", "the user's own notes");
    ASSERT_EQ(symlink("victim", (folder / ".out.mld.tmp").c_str()), 0);
    ASSERT_EQ(symlink("victim", (folder / "out.tmp").c_str()), 0);
    WriteFileSafely(folder / "out.mld", "image");
    EXPECT_EQ(BytesOf(folder / "out.mld"), "image");
    EXPECT_EQ(BytesOf(folder / "victim"), "untouched");
    EXPECT_EQ(BytesOf(folder / "out.mld.tmp"), "the user's own notes");
    EXPECT_EQ(folder.Names(),
        (std::set<std::string> { "victim", "out.mld.tmp", ".out.mld.tmp", "out.tmp", "out.mld" }));
}

TEST(SafeWrite, RefusesAFolder)
{
    TestFolder folder;
    ASSERT_EQ(mkdir((folder / "dir").c_str(), 0755), 0);
    const std::string message
        = FailureOf<WriteError>([&] { WriteFileSafely(folder / "dir", "x"); });
    EXPECT_NE(message.find("is a folder"), std::string::npos) << message;
    EXPECT_EQ(folder.Names(), (std::set<std::string> { "dir" }));
}

TEST(SafeWrite, AFullDeviceIsAnErrorNamingIt)
{
    const std::string message
        = FailureOf<WriteError>([] { WriteFileSafely("/dev/full", "bytes"); });
    EXPECT_NE(message.find("/dev/full"), std::string::npos) << message;
    EXPECT_NE(message.find(std::strerror(ENOSPC)), std::string::npos) << message;
}

TEST(SafeWrite, WritesIntoAFifoWithoutReplacingIt)
{
    TestFolder folder;
    const std::string fifo = folder / "pipe";
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    std::string received;
    std::thread reader([&] {
        const int fd = open(fifo.c_str(), O_RDONLY);
        char buffer[256];
        for (ssize_t got; (got = read(fd, buffer, sizeof buffer)) > 0;)
            received.append(buffer, static_cast<std::size_t>(got));
        close(fd);
    });
    WriteFileSafely(fifo, "down the pipe");
    reader.join();
    EXPECT_EQ(received, "down the pipe");
    struct stat status
    { };
    ASSERT_EQ(lstat(fifo.c_str(), &status), 0);
    EXPECT_TRUE(S_ISFIFO(status.st_mode));
    EXPECT_EQ(folder.Names(), (std::set<std::string> { "pipe" }));
}

TEST(SafeWrite, AFullFileSystemLeavesTheOldFileAndNoTemporaryFile)
{
    TestFolder folder;
    const std::string disk = folder / "disk";
    ASSERT_EQ(mkdir(disk.c_str(), 0755), 0);
    if (mount("tankora-test", disk.c_str(), "tmpfs", 0, "size=64k") != 0)
        GTEST_SKIP() << "cannot mount a 64 KiB tmpfs here (" << std::strerror(errno)
                     << "); a full disk is covered by /dev/full only";
    const std::string target = disk + "/out.mld";
    WriteBytes(target, std::string(8 * 1024, 'o'));
    const std::string message
        = FailureOf<WriteError>([&] { WriteFileSafely(target, std::string(200 * 1024, 'n')); });
    EXPECT_NE(message.find(target), std::string::npos) << message;
    EXPECT_EQ(BytesOf(target), std::string(8 * 1024, 'o'));
    std::set<std::string> names;
    for (const auto& item : std::filesystem::directory_iterator(disk))
        names.insert(item.path().filename().string());
    EXPECT_EQ(names, (std::set<std::string> { "out.mld" }));
    umount2(disk.c_str(), MNT_DETACH);
}

TEST(SafeWrite, AKillMidWriteLeavesTheOldFileAndNoTemporaryFile)
{
    TestFolder folder;
    const std::string target = folder / "big.mld";
    WriteBytes(target, "old");
    const std::string big(64 << 20, 'n');
    for (const int delayMs : { 1, 5, 20 }) {
        const pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            WriteFileSafely(target, big);
            _exit(0);
        }
        usleep(static_cast<useconds_t>(delayMs * 1000));
        kill(child, SIGKILL);
        int status = 0;
        waitpid(child, &status, 0);
        const std::string now = BytesOf(target);
        EXPECT_TRUE(now == "old" || now == big) << "a half-written file after " << delayMs << " ms";
        EXPECT_EQ(folder.Names(), (std::set<std::string> { "big.mld" }))
            << "left behind after a kill at " << delayMs << " ms";
    }
}

TEST(SafeWrite, OfTwoWritersToOneFileTheFileHoldsOneWhoSucceeded)
{
    TestFolder folder;
    const std::string target = folder / "shared.mld";
    for (int round = 0; round < 20; ++round) {
        std::vector<std::string> contents { std::string(100000, 'a'), std::string(90000, 'b'),
            std::string(110000, 'c') };
        std::vector<bool> succeeded(contents.size());
        std::vector<std::thread> writers;
        for (std::size_t i = 0; i < contents.size(); ++i)
            writers.emplace_back([&, i] {
                succeeded[i]
                    = FailureOf<WriteError>([&] { WriteFileSafely(target, contents[i]); }).empty();
            });
        for (std::thread& writer : writers)
            writer.join();
        const std::string now = BytesOf(target);
        bool heldBySuccessful = false;
        for (std::size_t i = 0; i < contents.size(); ++i)
            heldBySuccessful = heldBySuccessful || (succeeded[i] && now == contents[i]);
        EXPECT_TRUE(heldBySuccessful) << "round " << round << ": the file is no successful run's";
        EXPECT_EQ(folder.Names(), (std::set<std::string> { "shared.mld" }));
    }
}

} // namespace

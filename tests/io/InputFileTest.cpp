// Inputs are regular files of bounded size; an output that is the input is
// refused before anything is read.

#include "io/InputFile.h"
#include "TestFolder.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

using namespace tankora::test;
using tankora::io::CheckInputFile;
using tankora::io::ReadError;
using tankora::io::ReadInputFile;
using tankora::io::RefuseSameFile;

namespace {

TEST(InputFile, ReadsARegularFileWhole)
{
    TestFolder folder;
    const std::string bytes = std::string("with\0nul", 8) + std::string(100000, 'x');
    WriteBytes(folder / "in.po", bytes);
    EXPECT_EQ(ReadInputFile(folder / "in.po"), bytes);
    WriteBytes(folder / "empty.po", "");
    EXPECT_EQ(ReadInputFile(folder / "empty.po"), "");
}

TEST(InputFile, RefusesWhatIsNoRegularFileWithoutWaitingOrGrowing)
{
    TestFolder folder;
    ASSERT_EQ(mkfifo((folder / "pipe").c_str(), 0600), 0);
    for (const std::string& path : { folder / "pipe", std::string("/dev/zero"), folder.Path() }) {
        const std::string message = FailureOf<ReadError>([&] { ReadInputFile(path); });
        EXPECT_NE(message.find(path + ": "), std::string::npos) << message;
        EXPECT_NE(FailureOf<ReadError>([&] { CheckInputFile(path); }), "") << path;
    }
    EXPECT_NE(FailureOf<ReadError>([&] {
        ReadInputFile(folder / "missing");
    }).find("missing: cannot open"),
        std::string::npos);
    // A missing file is left to the reader's own message.
    EXPECT_EQ(FailureOf<ReadError>([&] { CheckInputFile(folder / "missing"); }), "");
}

TEST(InputFile, RefusesAFileAboveTheLimitWithTheLimitInTheMessage)
{
    TestFolder folder;
    WriteBytes(folder / "big.json", std::string((2 << 20) + 1, ' '));
    const std::string message
        = FailureOf<ReadError>([&] { ReadInputFile(folder / "big.json", 2 << 20); });
    EXPECT_NE(message.find("big.json: is larger than 2 MiB"), std::string::npos) << message;
    EXPECT_NE(FailureOf<ReadError>([&] { CheckInputFile(folder / "big.json", 2 << 20); }), "");
    EXPECT_EQ(ReadInputFile(folder / "big.json", 3 << 20).size(), (2u << 20) + 1);
}

TEST(InputFile, AnOutputThatIsTheInputByAnyNameIsRefused)
{
    TestFolder folder;
    WriteBytes(folder / "cylang.json", "{}");
    ASSERT_EQ(link((folder / "cylang.json").c_str(), (folder / "hard.json").c_str()), 0);
    ASSERT_EQ(symlink("cylang.json", (folder / "soft.json").c_str()), 0);
    for (const std::string& output : { folder / "cylang.json", folder / "hard.json",
             folder / "soft.json", folder.Path() + "/./cylang.json" }) {
        const std::string message
            = FailureOf<ReadError>([&] { RefuseSameFile(folder / "cylang.json", output); });
        EXPECT_NE(message.find("is the input file"), std::string::npos) << output;
    }
    EXPECT_EQ(
        FailureOf<ReadError>([&] { RefuseSameFile(folder / "cylang.json", folder / "new.mld"); }),
        "");
    WriteBytes(folder / "other.json", "{}");
    EXPECT_EQ(FailureOf<ReadError>(
                  [&] { RefuseSameFile(folder / "cylang.json", folder / "other.json"); }),
        "");
}

} // namespace

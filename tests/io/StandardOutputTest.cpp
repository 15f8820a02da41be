// A program's standard output is checked at its end: a failed write is one
// error line and a non-zero exit.

#include "io/StandardOutput.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <iostream>
#include <string>

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

struct Ending
{
    int exitCode;
    std::string err;
};

// Runs FinishStandardOutput in a child whose standard output is the file.
Ending FinishWithOutputTo(const char* file, int exitCode, std::size_t size = 100)
{
    int pipeFds[2];
    EXPECT_EQ(pipe(pipeFds), 0);
    std::fflush(nullptr);
    const pid_t child = fork();
    if (child == 0) {
        const int out = open(file, O_WRONLY);
        dup2(out, 1);
        dup2(pipeFds[1], 2);
        std::cout << std::string(size, 'x') << "\n";
        std::printf("and printf\n");
        _exit(tankora::io::FinishStandardOutput("prog", exitCode));
    }
    close(pipeFds[1]);
    std::string err;
    char buffer[512];
    for (ssize_t got; (got = read(pipeFds[0], buffer, sizeof buffer)) > 0;)
        err.append(buffer, static_cast<std::size_t>(got));
    close(pipeFds[0]);
    int status = 0;
    waitpid(child, &status, 0);
    return { WIFEXITED(status) ? WEXITSTATUS(status) : -1, err };
}

TEST(StandardOutput, AFullOutputIsOneErrorLineAndANonZeroExit)
{
    const Ending full = FinishWithOutputTo("/dev/full", 0);
    EXPECT_EQ(full.exitCode, 1);
    EXPECT_EQ(full.err, "prog: cannot write the standard output: No space left on device\n");
    // Output larger than the buffer fails before the end; the reason may be gone by then.
    const Ending large = FinishWithOutputTo("/dev/full", 0, 100000);
    EXPECT_EQ(large.exitCode, 1);
    EXPECT_EQ(large.err.rfind("prog: cannot write the standard output: ", 0), 0u) << large.err;
    EXPECT_EQ(std::count(large.err.begin(), large.err.end(), '\n'), 1);
    // A code that already tells of a failure is kept.
    EXPECT_EQ(FinishWithOutputTo("/dev/full", 3).exitCode, 3);
}

TEST(StandardOutput, AnOutputThatArrivesKeepsTheCode)
{
    const Ending fine = FinishWithOutputTo("/dev/null", 0);
    EXPECT_EQ(fine.exitCode, 0);
    EXPECT_EQ(fine.err, "");
    EXPECT_EQ(FinishWithOutputTo("/dev/null", 2).exitCode, 2);
}

} // namespace

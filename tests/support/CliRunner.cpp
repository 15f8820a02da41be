#include "CliRunner.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <stdexcept>

namespace {

std::string ReadWhole(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// A fresh file name in the temporary folder; the file is created empty.
std::string TempFile()
{
    std::string path = (std::getenv("TMPDIR") ? std::getenv("TMPDIR") : "/tmp");
    path += "/tankora-cli-test-XXXXXX";
    const int fd = mkstemp(path.data());
    if (fd < 0)
        throw std::runtime_error("cannot create a temporary file");
    close(fd);
    return path;
}

} // namespace

std::vector<std::string> CliRun::OutLines() const
{
    std::vector<std::string> lines;
    std::istringstream in(out);
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

CliRun RunCli(const std::vector<std::string>& args)
{
    // Output goes to files rather than pipes so a long table cannot block
    // the child while the parent waits.
    const std::string outPath = TempFile();
    const std::string errPath = TempFile();

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(
        &actions, STDOUT_FILENO, outPath.c_str(), O_WRONLY | O_TRUNC, 0);
    posix_spawn_file_actions_addopen(
        &actions, STDERR_FILENO, errPath.c_str(), O_WRONLY | O_TRUNC, 0);

    std::vector<std::string> argvText = { TANKORA_CLI_PATH };
    argvText.insert(argvText.end(), args.begin(), args.end());
    std::vector<char*> argv;
    for (std::string& arg : argvText)
        argv.push_back(arg.data());
    argv.push_back(nullptr);

    CliRun run;
    pid_t pid = 0;
    const int spawned
        = posix_spawn(&pid, TANKORA_CLI_PATH, &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (spawned == 0) {
        int status = 0;
        waitpid(pid, &status, 0);
        run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
        run.out = ReadWhole(outPath);
        run.err = ReadWhole(errPath);
    }
    std::remove(outPath.c_str());
    std::remove(errPath.c_str());
    return run;
}

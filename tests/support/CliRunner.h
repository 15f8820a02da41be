#pragma once
// Runs the built tankora-cli as a child process and captures what it wrote.

#include <string>
#include <vector>

struct CliRun
{
    int exitCode = -1;
    std::string out; // stdout
    std::string err; // stderr

    // stdout split into lines, without their line breaks.
    std::vector<std::string> OutLines() const;
};

// Runs tankora-cli with `args` (passed as separate arguments, no shell
// interpretation) and waits for it.
CliRun RunCli(const std::vector<std::string>& args);

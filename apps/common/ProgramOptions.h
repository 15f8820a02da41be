#pragma once
// Options every command-line program of Tankora carries besides its own, and
// the shape of its help (HelpFormatter):
//   --version          "<program> <version>", exit code 0
//   --help-all         the help of the program and of every command at once
//                      (what the manual page is made from)
//   --bash-completion  hidden: prints the program's bash completion script,
//                      made from the options the program parses with
// Call AddProgramOptions before app.parse, and let the caller's handler hand
// every CLI::Success to app.exit(): the version, help and completion all
// leave through it with exit code 0.

#include <CLI/CLI.hpp>

#include <string>

namespace tankora::program {

// The version of this build, as the project declares it.
std::string Version();

void AddProgramOptions(CLI::App& app, const std::string& programName);

} // namespace tankora::program

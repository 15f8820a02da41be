#pragma once
// Writes a bash completion script for a CLI11 program from its own option
// tables: the commands, each command's options, the values of options that
// take one of a fixed set (a CheckedTransformer's names), and file names for
// options and arguments whose type name is FILE. One level of commands.

#include <CLI/CLI.hpp>

#include <string>
#include <vector>

namespace tankora::program {

// The script: a function _<program> (other characters than letters and
// digits become "_") registered with `complete -F` for `programName`.
std::string BashCompletion(const CLI::App& app, const std::string& programName);

// The names a CheckedTransformer on `option` accepts, in its own order; empty
// when the option takes any value.
std::vector<std::string> OptionChoices(const CLI::Option& option);

} // namespace tankora::program

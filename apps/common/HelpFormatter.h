#pragma once
// CLI11's help, shaped to read well in a terminal and to make a clear manual
// page through help2man:
// - --help-all heads each command with its usage line ending in ":" (a
//   sub-section of the page), then its description, arguments and options;
// - an option with a fixed set of names shows them ("exact|table") instead
//   of CLI11's description of the mapping;
// - an argument shows its name once ("FILE REQUIRED", not "FILE FILE").

#include <CLI/CLI.hpp>

namespace tankora::program {

class HelpFormatter : public CLI::Formatter
{
public:
    std::string make_expanded(const CLI::App* command) const override;
    std::string make_option_opts(const CLI::Option* option) const override;
};

} // namespace tankora::program

#include "ProgramOptions.h"

#include "BashCompletion.h"
#include "HelpFormatter.h"

#include <iostream>

namespace tankora::program {

std::string Version()
{
    return TANKORA_VERSION;
}

void AddProgramOptions(CLI::App& app, const std::string& programName)
{
    app.set_version_flag("--version", programName + " " + Version(), "Print the version and exit");
    app.set_help_all_flag("--help-all", "Print the help of every command and exit");
    // A command copied its program's formatter when it was added.
    const auto formatter = std::make_shared<HelpFormatter>();
    app.formatter(formatter);
    for (CLI::App* command : app.get_subcommands([](CLI::App*) { return true; }))
        command->formatter(formatter);
    // Hidden (no group): a build step, not something a user types. The
    // callback runs once every option of the program has been added, so the
    // script covers all of them; CLI::Success ends the parse with exit code 0.
    app.add_flag_callback("--bash-completion",
           [&app, programName] {
               std::cout << BashCompletion(app, programName);
               throw CLI::Success();
           })
        ->group("");
}

} // namespace tankora::program

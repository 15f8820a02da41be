#include "HelpFormatter.h"

#include "BashCompletion.h"

#include <sstream>

namespace tankora::program {

std::string HelpFormatter::make_expanded(const CLI::App* command) const
{
    const std::string name = command->get_parent() != nullptr
        ? command->get_parent()->get_name() + " " + command->get_name()
        : command->get_name();
    // "Usage: NAME [OPTIONS] FILE\n" becomes the heading "NAME [OPTIONS] FILE:".
    std::string usage = make_usage(command, name);
    const std::string prefix = get_label("Usage") + ":";
    if (usage.rfind(prefix, 0) == 0)
        usage.erase(0, prefix.size());
    while (!usage.empty() && (usage.back() == '\n' || usage.back() == ' '))
        usage.pop_back();
    while (!usage.empty() && usage.front() == ' ')
        usage.erase(0, 1);

    // Blank lines keep the group's title, the heading's description and the
    // options apart, each its own paragraph for help2man.
    std::ostringstream out;
    const CLI::App* parent = command->get_parent();
    if (parent != nullptr && parent->get_subcommands({}).front() == command)
        out << "\n";
    out << usage << ":\n";
    if (!command->get_description().empty())
        out << "  " << command->get_description() << "\n\n";
    const auto shown = [](const CLI::Option* option) { return !option->get_group().empty(); };
    for (const CLI::Option* option : command->get_options(shown)) {
        if (!option->nonpositional())
            out << make_option(option, true);
    }
    for (const CLI::Option* option : command->get_options(shown)) {
        if (option->nonpositional())
            out << make_option(option, false);
    }
    return out.str();
}

std::string HelpFormatter::make_option_opts(const CLI::Option* option) const
{
    const std::string required = option->get_required() ? " " + get_label("REQUIRED") : "";
    if (!option->nonpositional()) {
        const bool many = option->get_expected_max() > 1;
        return (many ? " ..." : "") + required;
    }
    const std::vector<std::string> choices = OptionChoices(*option);
    if (choices.empty())
        return CLI::Formatter::make_option_opts(option);
    std::string names;
    for (const std::string& choice : choices)
        names += (names.empty() ? "" : "|") + choice;
    return " " + names + required;
}

} // namespace tankora::program

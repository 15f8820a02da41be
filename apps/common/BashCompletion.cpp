#include "BashCompletion.h"

#include <cctype>
#include <sstream>

namespace tankora::program {

namespace {

// Every name an option is written with on the command line.
std::vector<std::string> Spellings(const CLI::Option& option)
{
    std::vector<std::string> names;
    for (const std::string& name : option.get_snames())
        names.push_back("-" + name);
    for (const std::string& name : option.get_lnames())
        names.push_back("--" + name);
    return names;
}

bool Hidden(const CLI::Option& option)
{
    return option.get_group().empty();
}

bool TakesValue(const CLI::Option& option)
{
    return option.get_type_size_max() > 0;
}

bool IsFile(const CLI::Option& option)
{
    return option.get_type_name().rfind("FILE", 0) == 0;
}

std::string Join(const std::vector<std::string>& words, const char* separator)
{
    std::string joined;
    for (const std::string& word : words)
        joined += (joined.empty() ? "" : separator) + word;
    return joined;
}

std::string FunctionName(const std::string& programName)
{
    std::string name = "_";
    for (char c : programName)
        name += std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
    return name;
}

// One command (or the program itself, with context ""): the words it offers
// and what follows each of its value options.
struct Context
{
    std::string name;
    const CLI::App* app;
};

// What the word after `option` completes to.
std::string ValueCompletion(const CLI::Option& option)
{
    const std::vector<std::string> choices = OptionChoices(option);
    if (!choices.empty())
        return "COMPREPLY=($(compgen -W \"" + Join(choices, " ") + "\" -- \"$cur\"))";
    if (IsFile(option))
        return "COMPREPLY=($(compgen -f -- \"$cur\"))";
    return "COMPREPLY=()";
}

} // namespace

std::vector<std::string> OptionChoices(const CLI::Option& option)
{
    // A CheckedTransformer describes itself as "value in {name->value,...}".
    const std::string type = option.get_type_name();
    const std::string marker = "value in {";
    const auto start = type.find(marker);
    if (start == std::string::npos)
        return {};
    const auto end = type.find('}', start);
    std::vector<std::string> choices;
    std::istringstream pairs(type.substr(start + marker.size(), end - start - marker.size()));
    for (std::string pair; std::getline(pairs, pair, ',');)
        choices.push_back(pair.substr(0, pair.find("->")));
    return choices;
}

std::string BashCompletion(const CLI::App& app, const std::string& programName)
{
    std::vector<Context> contexts { { "", &app } };
    for (const CLI::App* command : app.get_subcommands({}))
        contexts.push_back({ command->get_name(), command });

    const std::string function = FunctionName(programName);
    std::ostringstream out;
    out << "# bash completion for " << programName << "; made from the program's own options ("
        << programName << " --bash-completion)\n"
        << function << "()\n{\n"
        << "    local cur=${COMP_WORDS[COMP_CWORD]} prev=${COMP_WORDS[COMP_CWORD-1]}\n"
        << "    local context=\"\" i\n"
        // Find the command, stepping over the values of value options so that
        // a value that happens to be a command's name is not taken for one.
        << "    for ((i = 1; i < COMP_CWORD; i++)); do\n"
        << "        case \"$context:${COMP_WORDS[i]}\" in\n";
    for (const Context& context : contexts) {
        for (const CLI::Option* option : context.app->get_options({})) {
            if (option->nonpositional() && TakesValue(*option)) {
                for (const std::string& name : Spellings(*option))
                    out << "            \"" << context.name << ":" << name << "\") ((i++)) ;;\n";
            }
        }
    }
    for (std::size_t i = 1; i < contexts.size(); ++i)
        out << "            \":" << contexts[i].name << "\") context=" << contexts[i].name
            << " ;;\n";
    out << "        esac\n    done\n\n";

    out << "    case \"$context:$prev\" in\n";
    for (const Context& context : contexts) {
        for (const CLI::Option* option : context.app->get_options({})) {
            if (!option->nonpositional() || !TakesValue(*option))
                continue;
            std::vector<std::string> patterns;
            for (const std::string& name : Spellings(*option))
                patterns.push_back("\"" + context.name + ":" + name + "\"");
            out << "        " << Join(patterns, "|") << ") " << ValueCompletion(*option)
                << "; return ;;\n";
        }
    }
    out << "    esac\n\n";

    out << "    local words=\"\" files=\"\"\n    case $context in\n";
    for (const Context& context : contexts) {
        std::vector<std::string> words;
        bool files = false;
        for (const CLI::Option* option : context.app->get_options({})) {
            if (option->nonpositional() && !Hidden(*option)) {
                for (const std::string& name : Spellings(*option))
                    words.push_back(name);
            } else if (!option->nonpositional() && IsFile(*option)) {
                files = true;
            }
        }
        if (context.name.empty()) {
            for (std::size_t i = 1; i < contexts.size(); ++i)
                words.push_back(contexts[i].name);
        }
        out << "        \"" << context.name << "\") words=\"" << Join(words, " ") << "\""
            << (files ? " files=yes" : "") << " ;;\n";
    }
    out << "    esac\n"
        << "    if [[ $cur == -* || -z $files ]]; then\n"
        << "        COMPREPLY=($(compgen -W \"$words\" -- \"$cur\"))\n"
        << "    else\n"
        << "        COMPREPLY=($(compgen -f -- \"$cur\"))\n"
        << "    fi\n"
        << "}\n"
        << "complete -F " << function << " " << programName << "\n";
    return out.str();
}

} // namespace tankora::program

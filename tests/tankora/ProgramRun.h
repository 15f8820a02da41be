#pragma once
// Runs the tankora program as a process the way outside checks run it: on
// the offscreen platform, with TANKORA_DUMP, in a chosen current directory
// and under a chosen locale.

#include <QString>
#include <QStringList>

#include <nlohmann/json.hpp>

#include <optional>
#include <string>
#include <vector>

namespace tankora::test {

struct ProgramRun
{
    int exitCode = -1; // -1 when the program crashed or hung
    std::string err;
    // The dumped window state; none when no file was written.
    std::optional<nlohmann::json> state;
};

struct ProgramStart
{
    QString program = QStringLiteral(TANKORA_PROGRAM);
    QStringList arguments;
    QString folder; // the current directory
    QString dumpFile;
    // LANG, with LC_ALL and LC_MESSAGES removed; empty keeps the environment's.
    QString lang;
    // More variables, NAME=value each.
    QStringList environment;
};

ProgramRun RunProgram(const ProgramStart& start);

// The lines the program itself wrote to stderr ("tankora: ..."), without
// what Qt's platform plugins may log.
std::vector<std::string> ProgramLines(const std::string& err);

// The dumped component named `name`, or null.
const nlohmann::json* Component(const nlohmann::json& state, const std::string& name);

} // namespace tankora::test

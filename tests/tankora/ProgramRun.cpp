#include "ProgramRun.h"

#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>

namespace tankora::test {

ProgramRun RunProgram(const ProgramStart& start)
{
    QProcess program;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("TANKORA_DUMP"), start.dumpFile);
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    if (!start.lang.isEmpty()) {
        environment.remove(QStringLiteral("LC_ALL"));
        environment.remove(QStringLiteral("LC_MESSAGES"));
        environment.insert(QStringLiteral("LANG"), start.lang);
    }
    for (const QString& variable : start.environment)
        environment.insert(variable.section(u'=', 0, 0), variable.section(u'=', 1));
    program.setProcessEnvironment(environment);
    program.setWorkingDirectory(start.folder);
    QFile::remove(start.dumpFile);
    program.start(start.program, start.arguments);
    if (!program.waitForFinished(60000))
        program.kill();
    ProgramRun run;
    run.exitCode = program.exitStatus() == QProcess::NormalExit ? program.exitCode() : -1;
    run.err = program.readAllStandardError().toStdString();
    QFile dump(start.dumpFile);
    if (dump.open(QIODevice::ReadOnly))
        run.state = nlohmann::json::parse(dump.readAll().toStdString(), nullptr, false);
    return run;
}

std::vector<std::string> ProgramLines(const std::string& err)
{
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < err.size()) {
        const std::size_t end = err.find('\n', start);
        const std::string line = err.substr(start, end - start);
        if (line.starts_with("tankora: "))
            lines.push_back(line);
        start = end == std::string::npos ? err.size() : end + 1;
    }
    return lines;
}

const nlohmann::json* Component(const nlohmann::json& state, const std::string& name)
{
    for (const nlohmann::json& component : state["components"]) {
        if (component["name"] == name)
            return &component;
    }
    return nullptr;
}

} // namespace tankora::test

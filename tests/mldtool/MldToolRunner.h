#pragma once
// Runs the built mldtool as a process, as a user or a script would.

#include <QString>
#include <QStringList>

#include <string>

namespace tankora::test {

struct ToolRun
{
    int exitCode;
    std::string out, err;
};

// Runs mldtool with the arguments (in workingDirectory when given).
ToolRun Mldtool(const QStringList& arguments, const QString& workingDirectory = {});

// Runs a program of the build (its path under apps/, "formc/formc"), its
// standard output going to stdoutFile when one is given. A run still going
// after the timeout is killed and reported with exit code -1, as is a crash.
ToolRun RunProgram(const std::string& program, const QStringList& arguments,
    const QString& stdoutFile = {}, const QString& workingDirectory = {}, int timeoutMs = 60000);

// The number of lines (line ends) of a text.
int LineCount(const std::string& text);

// Writes bytes to a file of the running test's own (TempPath) and returns its path.
QString WriteTemp(const std::string& name, const std::string& bytes);

// The bytes of a file; empty when it cannot be read.
std::string ReadFile(const QString& path);

} // namespace tankora::test

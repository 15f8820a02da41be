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

// Writes bytes to a file of the running test's own (TempPath) and returns its path.
QString WriteTemp(const std::string& name, const std::string& bytes);

// The bytes of a file; empty when it cannot be read.
std::string ReadFile(const QString& path);

} // namespace tankora::test

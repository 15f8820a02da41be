#include "MldToolRunner.h"

#include "../l10n/mld/MldTestImages.h"

#include <QProcess>

#include <algorithm>
#include <fstream>
#include <sstream>

namespace tankora::test {

ToolRun Mldtool(const QStringList& arguments, const QString& workingDirectory)
{
    return RunProgram("mldtool/mldtool", arguments, {}, workingDirectory);
}

ToolRun RunProgram(const std::string& program, const QStringList& arguments,
    const QString& stdoutFile, const QString& workingDirectory, int timeoutMs)
{
    QProcess process;
    if (!stdoutFile.isEmpty())
        process.setStandardOutputFile(stdoutFile);
    if (!workingDirectory.isEmpty())
        process.setWorkingDirectory(workingDirectory);
    process.start(
        QString::fromStdString(std::string(TANKORA_BINARY_DIR "/apps/") + program), arguments);
    if (!process.waitForFinished(timeoutMs)) {
        process.kill();
        process.waitForFinished();
        return { -1, "", "still running after the timeout" };
    }
    return { process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
        process.readAllStandardOutput().toStdString(),
        process.readAllStandardError().toStdString() };
}

int LineCount(const std::string& text)
{
    return static_cast<int>(std::count(text.begin(), text.end(), '\n'));
}

QString WriteTemp(const std::string& name, const std::string& bytes)
{
    const std::string path = TempPath(name);
    std::ofstream(path, std::ios::binary) << bytes;
    return QString::fromStdString(path);
}

std::string ReadFile(const QString& path)
{
    std::ifstream in(path.toStdString(), std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

} // namespace tankora::test

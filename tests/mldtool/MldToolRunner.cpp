#include "MldToolRunner.h"

#include "../l10n/mld/MldTestImages.h"

#include <QProcess>

#include <fstream>
#include <sstream>

namespace tankora::test {

ToolRun Mldtool(const QStringList& arguments, const QString& workingDirectory)
{
    QProcess process;
    if (!workingDirectory.isEmpty())
        process.setWorkingDirectory(workingDirectory);
    process.start(QStringLiteral(TANKORA_BINARY_DIR "/apps/mldtool/mldtool"), arguments);
    process.waitForFinished(60000);
    return { process.exitCode(), process.readAllStandardOutput().toStdString(),
        process.readAllStandardError().toStdString() };
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

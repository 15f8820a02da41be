// cmake --install into a temporary prefix: the program in a folder of seven
// characters with the dictionary beside that folder, and a launcher and a
// desktop entry that start it in the dictionary's folder.
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

QByteArray Contents(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

TEST(Installation, PutsTheDictionaryBesideTheProgramsFolderAndStartsItThere)
{
    QTemporaryDir prefix;
    ASSERT_TRUE(prefix.isValid());
    QProcess install;
    install.start(QStringLiteral(TANKORA_CMAKE),
        { QStringLiteral("--install"), QStringLiteral(TANKORA_BINARY_DIR),
            QStringLiteral("--prefix"), prefix.path() });
    ASSERT_TRUE(install.waitForFinished(120000));
    ASSERT_EQ(install.exitCode(), 0) << install.readAllStandardError().toStdString();

    const QString home = prefix.filePath(QStringLiteral("lib/tankora"));
    const QString program = home + QStringLiteral("/program/tankora");
    EXPECT_TRUE(QFileInfo(program).isExecutable());
    // The program's folder with its last eight characters ("program/") cut.
    EXPECT_EQ(QFileInfo(program).absolutePath().chopped(7), home + u'/');
    EXPECT_EQ(Contents(home + QStringLiteral("/cylang.mld")), Contents(TANKORA_DICTIONARY));
    EXPECT_TRUE(QFileInfo::exists(
        prefix.filePath(QStringLiteral("share/icons/hicolor/scalable/apps/tankora.svg"))));

    const QString entry = QString::fromUtf8(
        Contents(prefix.filePath(QStringLiteral("share/applications/tankora.desktop"))));
    EXPECT_TRUE(entry.startsWith(QStringLiteral("[Desktop Entry]\n")));
    EXPECT_TRUE(entry.contains(QStringLiteral("\nExec=") + program + u'\n')) << entry.toStdString();
    EXPECT_TRUE(entry.contains(QStringLiteral("\nPath=") + home + u'\n')) << entry.toStdString();
    EXPECT_TRUE(entry.contains(QStringLiteral("\nIcon=tankora\n")));

    // The launcher runs the program in the dictionary's folder.
    QProcess launcher;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(
        QStringLiteral("TANKORA_DUMP"), prefix.filePath(QStringLiteral("state.json")));
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    launcher.setProcessEnvironment(environment);
    launcher.start(prefix.filePath(QStringLiteral("bin/tankora")), {});
    ASSERT_TRUE(launcher.waitForFinished(60000));
    EXPECT_EQ(launcher.exitCode(), 0) << launcher.readAllStandardError().toStdString();
    EXPECT_TRUE(QFileInfo::exists(prefix.filePath(QStringLiteral("state.json"))));
}

} // namespace

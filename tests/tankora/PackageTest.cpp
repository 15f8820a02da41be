// The Debian package, built by cpack from this build and unpacked with
// dpkg-deb into a temporary root: its programs, run from there in German,
// answer as the build tree's do. Skipped where the Debian tools are missing.
//
// The package is made from the build the tests run in (a sanitizer build
// here), not from a Release build: what is checked is what the package
// holds and how it lies, which does not depend on the compiler's options.
#include "ProgramRun.h"

#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QProcess>
#include <QProcessEnvironment>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

using nlohmann::json;
using tankora::test::ProgramRun;
using tankora::test::ProgramStart;
using tankora::test::RunProgram;

struct Ran
{
    int exitCode = -1;
    QString out;
    QString err;
};

// Runs `program` (always under LANG=de_DE.UTF-8) and waits (up to five minutes: cpack
// compresses a sanitizer build's binaries).
Ran RunTool(const QString& program, const QStringList& arguments)
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(QStringLiteral("LC_ALL"));
    environment.remove(QStringLiteral("LC_MESSAGES"));
    environment.insert(QStringLiteral("LANG"), QStringLiteral("de_DE.UTF-8"));
    process.setProcessEnvironment(environment);
    process.start(program, arguments);
    if (!process.waitForFinished(300000))
        process.kill();
    return { process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
        QString::fromUtf8(process.readAllStandardOutput()),
        QString::fromUtf8(process.readAllStandardError()) };
}

class Package : public ::testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        for (const char* tool : { "dpkg-deb", "dpkg-shlibdeps" }) {
            if (QStandardPaths::findExecutable(QString::fromLatin1(tool)).isEmpty()) {
                s_skipReason = std::string(tool)
                    + " is not installed (Debian's dpkg-dev): no package can be built here";
                return;
            }
        }
        s_work = new QTemporaryDir();
        const QString output = s_work->filePath(QStringLiteral("out"));
        // gzip rather than the release's xz: the same package, made in seconds.
        s_cpack = RunTool(QStringLiteral(TANKORA_CPACK),
            { QStringLiteral("--config"), QStringLiteral(TANKORA_BINARY_DIR "/CPackConfig.cmake"),
                QStringLiteral("-B"), output, QStringLiteral("-D"),
                QStringLiteral("CPACK_DEBIAN_COMPRESSION_TYPE=gzip") });
        const QStringList debs
            = QDir(output).entryList({ QStringLiteral("tankora_*.deb") }, QDir::Files);
        if (debs.size() == 1)
            s_deb = QDir(output).filePath(debs.first());
        s_root = s_work->filePath(QStringLiteral("root"));
        if (!s_deb.isEmpty())
            RunTool(QStringLiteral("dpkg-deb"), { QStringLiteral("-x"), s_deb, s_root });
    }

    static void TearDownTestSuite()
    {
        delete s_work;
        s_work = nullptr;
    }

    void SetUp() override
    {
        if (!s_skipReason.empty())
            GTEST_SKIP() << s_skipReason;
        ASSERT_EQ(s_cpack.exitCode, 0) << s_cpack.out.toStdString() << s_cpack.err.toStdString();
        ASSERT_FALSE(s_deb.isEmpty()) << "cpack wrote no tankora_*.deb";
    }

    static QString Installed(const char* path) { return s_root + QStringLiteral("/usr/") + path; }

    static QString Field(const char* name)
    {
        return RunTool(
            QStringLiteral("dpkg-deb"), { QStringLiteral("-f"), s_deb, QString::fromLatin1(name) })
            .out.trimmed();
    }

    static inline std::string s_skipReason;
    static inline QTemporaryDir* s_work = nullptr;
    static inline Ran s_cpack;
    static inline QString s_deb;
    static inline QString s_root;
};

TEST_F(Package, IsNamedAndDescribedAsDebianExpects)
{
    const QString version = QStringLiteral(TANKORA_VERSION);
    EXPECT_EQ(QFileInfo(s_deb).fileName(),
        QStringLiteral("tankora_%1_%2.deb")
            .arg(version,
                RunTool(QStringLiteral("dpkg"), { QStringLiteral("--print-architecture") })
                    .out.trimmed()));
    EXPECT_EQ(Field("Package"), QStringLiteral("tankora"));
    EXPECT_EQ(Field("Version"), version);
    EXPECT_EQ(Field("Section"), QStringLiteral("science"));
    EXPECT_EQ(Field("Priority"), QStringLiteral("optional"));
    EXPECT_TRUE(Field("Maintainer").contains(u'<'));
    // Computed from the binaries: the window needs Qt's widgets, every
    // program ICU.
    const QString depends = Field("Depends");
    EXPECT_TRUE(depends.contains(QStringLiteral("libqt6widgets6"))) << depends.toStdString();
    EXPECT_TRUE(depends.contains(QStringLiteral("libicu"))) << depends.toStdString();
    EXPECT_TRUE(QFileInfo::exists(Installed("share/doc/tankora/copyright")));
    EXPECT_TRUE(QFileInfo::exists(Installed("share/doc/tankora/changelog.gz")));
}

TEST_F(Package, HoldsEveryProgramPageCompletionAndIcon)
{
    for (const char* program : { "bin/tankora", "bin/tankora-cli", "bin/mldtool", "bin/localeinfo",
             "lib/tankora/program/tankora" })
        EXPECT_TRUE(QFileInfo(Installed(program)).isExecutable()) << program;
    for (const char* page : { "tankora", "tankora-cli", "mldtool", "localeinfo" })
        EXPECT_TRUE(QFileInfo::exists(
            Installed("share/man/man1/") + QString::fromLatin1(page) + QStringLiteral(".1.gz")))
            << page;
    for (const char* script : { "tankora-cli", "mldtool" })
        EXPECT_TRUE(QFileInfo::exists(
            Installed("share/bash-completion/completions/") + QString::fromLatin1(script)))
            << script;
    EXPECT_TRUE(QFileInfo::exists(Installed("share/applications/tankora.desktop")));
    EXPECT_FALSE(QDir(Installed("share/metainfo"))
                     .entryList({ QStringLiteral("*.metainfo.xml") })
                     .isEmpty());
    EXPECT_TRUE(QFileInfo::exists(Installed("share/icons/hicolor/scalable/apps/tankora.svg")));
    for (const int size : { 16, 32, 48, 64, 128, 256 }) {
        const QImage icon(Installed("share/icons/hicolor/%1x%1/apps/tankora.png").arg(size));
        EXPECT_EQ(icon.size(), QSize(size, size)) << size;
    }
}

TEST_F(Package, CalculatorAnswersAsFromTheBuildTree)
{
    const QStringList volume = { QStringLiteral("volume"), QStringLiteral("-L"),
        QStringLiteral("1"), QStringLiteral("-D"), QStringLiteral("1"), QStringLiteral("-b"),
        QStringLiteral("0"), QStringLiteral("-H"), QStringLiteral("0.5") };
    const Ran installed = RunTool(Installed("bin/tankora-cli"), volume);
    const Ran built = RunTool(QStringLiteral(TANKORA_CLI), volume);
    EXPECT_EQ(installed.exitCode, 0) << installed.err.toStdString();
    // pi/8 m3 in half of a 1 m by 1 m flat-ended tank; "." whatever the locale.
    EXPECT_TRUE(installed.out.startsWith(QStringLiteral("Volume: 0.3927 m3\n")))
        << installed.out.toStdString();
    EXPECT_EQ(installed.out, built.out);
}

TEST_F(Package, InstalledDictionaryReadsAsTheBuiltOne)
{
    const QStringList german
        = { QStringLiteral("--language"), QStringLiteral("1"), QStringLiteral("--json") };
    const Ran installed = RunTool(Installed("bin/mldtool"),
        QStringList { QStringLiteral("dump"), Installed("lib/tankora/cylang.mld") } + german);
    const Ran built = RunTool(QStringLiteral(TANKORA_MLDTOOL),
        QStringList { QStringLiteral("dump"), QStringLiteral(TANKORA_DICTIONARY) } + german);
    ASSERT_EQ(installed.exitCode, 0) << installed.err.toStdString();
    EXPECT_TRUE(installed.out.contains(QStringLiteral("\"translation\": \"Berechnen\"")));
    EXPECT_EQ(installed.out, built.out);
}

TEST_F(Package, WindowStartsInGermanAsFromTheBuildTree)
{
    const QTemporaryDir dumps;
    ASSERT_TRUE(dumps.isValid());
    // Started the way the launcher starts it: in the dictionary's folder.
    ProgramStart start;
    start.lang = QStringLiteral("de_DE.UTF-8");
    start.program = Installed("lib/tankora/program/tankora");
    start.folder = Installed("lib/tankora");
    start.dumpFile = dumps.filePath(QStringLiteral("installed.json"));
    const ProgramRun installed = RunProgram(start);
    start.program = QStringLiteral(TANKORA_PROGRAM);
    start.folder = QFileInfo(QStringLiteral(TANKORA_DICTIONARY)).absolutePath();
    start.dumpFile = dumps.filePath(QStringLiteral("built.json"));
    const ProgramRun built = RunProgram(start);
    ASSERT_EQ(installed.exitCode, 0) << installed.err;
    ASSERT_TRUE(installed.state && built.state);

    json installedState = *installed.state;
    json builtState = *built.state;
    EXPECT_EQ(installedState["dictionary"]["active"], true);
    EXPECT_EQ(installedState["dictionary"]["languageIndex"], 1);
    EXPECT_EQ(installedState["formatSettings"]["decimalSeparator"], ",");
    const nlohmann::json* calculate = tankora::test::Component(installedState, "BitBtn2");
    ASSERT_NE(calculate, nullptr);
    EXPECT_EQ((*calculate)["caption"], "Berechnen");
    // The dictionary's file name is the one thing that must differ.
    installedState["dictionary"].erase("fileName");
    builtState["dictionary"].erase("fileName");
    EXPECT_EQ(installedState, builtState);
}

} // namespace

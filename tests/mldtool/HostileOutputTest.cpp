// Every program that writes a file, run as a careless or hostile user would:
// odd output targets, a full disk, an output that is the input, two runs at
// once, a kill mid-write. Nothing the user had may change, no temporary file
// may be left, and every exit code tells the truth.

#include "../l10n/mld/MldTestImages.h"
#include "MldToolRunner.h"

#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <set>
#include <thread>

#include <fcntl.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace tankora::test;

namespace {

namespace fs = std::filesystem;

struct Folder
{
    QTemporaryDir dir;
    std::string operator/(const std::string& name) const
    {
        return dir.path().toStdString() + "/" + name;
    }
    std::set<std::string> Names() const
    {
        std::set<std::string> names;
        for (const auto& item : fs::directory_iterator(dir.path().toStdString()))
            names.insert(item.path().filename().string());
        return names;
    }
};

void Put(const std::string& path, const std::string& bytes, unsigned mode = 0644)
{
    std::ofstream(path, std::ios::binary) << bytes;
    chmod(path.c_str(), mode);
}

unsigned ModeOf(const std::string& path)
{
    struct stat status
    { };
    lstat(path.c_str(), &status);
    return status.st_mode & 07777;
}

// One writing command: its inputs made in a folder, and its arguments for an output.
struct WritingCommand
{
    std::string name;
    std::string program; // under apps/
    std::function<void(const Folder&)> makeInputs;
    std::function<QStringList(const Folder&, const std::string& output)> arguments;
    std::string input; // the name of an input file in the folder
};

void PrintTo(const WritingCommand& command, std::ostream* out)
{
    *out << command.name;
}

std::string GermanPo()
{
    return "msgid \"\"\nmsgstr \"\"\n\"Language: de_DE\\n\"\n"
           "\"Content-Type: text/plain; charset=UTF-8\\n\"\n\n"
           "msgid \"Calculate\"\nmsgstr \"Rechnen\"\n";
}

std::vector<WritingCommand> WritingCommands()
{
    const auto image = [](const Folder& f) { Put(f / "in.mld", Build(ExampleDescription())); };
    const auto q = [](const std::string& path) { return QString::fromStdString(path); };
    return {
        { "build", "mldtool/mldtool",
            [](const Folder& f) { Put(f / "in.json", ExampleDescription().dump(2)); },
            [q](const Folder& f, const std::string& out) {
                return QStringList { "build", q(f / "in.json"), "-o", q(out) };
            },
            "in.json" },
        { "export_po", "mldtool/mldtool", image,
            [q](const Folder& f, const std::string& out) {
                return QStringList { "export-po", q(f / "in.mld"), "--language", "1", "-o",
                    q(out) };
            },
            "in.mld" },
        { "import_po", "mldtool/mldtool",
            [image](const Folder& f) {
                image(f);
                Put(f / "de.po", GermanPo());
            },
            [q](const Folder& f, const std::string& out) {
                return QStringList { "import-po", q(f / "in.mld"), q(f / "de.po"), "-o", q(out) };
            },
            "de.po" },
        { "extract", "mldtool/mldtool",
            [](const Folder& f) {
                fs::create_directory(f / "src");
                Put(f / "src/Texts.cpp", "auto t = TranslateString(\"Hello\");\n");
            },
            [q](const Folder& f, const std::string& out) {
                return QStringList { "extract", q(f / "src"), "-o", q(out) };
            },
            "src/Texts.cpp" },
        { "formc", "formc/formc",
            [](const Folder& f) {
                fs::copy_file(
                    TANKORA_SOURCE_DIR "/fuzz/form_reader/corpus/AppForm.form", f / "in.form");
            },
            [q](const Folder& f, const std::string& out) {
                return QStringList { q(f / "in.form"), q(out) };
            },
            "in.form" },
    };
}

class HostileOutput : public testing::TestWithParam<WritingCommand>
{
protected:
    void SetUp() override { GetParam().makeInputs(m_folder); }

    ToolRun Write(const std::string& output)
    {
        return RunProgram(GetParam().program, GetParam().arguments(m_folder, output));
    }

    // The bytes a run writes to a fresh file: what a correct run leaves.
    std::string Expected()
    {
        const ToolRun run = Write(m_folder / "expected");
        EXPECT_EQ(run.exitCode, 0) << run.err;
        const std::string bytes = ReadFile(QString::fromStdString(m_folder / "expected"));
        fs::remove(m_folder / "expected");
        return bytes;
    }

    // The run failed with one line naming the file, and changed nothing.
    void ExpectRefused(
        const ToolRun& run, const std::string& named, const std::set<std::string>& namesBefore)
    {
        EXPECT_EQ(run.exitCode, 1) << run.err;
        EXPECT_EQ(LineCount(run.err), 1) << run.err;
        EXPECT_NE(run.err.find(named), std::string::npos) << run.err;
        EXPECT_EQ(m_folder.Names(), namesBefore) << "a file left behind or removed";
    }

    Folder m_folder;
};

TEST_P(HostileOutput, AReadOnlyTargetIsRefusedAndKept)
{
    const std::string out = m_folder / "out";
    Put(out, "precious", 0444);
    const auto names = m_folder.Names();
    ExpectRefused(Write(out), out, names);
    EXPECT_EQ(ReadFile(QString::fromStdString(out)), "precious");
    EXPECT_EQ(ModeOf(out), 0444u);
}

TEST_P(HostileOutput, APrivateTargetStaysPrivate)
{
    const std::string expected = Expected();
    const std::string out = m_folder / "out";
    Put(out, "old", 0600);
    const ToolRun run = Write(out);
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(ReadFile(QString::fromStdString(out)), expected);
    EXPECT_EQ(ModeOf(out), 0600u);
}

TEST_P(HostileOutput, ASymbolicLinkIsWrittenThroughAndTemporaryNamesAreLeftAlone)
{
    const std::string expected = Expected();
    Put(m_folder / "real", "old", 0640);
    Put(m_folder / "victim", "untouched");
    ASSERT_EQ(symlink("real", (m_folder / "link").c_str()), 0);
    ASSERT_EQ(symlink("victim", (m_folder / "link.tmp").c_str()), 0);
    ASSERT_EQ(symlink("victim", (m_folder / "real.tmp").c_str()), 0);
    Put(m_folder / "notes.tmp", "the user's own");
    const auto names = m_folder.Names();
    const ToolRun run = Write(m_folder / "link");
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(ReadFile(QString::fromStdString(m_folder / "real")), expected);
    EXPECT_EQ(ModeOf(m_folder / "real"), 0640u);
    EXPECT_EQ(ModeOf(m_folder / "link") & 0777, 0777u) << "the link is still a link";
    EXPECT_EQ(ReadFile(QString::fromStdString(m_folder / "victim")), "untouched");
    EXPECT_EQ(ReadFile(QString::fromStdString(m_folder / "notes.tmp")), "the user's own");
    EXPECT_EQ(m_folder.Names(), names);
}

TEST_P(HostileOutput, AFolderIsRefused)
{
    fs::create_directory(m_folder / "dir");
    const auto names = m_folder.Names();
    ExpectRefused(Write(m_folder / "dir"), m_folder / "dir", names);
    EXPECT_TRUE(fs::is_empty(m_folder / "dir"));
}

TEST_P(HostileOutput, AFullDeviceIsAnError)
{
    const auto names = m_folder.Names();
    ExpectRefused(Write("/dev/full"), "/dev/full", names);
}

TEST_P(HostileOutput, AFifoIsWrittenAndStaysAFifo)
{
    const std::string expected = Expected();
    const std::string fifo = m_folder / "pipe";
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    std::string received;
    std::thread reader([&] { received = ReadFile(QString::fromStdString(fifo)); });
    const ToolRun run = Write(fifo);
    reader.join();
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(received, expected);
    struct stat status
    { };
    ASSERT_EQ(lstat(fifo.c_str(), &status), 0);
    EXPECT_TRUE(S_ISFIFO(status.st_mode));
}

TEST_P(HostileOutput, TheInputAsOutputIsRefusedBeforeReading)
{
    const std::string input = m_folder / GetParam().input;
    const std::string before = ReadFile(QString::fromStdString(input));
    const auto names = m_folder.Names();
    const ToolRun run = Write(input);
    ExpectRefused(run, input, names);
    EXPECT_NE(run.err.find("is the input file"), std::string::npos) << run.err;
    EXPECT_EQ(ReadFile(QString::fromStdString(input)), before);
}

TEST_P(HostileOutput, AFailedRunLeavesTheTargetAsItWas)
{
    const std::string out = m_folder / "important.txt";
    Put(out, "keep me");
    // Every input gone: the run cannot succeed.
    for (const auto& name : m_folder.Names()) {
        if (name != "important.txt")
            fs::remove_all(m_folder / name);
    }
    const ToolRun run = Write(out);
    EXPECT_NE(run.exitCode, 0);
    EXPECT_EQ(ReadFile(QString::fromStdString(out)), "keep me");
    EXPECT_EQ(m_folder.Names(), (std::set<std::string> { "important.txt" }));
}

TEST_P(HostileOutput, AFullFileSystemLeavesTheOldFile)
{
    const std::string disk = m_folder / "disk";
    fs::create_directory(disk);
    if (mount("tankora-test", disk.c_str(), "tmpfs", 0, "size=64k") != 0)
        GTEST_SKIP() << "cannot mount a 64 KiB tmpfs here (" << std::strerror(errno)
                     << "); /dev/full stands for a full disk";
    const std::string out = disk + "/out";
    Put(out, "old");
    // Fill the rest of the disk.
    std::ofstream filler(disk + "/filler", std::ios::binary);
    const std::string block(4096, 'f');
    while (filler.write(block.data(), static_cast<std::streamsize>(block.size())))
        filler.flush();
    filler.close();
    const ToolRun run = Write(out);
    std::set<std::string> names;
    for (const auto& item : fs::directory_iterator(disk))
        names.insert(item.path().filename().string());
    const std::string after = ReadFile(QString::fromStdString(out));
    umount2(disk.c_str(), MNT_DETACH);
    EXPECT_EQ(run.exitCode, 1) << run.err;
    EXPECT_EQ(LineCount(run.err), 1) << run.err;
    EXPECT_EQ(after, "old");
    EXPECT_EQ(names, (std::set<std::string> { "out", "filler" }));
}

TEST_P(HostileOutput, TwoRunsAtOnceTellTheTruth)
{
    const std::string out = m_folder / "out";
    const std::string expected = Expected();
    for (int round = 0; round < 3; ++round) {
        ToolRun first, second;
        std::thread other([&] { first = Write(out); });
        second = Write(out);
        other.join();
        // Both runs write the same bytes; each succeeded or said why not,
        // and what is in the file is whole.
        for (const ToolRun* run : { &first, &second })
            EXPECT_TRUE(run->exitCode == 0 || (run->exitCode == 1 && LineCount(run->err) == 1))
                << run->err;
        EXPECT_TRUE(first.exitCode == 0 || second.exitCode == 0);
        EXPECT_EQ(ReadFile(QString::fromStdString(out)), expected);
    }
    auto names = m_folder.Names();
    names.erase("out");
    Folder fresh;
    GetParam().makeInputs(fresh);
    EXPECT_EQ(names, fresh.Names()) << "a temporary file left behind";
}

INSTANTIATE_TEST_SUITE_P(EveryWritingCommand, HostileOutput, testing::ValuesIn(WritingCommands()),
    [](const testing::TestParamInfo<WritingCommand>& instance) { return instance.param.name; });

// Two builds of different images to one output: the file holds the image of
// a run that reported success.
TEST(HostileBuild, OfTwoDifferentBuildsTheFileHoldsOneThatSucceeded)
{
    Folder folder;
    nlohmann::json second = ExampleDescription();
    second["entries"][0]["translations"][0] = "Ausrechnen";
    Put(folder / "a.json", ExampleDescription().dump());
    Put(folder / "b.json", second.dump());
    const std::string images[] = { Build(ExampleDescription()), Build(second) };
    const QString out = QString::fromStdString(folder / "out.mld");
    for (int round = 0; round < 4; ++round) {
        ToolRun runs[2];
        std::thread other([&] {
            runs[0] = Mldtool({ "build", QString::fromStdString(folder / "a.json"), "-o", out });
        });
        runs[1] = Mldtool({ "build", QString::fromStdString(folder / "b.json"), "-o", out });
        other.join();
        const std::string now = ReadFile(out);
        EXPECT_TRUE((runs[0].exitCode == 0 && now == images[0])
            || (runs[1].exitCode == 0 && now == images[1]))
            << "round " << round << ": " << runs[0].err << runs[1].err;
    }
    EXPECT_EQ(folder.Names(), (std::set<std::string> { "a.json", "b.json", "out.mld" }));
}

// A kill during a large build leaves the old image and no temporary file.
TEST(HostileBuild, AKillMidWriteLeavesTheOldImage)
{
    Folder folder;
    nlohmann::json large = ExampleDescription();
    large["entries"] = nlohmann::json::array();
    for (int i = 0; i < 20000; ++i)
        large["entries"].push_back(
            { { "native", "Text number " + std::to_string(i) }, { "context", "" },
                { "subContext", "" }, { "translations", { std::string(200, 'x') } } });
    Put(folder / "large.json", large.dump());
    Put(folder / "out.mld", "old image");
    for (const int delayMs : { 100, 400, 1200 }) {
        QProcess build;
        build.start(QStringLiteral(TANKORA_BINARY_DIR "/apps/mldtool/mldtool"),
            { "build", QString::fromStdString(folder / "large.json"), "-o",
                QString::fromStdString(folder / "out.mld") });
        ASSERT_TRUE(build.waitForStarted());
        if (build.waitForFinished(delayMs))
            continue; // done before the kill: nothing to learn this time
        ::kill(static_cast<pid_t>(build.processId()), SIGKILL);
        build.waitForFinished();
        const std::string now = ReadFile(QString::fromStdString(folder / "out.mld"));
        EXPECT_TRUE(now == "old image" || now.rfind("MLD", 0) == 0) << "a half-written image";
        EXPECT_EQ(folder.Names(), (std::set<std::string> { "large.json", "out.mld" }))
            << "after a kill at " << delayMs << " ms";
    }
}

} // namespace

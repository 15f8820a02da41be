// tankora run as a process with TANKORA_DUMP, the way outside checks run it:
// the window's state once it has started, as JSON, then the program ends.
#include "ProgramRun.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

namespace {

using nlohmann::json;
using tankora::test::Component;
using tankora::test::ProgramRun;
using tankora::test::RunProgram;

// Runs the program in `folder` (its current directory) with the dump going
// to `dumpFile`.
ProgramRun RunWithDump(const QString& folder, const QString& dumpFile)
{
    tankora::test::ProgramStart start;
    start.folder = folder;
    start.dumpFile = dumpFile;
    return RunProgram(start);
}

TEST(WindowDump, WritesTheWindowAsItStartedAndEnds)
{
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QString file = folder.filePath(QStringLiteral("state.json"));
    const ProgramRun run = RunWithDump(folder.path(), file);
    ASSERT_EQ(run.exitCode, 0) << run.err;
    ASSERT_TRUE(run.state);
    const json& state = *run.state;

    EXPECT_EQ(state["readingDirection"], "ltr");
    // No cylang.mld in the current directory and no language argument.
    EXPECT_EQ(state["dictionary"],
        json({ { "active", false }, { "fileName", "cylang.mld" }, { "languageIndex", 0 },
            { "activeLocale", 0 } }));
    EXPECT_EQ(state["translator"],
        json({ { "opened", false }, { "mirrored", false }, { "scaled", false } }));
    EXPECT_EQ(state["formatSettings"]["decimalSeparator"], ".");

    const json& form = state["components"].at(0);
    EXPECT_EQ(form["name"], "MainForm");
    EXPECT_EQ(form["class"], "TMainForm");
    EXPECT_EQ(form["owner"], "");
    EXPECT_EQ(form["caption"], "Tankora");
    EXPECT_EQ(form["visible"], true);
    EXPECT_EQ(form["font"], json({ { "name", "MS Sans Serif" }, { "size", 8 }, { "charset", 1 } }));

    // Every component once, in the order the window owns them, each followed
    // by what it owns itself (the radio group's unnamed buttons).
    std::vector<std::string> names;
    for (const json& component : state["components"])
        names.push_back(component["name"]);
    EXPECT_EQ(std::vector<std::string>(names.begin(), names.begin() + 7),
        std::vector<std::string>({ "MainForm", "Panel1", "BitBtn1", "BitBtn2", "stResultHint",
            "BitBtn3", "GroupBox1" }));
    // The translator and the dictionary come after every control.
    EXPECT_EQ(std::vector<std::string>(names.end() - 3, names.end()),
        std::vector<std::string>({ "VerticalImg", "IvTranslator1", "IvBinaryDictionary1" }));
    const auto group = std::find(names.begin(), names.end(), "CalcOptions");
    ASSERT_NE(group, names.end());
    const std::size_t groupIndex = std::size_t(group - names.begin());
    for (std::size_t i = 1; i <= 3; ++i) {
        const json& button = state["components"][groupIndex + i];
        EXPECT_EQ(button["owner"], "CalcOptions");
        EXPECT_EQ(button["parent"], "CalcOptions");
        EXPECT_EQ(button["name"], "");
    }
    names.erase(std::remove(names.begin(), names.end(), ""), names.end());
    EXPECT_EQ(std::set<std::string>(names.begin(), names.end()).size(), names.size());
    EXPECT_EQ(names.size(), 46u); // with the head list, the note on exact results, the chart button

    const json* units = Component(state, "CbResultUnits");
    ASSERT_NE(units, nullptr);
    EXPECT_EQ(units->at("class"), "TComboBox");
    EXPECT_EQ(units->at("parent"), "GroupBox3");
    EXPECT_EQ(json::array(
                  { units->at("left"), units->at("top"), units->at("width"), units->at("height") }),
        json::array({ 151, 36, 73, 21 }));
    EXPECT_EQ(units->at("text"), "m3");
    EXPECT_EQ(units->at("itemIndex"), 0);
    EXPECT_EQ(units->at("items").size(), 9u);
    EXPECT_FALSE(units->contains("caption"));

    const json* height = Component(state, "eH");
    ASSERT_NE(height, nullptr);
    EXPECT_EQ(height->at("hint"), "Use any value between 0 to 1E100");
    EXPECT_EQ(height->at("text"), "0.0");
    EXPECT_FALSE(height->contains("items"));
    const json* secondResult = Component(state, "stResult2");
    ASSERT_NE(secondResult, nullptr);
    EXPECT_EQ(secondResult->at("visible"), false);
    EXPECT_EQ(secondResult->at("caption"), "Result: ");
}

// Outside checks read the window as it starts for everyone, whatever the
// machine's user left in the saved settings; and the dump saves nothing.
TEST(WindowDump, IgnoresAndKeepsTheSavedSettings)
{
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    ASSERT_TRUE(QDir(folder.path()).mkpath(QStringLiteral("config/Tankora")));
    const QString saved = folder.filePath(QStringLiteral("config/Tankora/Tankora.conf"));
    const QByteArray content = "[General]\nmode=height\nmethod=exact\n[tank]\nL=7\n";
    {
        QFile file(saved);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(content);
    }
    tankora::test::ProgramStart start;
    start.folder = folder.path();
    start.dumpFile = folder.filePath(QStringLiteral("state.json"));
    start.environment
        = { QStringLiteral("XDG_CONFIG_HOME=") + folder.filePath(QStringLiteral("config")) };
    const ProgramRun run = RunProgram(start);
    ASSERT_EQ(run.exitCode, 0) << run.err;
    ASSERT_TRUE(run.state);
    EXPECT_EQ(Component(*run.state, "CalcOptions")->at("itemIndex"), 0);
    EXPECT_EQ(Component(*run.state, "cbMethod")->at("itemIndex"), 0);
    EXPECT_EQ(Component(*run.state, "dL")->at("text"), "0");
    QFile file(saved);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), content);
}

TEST(WindowDump, AFileThatCannotBeWrittenEndsTheProgramWithAnError)
{
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QString file = folder.filePath(QStringLiteral("missing/state.json"));
    const ProgramRun run = RunWithDump(folder.path(), file);
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_NE(run.err.find("missing/state.json"), std::string::npos) << run.err;
}

} // namespace

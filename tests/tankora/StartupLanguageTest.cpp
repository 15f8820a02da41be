// The start-up language of the real program: a copy of it in a folder of
// seven characters, run with TANKORA_DUMP in a chosen current directory and
// locale, with the shipped cylang.mld beside that folder, in the current
// directory, in both or nowhere.
#include "ProgramRun.h"
#include "ShippedDictionary.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>

namespace {

using nlohmann::json;
using tankora::test::Component;
using tankora::test::ProgramLines;
using tankora::test::ProgramRun;

enum class FileIn { Nowhere, Parent, Cwd, Both };

struct StartupCase
{
    const char* name;
    QStringList arguments;
    FileIn file;
    const char* lang;
    // Expected: the dictionary open, in language index `language` (its ISO
    // code `iso`, "" for the window as written), read from the file beside
    // the program's folder (`fromParent`) or in the current directory.
    bool active;
    int language;
    const char* iso;
    bool fromParent;
    char decimalSeparator;
};

void PrintTo(const StartupCase& c, std::ostream* out)
{
    *out << c.name;
}

// root/program/tankora: "program" has seven characters, so the program
// looks for root/cylang.mld. The current directory is root/work.
class StartupLanguageTest : public ::testing::TestWithParam<StartupCase>
{
protected:
    static void SetUpTestSuite()
    {
        s_root = std::make_unique<QTemporaryDir>();
        ASSERT_TRUE(s_root->isValid());
        ASSERT_TRUE(QDir(s_root->path()).mkpath(QStringLiteral("program")));
        ASSERT_TRUE(QFile::copy(QStringLiteral(TANKORA_PROGRAM), Program()));
    }
    static void TearDownTestSuite() { s_root.reset(); }

    void SetUp() override
    {
        ASSERT_TRUE(QDir(Root()).mkpath(QStringLiteral("work")));
        QFile::remove(ParentFile());
        QFile::remove(CwdFile());
    }

    static QString Root() { return QFileInfo(s_root->path()).canonicalFilePath(); }
    static QString Program() { return s_root->filePath(QStringLiteral("program/tankora")); }
    static QString Cwd() { return Root() + QStringLiteral("/work"); }
    static QString ParentFile() { return Root() + QStringLiteral("/cylang.mld"); }
    static QString CwdFile() { return Cwd() + QStringLiteral("/cylang.mld"); }

    static void Place(FileIn where)
    {
        if (where == FileIn::Parent || where == FileIn::Both) {
            ASSERT_TRUE(QFile::copy(QStringLiteral(TANKORA_DICTIONARY), ParentFile()));
        }
        if (where == FileIn::Cwd || where == FileIn::Both) {
            ASSERT_TRUE(QFile::copy(QStringLiteral(TANKORA_DICTIONARY), CwdFile()));
        }
    }

    static ProgramRun Run(const QStringList& arguments, const char* lang)
    {
        return tankora::test::RunProgram({ .program = Program(),
            .arguments = arguments,
            .folder = Cwd(),
            .dumpFile = Root() + QStringLiteral("/state.json"),
            .lang = QString::fromLatin1(lang),
            .environment = {} });
    }

    static std::unique_ptr<QTemporaryDir> s_root;
};

std::unique_ptr<QTemporaryDir> StartupLanguageTest::s_root;

TEST_P(StartupLanguageTest, OpensTheExpectedFileInTheExpectedLanguage)
{
    const StartupCase& c = GetParam();
    Place(c.file);
    const ProgramRun run = Run(c.arguments, c.lang);
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_TRUE(ProgramLines(run.err).empty()) << run.err; // nothing reported, whatever failed
    ASSERT_TRUE(run.state);
    const json& state = *run.state;

    const json& dictionary = state["dictionary"];
    EXPECT_EQ(dictionary["active"], c.active);
    EXPECT_EQ(state["translator"]["opened"], c.active);
    if (c.active) {
        EXPECT_EQ(dictionary["languageIndex"], c.language);
    }
    const QString file = c.fromParent ? ParentFile() : c.active ? CwdFile() : QString();
    if (!file.isEmpty()) {
        EXPECT_EQ(dictionary["fileName"], file.toStdString());
    }
    EXPECT_EQ(state["formatSettings"]["decimalSeparator"], std::string(1, c.decimalSeparator));

    // The window's texts: a caption, a list item and a hint.
    const tankora::test::ShippedDictionary shipped;
    const auto shown = [&](const char* native) {
        if (*c.iso == 0)
            return std::string(native);
        const auto translation = shipped.Translation(QString::fromUtf8(native), c.iso);
        return translation ? translation->toStdString() : std::string(native);
    };
    EXPECT_EQ(Component(state, "BitBtn2")->at("caption"), shown("Calculate"));
    EXPECT_EQ(
        Component(state, "CbOrientation")->at("items").at(1), shown("Vertical Cylindrical Tank"));
    EXPECT_EQ(Component(state, "dL")->at("hint"), shown("Use any value between 0 to 1E100"));
}

const QStringList kNone;

INSTANTIATE_TEST_SUITE_P(Program, StartupLanguageTest,
    ::testing::Values(
        // Without an argument only the current directory counts.
        StartupCase { "NoArgumentFileOnlyBesideTheProgram", kNone, FileIn::Parent, "de_DE.UTF-8",
            false, 0, "", false, ',' },
        StartupCase { "NoArgumentFileInTheCurrentDirectory", kNone, FileIn::Cwd, "de_DE.UTF-8",
            true, 1, "de", false, ',' },
        StartupCase { "NoArgumentEnglishUserGetsTheWindowAsWritten", kNone, FileIn::Cwd,
            "en_GB.UTF-8", true, 0, "", false, '.' },
        // An argument takes the file beside the program's folder; the
        // language's locale then sets the separator, whatever the user's.
        StartupCase { "LanguageTwoFileOnlyBesideTheProgram", { "2" }, FileIn::Parent, "en_US.UTF-8",
            true, 2, "fr", true, ',' },
        StartupCase { "LanguageTwoSwitchesTheAutomaticallyOpenedOne", { "2" }, FileIn::Both,
            "de_DE.UTF-8", true, 2, "fr", true, ',' },
        StartupCase { "NotANumberSetsTheFileAndNothingMore", { "abc" }, FileIn::Parent,
            "en_US.UTF-8", false, 0, "", true, '.' },
        StartupCase { "NotANumberKeepsTheAutomaticOpening", { "abc" }, FileIn::Both, "de_DE.UTF-8",
            true, 1, "de", true, ',' },
        StartupCase { "LanguageBeyondTheFileStaysUntranslated", { "99" }, FileIn::Parent,
            "en_US.UTF-8", false, 0, "", true, '.' },
        // -1 and -2 are the dictionary's own; any other negative index is
        // one the dictionary lacks: the window stays as the locale chose it.
        StartupCase { "NegativeIndexLeavesTheWindowAsTheLocaleChose", { "-3" }, FileIn::Parent,
            "de_DE.UTF-8", false, 0, "", true, ',' },
        StartupCase { "NegativeIndexKeepsTheAutomaticOpening", { "-7" }, FileIn::Both,
            "de_DE.UTF-8", true, 1, "de", true, ',' },
        StartupCase { "ArgumentAndNoFileAnywhere", { "2" }, FileIn::Nowhere, "en_US.UTF-8", false,
            0, "", false, '.' },
        StartupCase { "EmptyArgumentIsNoArgument", { "" }, FileIn::Parent, "en_US.UTF-8", false, 0,
            "", false, '.' }),
    [](const ::testing::TestParamInfo<StartupCase>& instance) {
        return std::string(instance.param.name);
    });

// An unusable file in the current directory never stops the calculator: the
// window starts as stored, the error is one line naming the file, the dump
// records it, and the run ends normally.
TEST_F(StartupLanguageTest, AnUnusableFileInTheCurrentDirectoryIsReportedAndTheWindowStarts)
{
    QFile shipped(QStringLiteral(TANKORA_DICTIONARY));
    ASSERT_TRUE(shipped.open(QIODevice::ReadOnly));
    const QByteArray whole = shipped.readAll();
    const struct
    {
        const char* what;
        QByteArray bytes;
    } files[] = {
        { "text", "not a dictionary at all, just some text\n" },
        { "empty", QByteArray() },
        { "truncated", whole.left(whole.size() / 2) },
    };
    for (const auto& file : files) {
        QFile invalid(CwdFile());
        ASSERT_TRUE(invalid.open(QIODevice::WriteOnly | QIODevice::Truncate));
        invalid.write(file.bytes);
        invalid.close();
        const ProgramRun run = Run({}, "de_DE.UTF-8");
        EXPECT_EQ(run.exitCode, 0) << file.what << run.err;
        const std::vector<std::string> lines = ProgramLines(run.err);
        ASSERT_EQ(lines.size(), 1u) << file.what << run.err;
        const std::string prefix = "tankora: " + CwdFile().toStdString() + ": ";
        EXPECT_EQ(lines[0].substr(0, prefix.size()), prefix) << file.what;
        EXPECT_EQ(lines[0].back(), '.') << lines[0];
        ASSERT_TRUE(run.state) << file.what;
        const json& state = *run.state;
        ASSERT_TRUE(state["dictionaryError"].is_string()) << file.what;
        // The reader's own message, the same the line carries.
        EXPECT_NE(lines[0].find(state["dictionaryError"].get<std::string>()), std::string::npos);
        EXPECT_EQ(state["dictionary"]["active"], false);
        EXPECT_EQ(state["translator"]["opened"], false);
        EXPECT_EQ(Component(state, "BitBtn2")->at("caption"), "Calculate") << file.what;
        EXPECT_EQ(state["formatSettings"]["decimalSeparator"], ",") << "the user's own locale";
    }
}

TEST_F(StartupLanguageTest, AGoodFileBesideTheProgramStillOpensAfterABadOneHere)
{
    Place(FileIn::Parent);
    QFile invalid(CwdFile());
    ASSERT_TRUE(invalid.open(QIODevice::WriteOnly));
    invalid.write("MLD? no");
    invalid.close();
    const ProgramRun run = Run({ "2" }, "en_US.UTF-8");
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(ProgramLines(run.err).size(), 1u) << run.err;
    ASSERT_TRUE(run.state);
    EXPECT_EQ((*run.state)["dictionary"]["active"], true);
    EXPECT_EQ((*run.state)["dictionary"]["languageIndex"], 2);
    EXPECT_TRUE((*run.state)["dictionaryError"].is_string());
}

TEST_F(StartupLanguageTest, AGoodStartRecordsNoDictionaryError)
{
    Place(FileIn::Cwd);
    const ProgramRun run = Run({}, "de_DE.UTF-8");
    ASSERT_EQ(run.exitCode, 0) << run.err;
    ASSERT_TRUE(run.state);
    EXPECT_TRUE((*run.state)["dictionaryError"].is_null());
}

} // namespace

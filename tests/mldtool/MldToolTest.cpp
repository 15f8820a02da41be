// mldtool run as a process, against its command-line contract.

#include "../l10n/mld/MldTestImages.h"
#include "MldToolRunner.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>

using namespace tankora::test;
using nlohmann::json;

namespace {

// An image with every part: contexts, locales, UTF-16 Cyrillic, version 3, big-endian.
json RichDescription()
{
    json description = ExampleDescription();
    description["header"] = { { "version", 3 }, { "littleEndian", false }, { "ansiStrings", false },
        { "contextKind", 1 } };
    description["languages"].push_back(
        LanguageDescription(25, 1, { 1 }, 1251, "Russian", "Русский", "ru", "RU"));
    description["locales"] = { GermanLocaleDescription() };
    description["entries"] = { { { "native", "Calculate" }, { "context", "TMainForm" },
        { "subContext", "BitBtn2" }, { "translations", { "Berechnen", "Рассчитать" } } } };
    return description;
}

} // namespace

TEST(Mldtool, BuildWritesTheExampleByteForByte)
{
    const QString input = WriteTemp("example.json", ExampleDescription().dump());
    const QString output = QString::fromStdString(TempPath("example-built.mld"));
    const ToolRun run = Mldtool({ "build", input, "-o", output });
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(ReadFile(output), ExampleBytes());
}

TEST(Mldtool, DumpJsonReadsTheChosenColumn)
{
    const QString file = WriteTemp("example.mld", ExampleBytes());
    const ToolRun run = Mldtool({ "dump", file, "--language", "1", "--json" });
    ASSERT_EQ(run.exitCode, 0) << run.err;
    const json dump = json::parse(run.out);
    EXPECT_EQ(dump["header"]["version"], 2);
    EXPECT_EQ(dump["header"]["languageCount"], 2);
    EXPECT_EQ(dump["column"], 1);
    EXPECT_EQ(dump["entries"][0]["translation"], "Berechnen");
    EXPECT_EQ(dump["languages"][1]["nativeName"], "Deutsch");
    EXPECT_EQ(dump["languages"][1]["subLanguage"], 1);
    EXPECT_EQ(dump["languages"][0]["englishName"], "Native");
}

TEST(Mldtool, DumpTextIsForPeople)
{
    const QString file = WriteTemp("example.mld", ExampleBytes());
    const ToolRun run = Mldtool({ "dump", file, "--language", "1" });
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_NE(run.out.find("MLD version 2"), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("German (Deutsch)"), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("\"Calculate\" -> \"Berechnen\""), std::string::npos) << run.out;
}

TEST(Mldtool, RawAllJsonBuildsBackToTheSameBytes)
{
    for (const json& description : { ExampleDescription(), RichDescription() }) {
        const std::string original = Build(description);
        const QString file = WriteTemp("original.mld", original);
        const ToolRun dump = Mldtool({ "dump", file, "--raw", "--all", "--json" });
        ASSERT_EQ(dump.exitCode, 0) << dump.err;
        const json shown = json::parse(dump.out);
        EXPECT_FALSE(shown.contains("column"));
        const QString input = WriteTemp("dumped.json", dump.out);
        const QString rebuilt = QString::fromStdString(TempPath("rebuilt.mld"));
        const ToolRun build = Mldtool({ "build", input, "-o", rebuilt });
        ASSERT_EQ(build.exitCode, 0) << build.err;
        EXPECT_EQ(ReadFile(rebuilt), original);
    }
}

TEST(Mldtool, AllGivesEveryColumnInItsOwnCodePage)
{
    const QString file = WriteTemp("rich.mld", Build(RichDescription()));
    const ToolRun run = Mldtool({ "dump", file, "--all", "--json" });
    ASSERT_EQ(run.exitCode, 0) << run.err;
    const json dump = json::parse(run.out);
    EXPECT_EQ(dump["entries"][0]["translations"], json({ "Berechnen", "Рассчитать" }));
    EXPECT_EQ(dump["entries"][0]["context"], "TMainForm");
    EXPECT_EQ(dump["languages"][2]["nativeName"], "Русский");
    EXPECT_EQ(dump["locales"][0]["decimalSeparator"], ",");
    EXPECT_EQ(dump["locales"][0]["currencyString"], "€");
    EXPECT_EQ(dump["locales"][0]["longMonthNames"][2], "März");
}

TEST(Mldtool, RawShowsLanguagesBeforeCompletion)
{
    json description = ExampleDescription();
    description["languages"][1]["isoLanguageName"] = "  ";
    description["languages"][1]["codePage"] = 0;
    const QString file = WriteTemp("raw.mld", Build(description));
    const json raw = json::parse(Mldtool({ "dump", file, "--raw", "--json" }).out);
    const json completed = json::parse(Mldtool({ "dump", file, "--json" }).out);
    EXPECT_EQ(raw["languages"][1]["codePage"], 0);
    EXPECT_EQ(raw["languages"][1]["subLanguage"], 0);
    EXPECT_EQ(completed["languages"][1]["codePage"], 1252);
    EXPECT_EQ(completed["languages"][1]["subLanguage"], 1);
}

TEST(Mldtool, ReaderErrorsAreOneLineWithExitOne)
{
    struct Case
    {
        QString file;
        std::string message;
    };
    std::string noLanguages = ExampleBytes();
    WriteLe32(noLanguages, 14, 0);
    const Case cases[] = {
        { WriteTemp("bad.mld", "XLD" + std::string(60, '\0')),
            "The stream is not a valid MLD stream\n" },
        { WriteTemp("short.mld", "MLD"), "Stream read error\n" },
        { WriteTemp("nolang.mld", noLanguages), "Invalid language offset\n" },
        { "/nonexistent/x.mld", "Cannot open file /nonexistent/x.mld\n" },
    };
    for (const Case& c : cases) {
        const ToolRun run = Mldtool({ "dump", c.file, "--json" });
        EXPECT_EQ(run.exitCode, 1);
        EXPECT_EQ(run.err, c.message);
        EXPECT_EQ(run.out, "");
    }
}

TEST(Mldtool, UsageErrorsExitTwo)
{
    const QString file = WriteTemp("example.mld", ExampleBytes());
    for (const QStringList& arguments :
        { QStringList {}, QStringList { "dump" }, QStringList { "dump", file, "--frobnicate" },
            QStringList { "dump", file, "--language", "x" },
            QStringList { "dump", file, "--language", "2" }, QStringList { "build", "in.json" },
            QStringList { "convert", file } }) {
        const ToolRun run = Mldtool(arguments);
        EXPECT_EQ(run.exitCode, 2) << arguments.join(' ').toStdString();
        EXPECT_FALSE(run.err.empty());
    }
}

TEST(Mldtool, BuildRefusesBadDescriptionsAndWritesNothing)
{
    json missing = ExampleDescription();
    missing["languages"][1].erase("codePage");
    json wrongColumns = ExampleDescription();
    wrongColumns["entries"][0]["translations"] = json::array();
    json longIso = ExampleDescription();
    longIso["languages"][1]["isoLanguageName"] = "deu";
    const std::pair<std::string, std::string> cases[] = {
        { "{not json", "not valid JSON" },
        { missing.dump(), "languages[1]: missing \"codePage\"" },
        { wrongColumns.dump(), "entries[0].translations: must hold 1 texts" },
        { longIso.dump(), "languages[1].isoLanguageName: must be exactly 2" },
    };
    for (const auto& [text, message] : cases) {
        const QString input = WriteTemp("bad.json", text);
        const QString output = QString::fromStdString(TempPath("never.mld"));
        std::remove(output.toStdString().c_str());
        const ToolRun run = Mldtool({ "build", input, "-o", output });
        EXPECT_EQ(run.exitCode, 1);
        EXPECT_NE(run.err.find(message), std::string::npos) << run.err;
        EXPECT_FALSE(std::ifstream(output.toStdString()).good());
    }
}

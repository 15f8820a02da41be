// mldtool translate run as a process: what a dictionary answers on a machine
// whose locale comes from the environment.

#include "../l10n/mld/MldTestImages.h"
#include "MldToolRunner.h"

#include <QProcess>
#include <QProcessEnvironment>
#include <QStringList>

#include <gtest/gtest.h>

#include <fstream>

using namespace tankora::test;
using nlohmann::json;

namespace {

ToolRun Translate(const QStringList& arguments, const std::string& input = {},
    const QString& lang = QStringLiteral("de_DE.UTF-8"))
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(QStringLiteral("LC_ALL"));
    environment.remove(QStringLiteral("LC_MESSAGES"));
    environment.insert(QStringLiteral("LANG"), lang);
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral(TANKORA_BINARY_DIR "/apps/mldtool/mldtool"),
        QStringList { QStringLiteral("translate") } + arguments);
    process.write(input.data(), static_cast<qint64>(input.size()));
    process.closeWriteChannel();
    process.waitForFinished(60000);
    return { process.exitCode(), process.readAllStandardOutput().toStdString(),
        process.readAllStandardError().toStdString() };
}

// native, German, Russian (1251); contexts; a German locale.
QString WriteImage()
{
    json description = ExampleDescription();
    description["header"]["contextKind"] = 1;
    description["languages"].push_back(
        LanguageDescription(25, 1, { 1 }, 1251, "Russian", "Русский", "ru", "RU"));
    description["locales"] = { GermanLocaleDescription() };
    description["entries"] = {
        { { "native", "Calculate" }, { "context", "TMainForm" }, { "subContext", "BitBtn2" },
            { "translations", { "Berechnen", "Рассчитать" } } },
        { { "native", "Volume" }, { "context", "" }, { "subContext", "" },
            { "translations", { "Volumen", "" } } },
    };
    const std::string path = TempPath("translate.mld");
    std::ofstream(path, std::ios::binary) << Build(description);
    return QString::fromStdString(path);
}

} // namespace

TEST(MldTranslate, PrintsOneResultPerTextInTheUsersLanguage)
{
    const QString file = WriteImage();
    const ToolRun run = Translate({ file, "Calculate", "Volume", "Absent" });
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.out, "Berechnen\nVolumen\nAbsent\n");
    const ToolRun fromStdin = Translate({ file }, "Volume\nAbsent\n");
    EXPECT_EQ(fromStdin.out, "Volumen\nAbsent\n");
}

TEST(MldTranslate, ConvertsResultsFromTheLanguagesCodePage)
{
    const ToolRun run = Translate(
        { WriteImage(), "--language", "2", "--check-level", "none", "Calculate", "Volume" });
    EXPECT_EQ(run.exitCode, 0) << run.err;
    // An empty translation under use-native gives the native text.
    EXPECT_EQ(run.out, "Рассчитать\nVolume\n");
}

TEST(MldTranslate, LooksUpWithContextThenAppliesThePolicy)
{
    const QString file = WriteImage();
    EXPECT_EQ(
        Translate({ file, "--context", "TMainForm", "--sub-context", "BitBtn2", "Calculate" }).out,
        "Berechnen\n");
    EXPECT_EQ(Translate({ file, "--context", "Other", "--missing", "tag-native", "Calculate" }).out,
        "@Calculate@\n");
}

TEST(MldTranslate, JsonReportsLanguageLocaleAndFormatSettings)
{
    const ToolRun run = Translate({ WriteImage(), "--json", "--locale", "0x0407", "Calculate" });
    ASSERT_EQ(run.exitCode, 0) << run.err;
    const json report = json::parse(run.out);
    EXPECT_EQ(report["languageIndex"], 1);
    EXPECT_EQ(report["language"]["englishName"], "German");
    EXPECT_EQ(report["language"]["codePage"], 1252);
    EXPECT_EQ(report["activeLocale"], 0x0407);
    EXPECT_EQ(report["contextSensitive"], true);
    EXPECT_EQ(report["readingDirection"], "ltr");
    EXPECT_EQ(report["formatSettings"]["decimalSeparator"], ",");
    EXPECT_EQ(report["formatSettings"]["shortDateFormat"], "dd.MM.yyyy");
    EXPECT_EQ(report["formatSettings"]["currencyString"], "€");
    EXPECT_EQ(
        report["results"], json::array({ { { "text", "Calculate" }, { "result", "Berechnen" } } }));
}

TEST(MldTranslate, ErrorsGoToStderrWithExitCodeOne)
{
    const QString file = WriteImage();
    struct Case
    {
        QStringList arguments;
        std::string error;
    };
    const Case cases[] = {
        { { "no-such.mld", "x" }, "Error: Cannot open file no-such.mld\n" },
        { { file, "--language", "2", "x" }, "Error: Russian is not supported by the code page\n" },
        { { file, "--missing", "raise", "Absent" },
            "Error: Dictionary does not contain a translation for the word \"Absent\"\n" },
        { { QString::fromLatin1(TANKORA_L10N_DATA_DIR "/malformed/header-truncated.mld"), "x" },
            "Error: Stream read error\n" },
    };
    for (const Case& c : cases) {
        const ToolRun run = Translate(c.arguments);
        EXPECT_EQ(run.exitCode, 1) << c.error;
        EXPECT_EQ(run.err, c.error);
    }
}

TEST(MldTranslate, UsageErrorsExitWithTwo)
{
    const QString file = WriteImage();
    for (const QStringList& arguments : { QStringList { file, "--binding", "sideways" },
             QStringList { file, "--locale", "0xZZ" }, QStringList {} })
        EXPECT_EQ(Translate(arguments).exitCode, 2) << arguments.join(' ').toStdString();
}

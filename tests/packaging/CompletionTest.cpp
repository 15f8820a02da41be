// The bash completion the build made for each program, sourced into a real
// bash and asked as bash asks it when the user presses Tab.
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

using Words = std::vector<std::string>;

// What the completion registered for words[0] offers for the last word of
// `words`, sorted, with `folder` as the current directory.
Words Complete(const Words& words, const QString& folder = QDir::tempPath())
{
    const QString script = QStringLiteral(TANKORA_PACKAGING_DIR "/completions/")
        + QString::fromStdString(words.at(0));
    QStringList arguments
        = { QStringLiteral("--norc"), QStringLiteral("-c"), QStringLiteral(R"(source "$1" || exit 9
shift
function=$(complete -p "$1" | sed -n 's/.* -F \([^ ]*\) .*/\1/p')
[ -n "$function" ] || exit 8
COMP_WORDS=("$@")
COMP_CWORD=$(($# - 1))
"$function"
printf '%s\n' "${COMPREPLY[@]}")"),
              QStringLiteral("bash"), script };
    for (const std::string& word : words)
        arguments << QString::fromStdString(word);
    QProcess bash;
    bash.setWorkingDirectory(folder);
    bash.start(QStringLiteral("bash"), arguments);
    bash.waitForFinished(30000);
    EXPECT_EQ(bash.exitCode(), 0) << bash.readAllStandardError().toStdString();
    Words offered;
    for (const QByteArray& line : bash.readAllStandardOutput().split('\n')) {
        if (!line.isEmpty())
            offered.push_back(line.toStdString());
    }
    std::sort(offered.begin(), offered.end());
    return offered;
}

bool Offers(const Words& offered, const std::string& word)
{
    return std::find(offered.begin(), offered.end(), word) != offered.end();
}

TEST(BashCompletion, OffersTheCommandsAndTheProgramsOwnOptions)
{
    const Words offered = Complete({ "tankora-cli", "" });
    for (const char* word :
        { "volume", "height", "new-height", "table", "--help", "--help-all", "--version" })
        EXPECT_TRUE(Offers(offered, word)) << word;
    // The build's own option is no business of the user's.
    EXPECT_FALSE(Offers(offered, "--bash-completion"));
    EXPECT_EQ(Complete({ "tankora-cli", "new" }), Words { "new-height" });
    EXPECT_EQ(Complete({ "mldtool", "ex" }), (Words { "export-po", "extract" }));
}

TEST(BashCompletion, OffersTheOptionsOfTheCommandTyped)
{
    EXPECT_EQ(Complete({ "tankora-cli", "volume", "--me" }), Words { "--method" });
    const Words table = Complete({ "tankora-cli", "table", "--" });
    for (const char* word :
        { "--rows", "--csv", "--json", "--height-unit", "--vertical", "--length" })
        EXPECT_TRUE(Offers(table, word)) << word;
    // --volume belongs to the height command, --flow to new-height.
    EXPECT_FALSE(Offers(table, "--volume"));
    EXPECT_FALSE(Offers(table, "--flow"));
    // Options already typed, and their values, do not change the command.
    EXPECT_EQ(
        Complete({ "tankora-cli", "height", "-u", "cm", "-L", "2", "--vo" }), Words { "--volume" });
}

TEST(BashCompletion, OffersTheNamesAnOptionAccepts)
{
    EXPECT_EQ(Complete({ "tankora-cli", "volume", "--method", "" }), (Words { "exact", "table" }));
    EXPECT_EQ(Complete({ "mldtool", "translate", "x.mld", "--missing", "" }),
        (Words { "raise", "tag-native", "use-native", "use-null" }));
    EXPECT_EQ(
        Complete({ "mldtool", "translate", "--binding", "lo" }), Words { "locale-to-language" });
    // A number or a quantity: nothing to propose, not even file names.
    EXPECT_EQ(Complete({ "tankora-cli", "volume", "-L", "" }), Words {});
}

TEST(BashCompletion, OffersFileNamesWhereAFileIsExpected)
{
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    for (const char* name : { "cylang.mld", "cylang.json" }) {
        QFile file(folder.filePath(QString::fromLatin1(name)));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }
    const Words both = { "cylang.json", "cylang.mld" };
    EXPECT_EQ(Complete({ "mldtool", "dump", "cy" }, folder.path()), both);
    EXPECT_EQ(Complete({ "mldtool", "build", "cylang.json", "-o", "cy" }, folder.path()), both);
    EXPECT_EQ(Complete({ "mldtool", "check", "--template", "cylang.j" }, folder.path()),
        Words { "cylang.json" });
    // Options still come first when the word starts with "-".
    EXPECT_TRUE(Offers(Complete({ "mldtool", "dump", "--" }, folder.path()), "--language"));
}

TEST(BashCompletion, HiddenOptionIsNotInTheHelp)
{
    QProcess program;
    program.start(QStringLiteral(TANKORA_CLI), { QStringLiteral("--help-all") });
    ASSERT_TRUE(program.waitForFinished(30000));
    EXPECT_EQ(program.exitCode(), 0);
    const QString help = QString::fromUtf8(program.readAllStandardOutput());
    EXPECT_TRUE(help.contains(QStringLiteral("--method")));
    EXPECT_FALSE(help.contains(QStringLiteral("bash-completion")));
}

} // namespace

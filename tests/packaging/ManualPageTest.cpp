// The manual pages the build made say what each program's help says: every
// word of the help, in its order, is in the page (help2man only drops the
// help's own headings, which become the page's sections).
#include <QFile>
#include <QProcess>
#include <QRegularExpression>

#include <gtest/gtest.h>

#include <algorithm>
#include <ostream>
#include <set>
#include <string>
#include <vector>

namespace {

QString RunOutput(const QString& program, const QStringList& arguments)
{
    QProcess process;
    process.start(program, arguments);
    process.waitForFinished(30000);
    EXPECT_EQ(process.exitCode(), 0) << program.toStdString();
    return QString::fromUtf8(process.readAllStandardOutput());
}

// The page's text as a reader sees it: requests and font changes gone,
// escaped characters as themselves.
QString PageText(const QString& page)
{
    const QString roff = RunOutput(QStringLiteral("gzip"), { QStringLiteral("-dc"), page });
    QString text;
    for (QString line : roff.split(u'\n')) {
        if (line.startsWith(QStringLiteral(".\\\"")))
            continue; // a comment
        if (line.startsWith(u'.')) // a request: keep its arguments (.SS "heading")
            line = line.section(u' ', 1).remove(u'"');
        line.remove(QRegularExpression(QStringLiteral(R"(\\f[A-Z]|\\[,/&])")));
        line.replace(QStringLiteral("\\-"), QStringLiteral("-"));
        line.replace(QStringLiteral("\\(aq"), QStringLiteral("'"));
        line.replace(QStringLiteral("\\e"), QStringLiteral("\\"));
        text += line + u'\n';
    }
    return text;
}

std::vector<QString> Words(const QString& text)
{
    const QStringList words
        = text.split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts);
    return { words.begin(), words.end() };
}

struct Manual
{
    const char* program;
    const char* path;
    const char* helpOption;
};

// A failing case names its program, not the bytes of its record.
void PrintTo(const Manual& manual, std::ostream* out)
{
    *out << manual.program;
}

class ManualPage : public ::testing::TestWithParam<Manual>
{ };

TEST_P(ManualPage, HoldsEveryWordOfTheHelpInOrder)
{
    const Manual& manual = GetParam();
    const QString program = QString::fromLatin1(manual.path);
    QString helpText = RunOutput(program, { QString::fromLatin1(manual.helpOption) });
    // The usage line becomes the page's synopsis, ahead of the description.
    static const QRegularExpression usageLine(
        QStringLiteral("^Usage:(.*)$"), QRegularExpression::MultilineOption);
    const QRegularExpressionMatch usage = usageLine.match(helpText);
    ASSERT_TRUE(usage.hasMatch());
    const std::vector<QString> synopsis = Words(usage.captured(1));
    helpText.remove(usage.capturedStart(), usage.capturedLength());
    const std::vector<QString> help = Words(helpText);
    const QString text = PageText(QStringLiteral(TANKORA_PACKAGING_DIR "/man/")
        + QString::fromLatin1(manual.program) + QStringLiteral(".1.gz"));
    const std::vector<QString> page = Words(text);
    ASSERT_GT(help.size(), 10u);

    EXPECT_NE(std::search(page.begin(), page.end(), synopsis.begin(), synopsis.end()), page.end())
        << usage.captured(1).toStdString();

    // Headings that become sections of the page.
    const std::set<QString> headings
        = { QStringLiteral("Options:"), QStringLiteral("Environment:") };
    std::size_t at = 0;
    for (std::size_t i = 0; i < help.size(); ++i) {
        if (headings.count(help[i]))
            continue;
        while (at < page.size() && page[at] != help[i])
            ++at;
        ASSERT_LT(at, page.size())
            << manual.program << ": the page lacks, after what came before, \""
            << help[i].toStdString() << "\" (word " << i << " of the help)";
        ++at;
    }

    // The page names the program and the version it was made from.
    const QString version = RunOutput(program, { QStringLiteral("--version") }).trimmed();
    EXPECT_TRUE(text.contains(version)) << version.toStdString();
}

INSTANTIATE_TEST_SUITE_P(Programs, ManualPage,
    ::testing::Values(Manual { "tankora", TANKORA_PROGRAM, "--help" },
        Manual { "tankora-cli", TANKORA_CLI, "--help-all" },
        Manual { "mldtool", TANKORA_MLDTOOL, "--help-all" },
        Manual { "localeinfo", TANKORA_LOCALEINFO, "--help-all" }),
    [](const ::testing::TestParamInfo<Manual>& instance) {
        std::string name = instance.param.program;
        std::erase(name, '-');
        return name;
    });

} // namespace

// The desktop entry's and the AppStream file's translations: how marked
// lines become localized ones, and that the files the build made carry the
// shipped dictionary's translations and pass the desktop's own validators.
#include "MetadataTranslation.h"

#include "ShippedDictionary.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <stdexcept>

namespace {

using namespace tankora::metadata;

const TranslationTable kTable = {
    { "Tank Calculator", { { "de", "Tankrechner" }, { "pt_BR", "Calculadora de tanques" } } },
    { "A & B", { { "fr", "A & B <x>" } } },
    { "Two lines", { { "de", "Zwei\nZeilen\\" } } },
};

TEST(MetadataTranslation, DesktopKeyGetsOneLinePerTranslatedLanguage)
{
    EXPECT_EQ(
        TranslateDesktopEntry("[Desktop Entry]\n_GenericName=Tank Calculator\nIcon=x\n", kTable),
        "[Desktop Entry]\nGenericName=Tank Calculator\nGenericName[de]=Tankrechner\n"
        "GenericName[pt_BR]=Calculadora de tanques\nIcon=x\n");
    // Not in the dictionary: English only, unmarked.
    EXPECT_EQ(TranslateDesktopEntry("_Comment=Unknown text\n", kTable), "Comment=Unknown text\n");
    // A value holds no line break; the escapes stand for it and for "\".
    EXPECT_EQ(TranslateDesktopEntry("_Comment=Two lines\n", kTable),
        "Comment=Two lines\nComment[de]=Zwei\\nZeilen\\\\\n");
}

TEST(MetadataTranslation, DesktopLineWithoutKeyIsRefusedWithItsNumber)
{
    try {
        TranslateDesktopEntry("[Desktop Entry]\n_GenericName Tank\n", kTable);
        FAIL() << "accepted a marked line without '='";
    } catch (const std::runtime_error& error) {
        EXPECT_NE(std::string(error.what()).find("line 2"), std::string::npos) << error.what();
    }
}

TEST(MetadataTranslation, XmlElementKeepsItsIndentAndEscapesTranslations)
{
    EXPECT_EQ(TranslateMetainfo("<c>\n  <_summary>Tank Calculator</_summary>\n</c>\n", kTable),
        "<c>\n  <summary>Tank Calculator</summary>\n"
        "  <summary xml:lang=\"de\">Tankrechner</summary>\n"
        "  <summary xml:lang=\"pt_BR\">Calculadora de tanques</summary>\n</c>\n");
    // The template's entities are read before the lookup, and written again.
    EXPECT_EQ(TranslateMetainfo("<_p>A &amp; B</_p>\n", kTable),
        "<p>A &amp; B</p>\n<p xml:lang=\"fr\">A &amp; B &lt;x&gt;</p>\n");
    // Only an element that starts its line is marked; a comment naming one is not.
    EXPECT_EQ(TranslateMetainfo("<!-- <_p> -->\n", kTable), "<!-- <_p> -->\n");
}

TEST(MetadataTranslation, XmlMarkedTextMustCloseOnItsLine)
{
    for (const char* bad :
        { "<_p>open\n", "<_p>text</_q>\n", "<_p>a</_p> tail\n", "<_p>&nbsp;</_p>\n" })
        EXPECT_THROW(TranslateMetainfo(bad, kTable), std::runtime_error) << bad;
}

TEST(MetadataTranslation, LocaleCodeKeepsTheCountryOnlyWhereTheWritingDiffers)
{
    EXPECT_EQ(LocaleCode("de", "DE"), "de");
    EXPECT_EQ(LocaleCode("pt", "BR"), "pt_BR");
    EXPECT_EQ(LocaleCode("zh", "CN"), "zh_CN");
}

TEST(MetadataTranslation, TableSkipsContextsEmptyAndUnchangedTexts)
{
    const nlohmann::ordered_json dump = {
        { "languages",
            { { { "isoLanguageName", "en" }, { "isoCountryName", "US" } },
                { { "isoLanguageName", "de" }, { "isoCountryName", "DE" } },
                { { "isoLanguageName", "zh" }, { "isoCountryName", "CN" } } } },
        { "entries",
            { { { "native", "Tank" }, { "context", "" }, { "translations", { "Tank", "储罐" } } },
                { { "native", "Flow" }, { "context", "" }, { "translations", { "", "流量" } } },
                { { "native", "Flow" }, { "context", "" }, { "translations", { "Zweiter", "" } } },
                { { "native", "Time" }, { "context", "Form" },
                    { "translations", { "Zeit", "" } } } } },
    };
    const TranslationTable table = TranslationsOf(dump);
    EXPECT_EQ(table.at("Tank").size(), 1u);
    EXPECT_EQ(table.at("Tank").at(0).locale, "zh_CN");
    // The first entry of a text is the one a lookup finds.
    ASSERT_EQ(table.at("Flow").size(), 1u);
    EXPECT_EQ(table.at("Flow").at(0).text, "流量");
    EXPECT_EQ(table.count("Time"), 0u);
}

QString BuiltFile(const QString& name)
{
    QFile file(QStringLiteral(TANKORA_PACKAGING_DIR "/") + name);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

QString MetainfoFile()
{
    const QStringList files = QDir(QStringLiteral(TANKORA_PACKAGING_DIR))
                                  .entryList({ QStringLiteral("*.metainfo.xml") }, QDir::Files);
    return files.size() == 1 ? QStringLiteral(TANKORA_PACKAGING_DIR "/") + files.first()
                             : QString();
}

// Every marked text, in every language of the dictionary: the menu speaks
// the window's languages.
TEST(BuiltMetadata, CarriesTheDictionarysTranslationsOfEveryMarkedText)
{
    const tankora::test::ShippedDictionary dictionary;
    const QString entry = BuiltFile(QStringLiteral("tankora.desktop.in"));
    ASSERT_FALSE(entry.isEmpty());
    QFile metainfoFile(MetainfoFile());
    ASSERT_TRUE(metainfoFile.open(QIODevice::ReadOnly));
    const QString metainfo = QString::fromUtf8(metainfoFile.readAll());

    const QString comment = QStringLiteral("Liquid volume and height in cylindrical storage tanks");
    for (const auto& [key, native] :
        { std::pair(QStringLiteral("GenericName"), QStringLiteral("Tank Calculator")),
            std::pair(QStringLiteral("Comment"), comment) }) {
        ASSERT_TRUE(entry.contains(u'\n' + key + u'=' + native + u'\n')) << key.toStdString();
        for (const std::string& language : dictionary.Languages()) {
            const QString code = QString::fromStdString(language);
            const QString expected = dictionary.Translation(native, language).value_or(QString());
            ASSERT_FALSE(expected.isEmpty()) << language << " lacks " << native.toStdString();
            // Written as "de" or, where the writing differs by country, "pt_BR".
            const bool found
                = entry.contains(u'\n' + key + u'[' + code + u']' + u'=' + expected + u'\n')
                || entry.contains(
                    QRegularExpression(QStringLiteral("\n%1\\[%2_[A-Z]{2}\\]=%3\n")
                                           .arg(key, code, QRegularExpression::escape(expected))));
            EXPECT_TRUE(found) << key.toStdString() << " in " << language;
        }
    }
    for (const std::string& language : dictionary.Languages()) {
        const QString expected = dictionary.Translation(comment, language).value_or(QString());
        EXPECT_TRUE(metainfo.contains(QRegularExpression(
            QStringLiteral("<summary xml:lang=\"%1(_[A-Z]{2})?\">%2</summary>")
                .arg(QString::fromStdString(language), QRegularExpression::escape(expected)))))
            << language;
    }
    // The product's name and the desktop's fields stay as they are.
    EXPECT_TRUE(entry.contains(QStringLiteral("\nName=Tankora\n")));
    EXPECT_FALSE(entry.contains(QStringLiteral("\nName[")));
    EXPECT_TRUE(entry.contains(QStringLiteral("\nCategories=Science;Engineering;\n")));
}

struct Validated
{
    bool ran = false;
    int exitCode = -1;
    QString output;
};

Validated Validate(const char* tool, const QStringList& arguments)
{
    const QString program = QStandardPaths::findExecutable(QString::fromLatin1(tool));
    if (program.isEmpty())
        return {};
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(program, arguments);
    process.waitForFinished(60000);
    return { true, process.exitCode(), QString::fromUtf8(process.readAll()) };
}

TEST(BuiltMetadata, PassesTheDesktopsValidators)
{
    // desktop-file-validate wants the file's final name and real paths.
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QString entryFile = folder.filePath(QStringLiteral("tankora.desktop"));
    QFile entry(entryFile);
    ASSERT_TRUE(entry.open(QIODevice::WriteOnly));
    entry.write(BuiltFile(QStringLiteral("tankora.desktop.in"))
                    .replace(QStringLiteral("@home@"), QStringLiteral("/usr/lib/tankora"))
                    .toUtf8());
    entry.close();

    const Validated desktop = Validate("desktop-file-validate", { entryFile });
    const Validated appstream = Validate(
        "appstreamcli", { QStringLiteral("validate"), QStringLiteral("--no-net"), MetainfoFile() });
    if (!desktop.ran || !appstream.ran)
        GTEST_SKIP() << "desktop-file-validate (desktop-file-utils) or appstreamcli (appstream) is "
                        "not installed";
    EXPECT_EQ(desktop.exitCode, 0) << desktop.output.toStdString();
    // desktop-file-validate prints hints and warnings with exit code 0.
    EXPECT_TRUE(desktop.output.isEmpty()) << desktop.output.toStdString();
    EXPECT_EQ(appstream.exitCode, 0) << appstream.output.toStdString();
}

} // namespace

// mldtool's translator tools run as processes: export-po, import-po, check
// and extract, on images with languages of five code pages.

#include "../l10n/mld/MldTestImages.h"
#include "MldToolRunner.h"
#include "l10n/po/PoReader.h"

#include <QProcess>
#include <QStandardPaths>

#include <gtest/gtest.h>

#include <filesystem>
#include <set>

using namespace tankora::test;
using nlohmann::json;

namespace {

json Entry(const std::string& native, std::vector<std::string> translations,
    const std::string& context = "", const std::string& subContext = "")
{
    return { { "native", native }, { "context", context }, { "subContext", subContext },
        { "translations", translations } };
}

// Native, German (1252), Polish (1250), Russian (1251), Japanese (932), Arabic (1256).
json FiveLanguageDescription()
{
    json d = ExampleDescription();
    d["languages"] = {
        LanguageDescription(0, 0, {}, 1252, "Native", "Native", "en", "US"),
        LanguageDescription(7, 1, { 1 }, 1252, "German", "Deutsch", "de", "DE"),
        LanguageDescription(21, 1, { 1 }, 1250, "Polish", "Polski", "pl", "PL"),
        LanguageDescription(25, 1, { 1 }, 1251, "Russian", "Русский", "ru", "RU"),
        LanguageDescription(17, 1, { 1 }, 932, "Japanese", "日本語", "ja", "JP"),
        LanguageDescription(1, 1, { 1 }, 1256, "Arabic", "العربية", "ar", "SA"),
    };
    d["entries"] = {
        Entry("Calculate", { "Berechnen", "Oblicz", "Рассчитать", "計算", "احسب" }),
        Entry("Tank empty",
            { "Tank leer", "Zbiornik pusty", "Бак пуст", "タンクが空です", "الخزان فارغ" }),
        Entry("Use any value between",
            { "Einen Wert zwischen", "Użyj dowolnej wartości z zakresu", "Используйте значение от",
                "", "" }),
        Entry("%s of %d tanks",
            { "%s von %d Tanks", "%s z %d zbiorników", "%s из %d баков", "%s / %d タンク",
                "%s من %d خزانات" }),
        Entry("  Tank Dimensions ",
            { "  Tankabmessungen ", "  Wymiary zbiornika ", "  Размеры бака ", "  タンク寸法 ",
                "  أبعاد الخزان " }),
        Entry("Line one\nLine two", { "Zeile eins\nZeile zwei", "", "", "", "" }),
        Entry("Say \"hi\" \\ now:", { "Sag \"hallo\" \\ jetzt:", "", "", "今：", "" }),
        // Translators' choices check accepts: an abbreviation's period, no blank after "："
        Entry("Flow", { "Durchfl.", "Przepływ", "Поток", "流量", "التدفق" }),
        Entry("Result: ", { "Ergebnis: ", "Wynik: ", "Результат: ", "結果：", "النتيجة: " }),
    };
    return d;
}

// Contexts of both kinds, UTF-16 characters, version 3, big-endian.
json ContextDescription()
{
    json d = FiveLanguageDescription();
    d["header"] = { { "version", 3 }, { "littleEndian", false }, { "ansiStrings", false },
        { "contextKind", 1 } };
    d["entries"].push_back(
        Entry("Calculate", { "Rechnen", "Licz", "Счёт", "計", "" }, "TMainForm", "BitBtn2"));
    d["entries"].push_back(Entry("Volume", { "Volumen", "", "", "", "" }, "TMainForm", ""));
    return d;
}

json DumpAll(const QString& file)
{
    const ToolRun run = Mldtool({ "dump", file, "--all", "--json" });
    EXPECT_EQ(run.exitCode, 0) << run.err;
    return json::parse(run.out);
}

// Exports every language of the image to PO files; checks each with msgfmt when it is installed.
QStringList ExportAll(const QString& image, int languages, const std::string& stem)
{
    const QString msgfmt = QStandardPaths::findExecutable("msgfmt");
    QStringList files;
    for (int language = 1; language < languages; ++language) {
        const QString po
            = QString::fromStdString(TempPath(stem + std::to_string(language) + ".po"));
        const ToolRun run
            = Mldtool({ "export-po", image, "--language", QString::number(language), "-o", po });
        EXPECT_EQ(run.exitCode, 0) << run.err;
        files << po;
        if (msgfmt.isEmpty())
            continue;
        QProcess check;
        check.start(msgfmt, { "-c", "--check-format", "-o", "/dev/null", po });
        check.waitForFinished(60000);
        const std::string complaints = check.readAllStandardError().toStdString();
        EXPECT_EQ(check.exitCode(), 0) << complaints << "\n" << ReadFile(po);
        EXPECT_EQ(complaints, "") << ReadFile(po);
    }
    return files;
}

// Imports the PO files into an image with the description's languages and no entries.
QString ImportIntoEmptyCopy(json description, const QStringList& pos)
{
    description["entries"] = json::array();
    const QString fresh = WriteTemp("fresh.mld", Build(description));
    const QString imported = QString::fromStdString(TempPath("imported.mld"));
    const ToolRun run
        = Mldtool(QStringList { "import-po", fresh } + pos + QStringList { "-o", imported });
    EXPECT_EQ(run.exitCode, 0) << run.err;
    return imported;
}

std::string PoFile(const std::string& language, const std::string& body)
{
    return "msgid \"\"\nmsgstr \"\"\n\"Language: " + language
        + "\\n\"\n\"Content-Type: text/plain; charset=UTF-8\\n\"\n\n" + body;
}

} // namespace

TEST(PoTools, ExportWritesOneLanguageAsUtf8Po)
{
    const QString image = WriteTemp("five.mld", Build(FiveLanguageDescription()));
    const QString po = QString::fromStdString(TempPath("ru.po"));
    const ToolRun run = Mldtool({ "export-po", image, "--language", "3", "-o", po });
    ASSERT_EQ(run.exitCode, 0) << run.err;
    const std::string text = ReadFile(po);
    EXPECT_NE(text.find("# Russian (Русский): language 3 of"), std::string::npos) << text;
    EXPECT_NE(
        text.find("# MLD language: primary 25, sub-language 1, code page 1251"), std::string::npos);
    EXPECT_NE(text.find("\"Plural-Forms: nplurals=2; plural=(n != 1);\\n\""), std::string::npos);

    const auto catalog = tankora::po::ReadPo(text, "ru.po");
    EXPECT_EQ(catalog.HeaderField("Language"), "ru_RU");
    ASSERT_EQ(catalog.entries.size(), 9u);
    EXPECT_EQ(catalog.entries[1].id, "Tank empty");
    EXPECT_EQ(catalog.entries[1].Translation(), "Бак пуст");
    EXPECT_TRUE(catalog.entries[3].HasFlag("c-format"));
    EXPECT_EQ(catalog.entries[5].Translation(), ""); // untranslated
    EXPECT_FALSE(catalog.entries[0].context.has_value());

    for (const char* language : { "0", "6", "-1" }) {
        const ToolRun bad = Mldtool({ "export-po", image, "--language", language, "-o", po });
        EXPECT_EQ(bad.exitCode, 2) << language;
    }
}

TEST(PoTools, EveryLanguageExportedAndImportedIntoAFreshFileAnswersAlike)
{
    for (const json& description : { FiveLanguageDescription(), ContextDescription() }) {
        const std::string original = Build(description);
        const QString image = WriteTemp("original.mld", original);
        const QStringList pos = ExportAll(image, 6, "lang");

        const QString imported = ImportIntoEmptyCopy(description, pos);
        EXPECT_EQ(DumpAll(imported)["entries"], DumpAll(image)["entries"]);
        EXPECT_EQ(ReadFile(imported), original);
    }
}

TEST(PoTools, ImportAddsLanguagesWhenAskedWithTheirCodePages)
{
    const QString image = WriteTemp("five.mld", Build(FiveLanguageDescription()));
    const QStringList pos = ExportAll(image, 6, "lang");
    json nativeOnly = FiveLanguageDescription();
    nativeOnly["languages"] = { nativeOnly["languages"][0] };
    nativeOnly["entries"] = json::array();
    const QString fresh = WriteTemp("native.mld", Build(nativeOnly));
    const QString imported = QString::fromStdString(TempPath("added.mld"));
    std::filesystem::remove(imported.toStdString());

    const ToolRun refused
        = Mldtool(QStringList { "import-po", fresh } + pos + QStringList { "-o", imported });
    EXPECT_EQ(refused.exitCode, 1);
    EXPECT_NE(
        refused.err.find("has no language \"de_DE\" (--add-languages adds it)"), std::string::npos)
        << refused.err;
    EXPECT_FALSE(std::filesystem::exists(imported.toStdString()));

    const ToolRun run = Mldtool(QStringList { "import-po", fresh } + pos
        + QStringList { "--add-languages", "-o", imported });
    ASSERT_EQ(run.exitCode, 0) << run.err;
    const json added = DumpAll(imported);
    const json expected = DumpAll(image);
    EXPECT_EQ(added["entries"], expected["entries"]);
    ASSERT_EQ(added["languages"].size(), 6u);
    for (std::size_t i = 1; i < 6; ++i) {
        EXPECT_EQ(added["languages"][i]["codePage"], expected["languages"][i]["codePage"]) << i;
        EXPECT_EQ(
            added["languages"][i]["primaryLanguage"], expected["languages"][i]["primaryLanguage"]);
    }
}

TEST(PoTools, ImportTakesEditorFilesAndSkipsFuzzyAndObsoleteEntries)
{
    const QString image = WriteTemp("context.mld", Build(ContextDescription()));
    std::string body = "#: resources/forms/Main.form:BitBtn2.Caption\n"
                       "msgctxt \"TMainForm|BitBtn2\"\nmsgid \"Calculate\"\nmsgstr \"Przelicz\"\n\n"
                       "#, fuzzy\nmsgid \"Tank empty\"\nmsgstr \"Pusty\"\n\n"
                       "msgctxt \"TMainForm\"\nmsgid \"Volume\"\nmsgstr \"Objętość\"\n\n"
                       "msgid \"\"\n\"Two\\n\"\n\"lines\"\nmsgstr \"\"\n\"Dwie\\n\"\n\"linie\"\n\n"
                       "msgid \"Height\"\nmsgstr \"\"\n\n"
                       "#~ msgid \"Old\"\n#~ msgstr \"Stary\"\n";
    std::string crlf = "\xEF\xBB\xBF";
    for (const char c : PoFile("pl-PL", body))
        crlf += c == '\n' ? std::string("\r\n") : std::string(1, c);
    const QString po = WriteTemp("pl.po", crlf);
    const QString imported = QString::fromStdString(TempPath("imported.mld"));
    const ToolRun run = Mldtool({ "import-po", image, po, "-o", imported });
    ASSERT_EQ(run.exitCode, 0) << run.err;

    std::map<std::string, std::string> polish;
    const json dump = DumpAll(imported);
    for (const json& e : dump["entries"])
        polish[e["native"].get<std::string>() + "|" + e["context"].get<std::string>() + "|"
            + e["subContext"].get<std::string>()]
            = e["translations"][1].get<std::string>();
    EXPECT_EQ(polish["Calculate|TMainForm|BitBtn2"], "Przelicz");
    EXPECT_EQ(polish["Calculate||"], "Oblicz");
    EXPECT_EQ(polish["Tank empty||"], "Zbiornik pusty"); // fuzzy: kept as it was
    EXPECT_EQ(polish["Volume|TMainForm|"], "Objętość");
    EXPECT_EQ(polish["Two\nlines||"], "Dwie\nlinie"); // a new entry
    EXPECT_EQ(polish.count("Height||"), 1u); // new, untranslated
    EXPECT_EQ(polish.count("Old||"), 0u);
}

TEST(PoTools, ImportRefusesWhatTheImageCannotTakeAndLeavesTheOutputAlone)
{
    const QString image = WriteTemp("five.mld", Build(FiveLanguageDescription()));
    const QString plain = WriteTemp("plain.mld", ExampleBytes());
    struct Case
    {
        QString image;
        std::string po;
        std::string message;
    };
    const Case cases[] = {
        { image, PoFile("de_DE", "msgid \"Calculate\"\nmsgstr \"Użyj\"\n"),
            "de.po:7: 'ż' (U+017C) cannot be written in code page 1252 of German\n" },
        { image, PoFile("ru", "msgid \"Calculate\"\nmsgstr \"Считать ą\"\n"),
            "de.po:7: 'ą' (U+0105) cannot be written in code page 1251 of Russian\n" },
        { image, PoFile("ja_JP", "msgid \"Calculate\"\nmsgstr \"計算 \xF0\x9F\x98\x80\"\n"),
            "de.po:7: '\xF0\x9F\x98\x80' (U+1F600) cannot be written in code page 932 of "
            "Japanese\n" },
        { image, PoFile("de_DE", "msgid \"Calculate\"\nmsgstr \"x\" y\n"),
            "de.po:7: text after the closing double quote\n" },
        { image, PoFile("fr_FR", "msgid \"Calculate\"\nmsgstr \"Calculer\"\n"),
            "de.po:1: the dictionary has no language \"fr_FR\" (--add-languages adds it)\n" },
        { image, "msgid \"Calculate\"\nmsgstr \"Berechnen\"\n",
            "de.po:1: the header names no Language, so the catalog fits no column\n" },
        { image,
            PoFile("de_DE",
                "msgid \"tank\"\nmsgid_plural \"tanks\"\nmsgstr[0] \"T\"\nmsgstr[1] \"Ts\"\n"),
            "de.po:6: plural forms cannot be kept in an MLD dictionary\n" },
        { plain, PoFile("de_DE", "msgctxt \"TMainForm\"\nmsgid \"Calculate\"\nmsgstr \"B\"\n"),
            "de.po:7: a msgctxt, but the dictionary keeps no contexts\n" },
    };
    for (const Case& c : cases) {
        const QString po = WriteTemp("de.po", c.po);
        const QString output = WriteTemp("out.mld", "previous");
        const ToolRun run = Mldtool({ "import-po", c.image, po, "-o", output });
        EXPECT_EQ(run.exitCode, 1) << c.po;
        EXPECT_EQ(run.err, po.toStdString() + c.message.substr(5)) << c.po;
        EXPECT_EQ(ReadFile(output), "previous");
    }
}

TEST(PoTools, CheckFindsNothingInACleanImage)
{
    const QString image = WriteTemp("five.mld", Build(FiveLanguageDescription()));
    const ToolRun run = Mldtool({ "check", image, "--json" });
    ASSERT_EQ(run.exitCode, 0) << run.out << run.err;
    const json report = json::parse(run.out);
    EXPECT_EQ(report["findings"], json::array()) << report.dump(2);
    EXPECT_EQ(report["errors"], 0);
    ASSERT_EQ(report["languages"].size(), 5u);
    EXPECT_EQ(report["languages"][0]["translated"], 9);
    EXPECT_EQ(report["languages"][3]["englishName"], "Japanese");
    EXPECT_EQ(report["languages"][3]["translated"], 7);
    EXPECT_EQ(report["languages"][3]["empty"], 2);
    EXPECT_TRUE(report["languages"][3]["missing"].is_null());

    const ToolRun text = Mldtool({ "check", image });
    EXPECT_EQ(text.exitCode, 0);
    EXPECT_NE(text.out.find("Japanese (日本語), language 4, code page 932: 7 translated, 2 empty"),
        std::string::npos)
        << text.out;
    EXPECT_NE(text.out.find("0 errors, 0 warnings"), std::string::npos);
}

TEST(PoTools, CheckFindsEachKindOfProblem)
{
    json d = ExampleDescription();
    d["header"]["ansiStrings"] = false; // UTF-16 keeps characters the code page would lose
    d["languages"].push_back(
        LanguageDescription(25, 1, { 1 }, 1251, "Russian", "Русский", "ru", "RU"));
    json locale = GermanLocaleDescription();
    locale["codePage"] = 1250;
    d["locales"] = { locale };
    d["entries"] = {
        Entry("Calculate", { "Łódź", "Считать" }),
        Entry("%s of %d", { "%d von", "%s из %d" }),
        Entry(" Volume", { "Volumen", " Объём" }),
        Entry("Height:", { "Höhe", "Высота:" }),
        Entry("Tank empty", { "Tank leer", "Бак пуст" }),
        Entry("Tank empty", { "Leer", "Бак пуст" }),
    };
    const QString image = WriteTemp("faulty.mld", Build(d));
    const QString pot = WriteTemp("texts.pot",
        PoFile("", "msgid \"Calculate\"\nmsgstr \"\"\n\nmsgid \"Flow\"\nmsgstr \"\"\n"));
    const ToolRun run = Mldtool({ "check", image, "--json", "--template", pot });
    EXPECT_EQ(run.exitCode, 1) << run.err;
    const json report = json::parse(run.out);

    std::set<std::tuple<std::string, std::string, int>> found; // check, severity, entry
    for (const json& f : report["findings"]) {
        EXPECT_TRUE(f["language"].is_null() || f["language"] == 1) << f.dump(); // Russian is clean
        found.emplace(f["check"], f["severity"], f["entry"].is_null() ? -1 : f["entry"].get<int>());
    }
    const std::set<std::tuple<std::string, std::string, int>> expected = {
        { "unrepresentable", "error", 0 },
        { "placeholders", "error", 1 },
        { "blanks", "warning", 2 },
        { "punctuation", "warning", 3 },
        { "duplicate", "error", 5 },
        { "locale-code-page", "error", -1 },
        { "missing", "warning", -1 },
    };
    EXPECT_EQ(found, expected) << report.dump(2);
    EXPECT_EQ(report["errors"], 4);
    EXPECT_EQ(report["warnings"], 3);
    EXPECT_EQ(report["languages"][0]["missing"], 1);

    const ToolRun text = Mldtool({ "check", image });
    EXPECT_EQ(text.exitCode, 1);
    EXPECT_NE(text.out.find("error [placeholders] entry 1 \"%s of %d\" -> \"%d von\": placeholders "
                            "differ: native %s %d, translation %d"),
        std::string::npos)
        << text.out;
    EXPECT_NE(text.out.find("'Ł' (U+0141) is not in code page 1252"), std::string::npos);

    d["locales"] = json::array();
    d["entries"] = { Entry("Height:", { "Höhe", "Высота:" }) };
    const ToolRun warningsOnly = Mldtool({ "check", WriteTemp("warn.mld", Build(d)) });
    EXPECT_EQ(warningsOnly.exitCode, 0) << warningsOnly.out;
    EXPECT_NE(warningsOnly.out.find("0 errors, 1 warnings"), std::string::npos);
}

TEST(PoTools, ExtractTakesTheFormsTargetsAndTheSourcesLiterals)
{
    namespace fs = std::filesystem;
    const fs::path root = TempPath("tree");
    fs::remove_all(root);
    fs::create_directories(root / "forms");
    fs::create_directories(root / "src");
    WriteTemp("tree/forms/Test.form", R"(object TestForm: TTestForm
  Caption = 'Tank'
  object Translator1: TIvTranslator
    TargetsData = (
      1
      3
      (
        ''
        'Caption'
        0)
      (
        ''
        'Items'
        0)
      (
        'TLabel'
        'Caption'
        1))
  end
  object Label1: TLabel
    Caption = 'Hidden'
  end
  object Button1: TButton
    Caption = 'Calculate'
    Hint = 'Not a target here'
  end
  object Combo1: TComboBox
    Items.Strings = (
      'm3'
      'Calculate')
  end
end
)");
    WriteTemp("tree/src/a.cpp",
        "// TranslateString(\"no\")\n\nauto t = TranslateString(\"Calculate\");\n"
        "auto u = TranslateString(\"%s of %d\");\n");
    const QString pot = QString::fromStdString(TempPath("texts.pot"));
    const QString forms = QString::fromStdString((root / "forms").string());
    const QString src = QString::fromStdString((root / "src").string());

    const ToolRun run = Mldtool({ "extract", forms, src, "-o", pot });
    ASSERT_EQ(run.exitCode, 0) << run.err;
    const auto catalog = tankora::po::ReadPo(ReadFile(pot), "texts.pot");
    ASSERT_EQ(catalog.entries.size(), 4u) << ReadFile(pot);
    EXPECT_EQ(catalog.entries[0].id, "Tank");
    EXPECT_EQ(catalog.entries[0].references,
        std::vector<std::string> { forms.toStdString() + "/Test.form:TestForm.Caption" });
    EXPECT_EQ(catalog.entries[1].id, "Calculate");
    EXPECT_EQ(catalog.entries[1].references,
        (std::vector<std::string> { forms.toStdString() + "/Test.form:Button1.Caption",
            forms.toStdString() + "/Test.form:Combo1.Items", src.toStdString() + "/a.cpp:3" }));
    EXPECT_EQ(catalog.entries[2].id, "m3");
    EXPECT_EQ(catalog.entries[3].id, "%s of %d");
    EXPECT_TRUE(catalog.entries[3].HasFlag("c-format"));

    const ToolRun withContexts
        = Mldtool({ "extract", forms, src, "--context-kind", "1", "-o", pot });
    ASSERT_EQ(withContexts.exitCode, 0) << withContexts.err;
    std::set<std::pair<std::string, std::string>> keys;
    for (const auto& e : tankora::po::ReadPo(ReadFile(pot), "texts.pot").entries)
        keys.emplace(e.context.value_or("(none)"), e.id);
    EXPECT_EQ(keys,
        (std::set<std::pair<std::string, std::string>> { { "TTestForm|TestForm", "Tank" },
            { "TTestForm|Button1", "Calculate" }, { "TTestForm|Combo1", "Calculate" },
            { "TTestForm|Combo1", "m3" }, { "(none)", "Calculate" }, { "(none)", "%s of %d" } }));

    const ToolRun missing = Mldtool({ "extract", "/nonexistent/forms", "-o", pot });
    EXPECT_EQ(missing.exitCode, 1);
    EXPECT_EQ(missing.err, "Cannot open folder /nonexistent/forms\n");
}

TEST(PoTools, ExtractReadsTheRepositoryByDefault)
{
    const QString repository = QStringLiteral(TANKORA_SOURCE_DIR);
    const QString pot = QString::fromStdString(TempPath("tankora.pot"));
    const ToolRun run = Mldtool({ "extract", "-o", pot }, repository);
    ASSERT_EQ(run.exitCode, 0) << run.err;
    std::map<std::string, std::vector<std::string>> references;
    for (const auto& e : tankora::po::ReadPo(ReadFile(pot), "tankora.pot").entries)
        references[e.id] = e.references;
    ASSERT_TRUE(references.count("Calculate"));
    EXPECT_EQ(references["Calculate"].front(), "resources/forms/Main.form:BitBtn2.Caption");
    ASSERT_TRUE(references.count("Use any value between"));
    EXPECT_EQ(references["Use any value between"].front().rfind("src/ui/DoubleEdit.cpp:", 0), 0u);
}

// The dictionary the program ships.
class ShippedDictionary : public testing::Test
{
protected:
    void SetUp() override
    {
        const std::string source = TANKORA_SOURCE_DIR "/resources/dictionary/cylang.json";
        ASSERT_TRUE(std::filesystem::exists(source)) << source;
        m_image = QString::fromStdString(TempPath("cylang.mld"));
        const ToolRun build = Mldtool({ "build", QString::fromStdString(source), "-o", m_image });
        ASSERT_EQ(build.exitCode, 0) << build.err;
    }

    QString m_image;
};

TEST_F(ShippedDictionary, ChecksClean)
{
    const ToolRun run = Mldtool({ "check", m_image, "--json" });
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(json::parse(run.out)["findings"], json::array()) << run.out;
}

TEST_F(ShippedDictionary, AnswersAlikeAfterExportAndImportIntoAFreshFile)
{
    const json original = DumpAll(m_image);
    const QStringList pos
        = ExportAll(m_image, static_cast<int>(original["languages"].size()), "cylang");
    const ToolRun raw = Mldtool({ "dump", m_image, "--raw", "--all", "--json" });
    const QString imported = ImportIntoEmptyCopy(json::parse(raw.out), pos);
    EXPECT_EQ(DumpAll(imported)["entries"], original["entries"]);
}

TEST(PoTools, BytesOutsideTheCodePageAreReportedAndNeverRewritten)
{
    json d = ExampleDescription();
    d["languages"][1] = LanguageDescription(17, 1, { 1 }, 932, "Japanese", "J", "ja", "JP");
    d["entries"] = { Entry("Calculate", { "Q" }) };
    std::string bytes = Build(d);
    bytes[bytes.rfind('Q')] = '\x82'; // a lead byte without its trail byte
    const QString image = WriteTemp("lone.mld", bytes);
    const QString output = WriteTemp("out", "previous");

    const ToolRun exported = Mldtool({ "export-po", image, "--language", "1", "-o", output });
    EXPECT_EQ(exported.exitCode, 1);
    EXPECT_EQ(exported.err,
        image.toStdString()
            + ": entry 0 (\"Calculate\"): bytes that are not characters of the text's code page\n");

    const QString po = WriteTemp("ja.po", PoFile("ja", "msgid \"Tank\"\nmsgstr \"タンク\"\n"));
    const ToolRun imported = Mldtool({ "import-po", image, po, "-o", output });
    EXPECT_EQ(imported.exitCode, 1);
    EXPECT_NE(imported.err.find(": entry 0 holds bytes that are not characters of its code page"),
        std::string::npos)
        << imported.err;
    EXPECT_EQ(ReadFile(output), "previous");

    const ToolRun check = Mldtool({ "check", image, "--json" });
    EXPECT_EQ(check.exitCode, 1);
    const json findings = json::parse(check.out)["findings"];
    ASSERT_EQ(findings.size(), 1u) << findings.dump(2);
    EXPECT_EQ(findings[0]["check"], "unrepresentable");
    EXPECT_EQ(findings[0]["detail"], "bytes that are not characters of code page 932");
}

TEST(PoTools, ExportRefusesAContextAMsgctxtCannotKeepApart)
{
    json d = ContextDescription();
    d["entries"] = { Entry("Calculate", { "a", "b", "c", "d", "e" }, "T|Form", "Button") };
    const QString image = WriteTemp("bar.mld", Build(d));
    const QString output = WriteTemp("out.po", "previous");
    const ToolRun run = Mldtool({ "export-po", image, "--language", "1", "-o", output });
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.err,
        image.toStdString()
            + ": entry 0 (\"Calculate\"): the context \"T|Form\" holds \"|\", which a msgctxt "
              "cannot keep apart\n");
    EXPECT_EQ(ReadFile(output), "previous");
}

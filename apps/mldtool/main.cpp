// mldtool: shows MLD dictionary images (dump), builds them from JSON (build),
// prints what a dictionary answers on this machine (translate), carries their
// texts to and from translators' PO files (extract, export-po, import-po),
// checks them (check) and adds pseudo-languages for testing (pseudo).
// Exit codes: 0 success, 1 an error of the input or output (one line on
// stderr) or, for check, a finding of the error class, 2 a usage error.
// Every file is written whole or not at all (io::WriteFileSafely); an output
// that is one of the inputs is refused before anything is read.

#include "Extract.h"
#include "MldCheck.h"
#include "MldDump.h"
#include "MldPseudo.h"
#include "MldTranslate.h"
#include "MldWriter.h"
#include "PoExport.h"
#include "PoImport.h"
#include "ProgramOptions.h"
#include "l10n/po/PoWriter.h"

#include "framework/core/FullMessage.h"
#include "io/InputFile.h"
#include "io/PrintableText.h"
#include "io/SafeWrite.h"
#include "io/StandardOutput.h"

#include <CLI/CLI.hpp>
#include <nlohmann/json.hpp>

#include <iostream>
#include <map>
#include <sstream>
#include <stdexcept>

namespace {

using namespace tankora::mld;

struct Arguments
{
    std::string file, input, output;
    DumpOptions dumpOptions;
    bool asJson = false;
    ExtractOptions extractOptions;
    std::vector<std::string> keywords;
    int language = 0;
    bool keyOrder = false;
    std::vector<std::string> poFiles;
    ImportOptions importOptions;
    CheckOptions checkOptions;
};

// A message on one line whatever its texts hold.
std::string OneLine(const std::string& message)
{
    std::string line;
    for (const char c : message)
        line += static_cast<unsigned char>(c) < 0x20 || c == 0x7F
            ? tankora::io::Printable(std::string_view(&c, 1))
            : std::string(1, c);
    return line;
}

// A report as one JSON object, or as text for people.
void Print(const nlohmann::ordered_json& report, bool asJson,
    void (*printText)(const nlohmann::ordered_json&, std::ostream&))
{
    if (asJson)
        std::cout << report.dump(2) << "\n";
    else
        printText(report, std::cout);
}

int Build(const std::string& input, const std::string& output, EntryOrder order)
{
    tankora::io::RefuseSameFile(input, output);
    nlohmann::json description;
    try {
        description = nlohmann::json::parse(tankora::io::ReadInputFile(input));
    } catch (const nlohmann::json::parse_error& error) {
        throw std::runtime_error(
            tankora::io::Printable(input) + ": not valid JSON: " + error.what());
    }
    std::string image;
    try {
        image = BuildMldImage(description, order);
    } catch (const MldBuildError& error) {
        throw MldBuildError(tankora::io::Printable(input) + ": " + error.what());
    }
    tankora::io::WriteFileSafely(output, image);
    return 0;
}

void RefuseInputsAsOutput(const std::vector<std::string>& inputs, const std::string& output)
{
    for (const std::string& input : inputs)
        tankora::io::RefuseSameFile(input, output);
}

int Run(const CLI::App* dump, const CLI::App* build, const CLI::App* extract,
    const CLI::App* exportPo, const CLI::App* importPo, const CLI::App* pseudo, const Arguments& a)
{
    if (dump->parsed()) {
        Print(DumpMld(a.file, a.dumpOptions), a.asJson, PrintMldText);
        return 0;
    }
    if (build->parsed())
        return Build(a.input, a.output, a.keyOrder ? EntryOrder::ByKey : EntryOrder::AsGiven);
    if (extract->parsed()) {
        ExtractOptions options = a.extractOptions;
        if (options.paths.empty())
            options.paths = { "resources/forms", "src" };
        options.keywords.insert(options.keywords.end(), a.keywords.begin(), a.keywords.end());
        RefuseInputsAsOutput(options.paths, a.output);
        options.output = a.output;
        tankora::io::WriteFileSafely(a.output, tankora::po::WritePo(Extract(options)));
        return 0;
    }
    if (exportPo->parsed()) {
        RefuseInputsAsOutput({ a.file }, a.output);
        tankora::io::WriteFileSafely(a.output, tankora::po::WritePo(ExportPo(a.file, a.language)));
        return 0;
    }
    if (pseudo->parsed()) {
        RefuseInputsAsOutput({ a.file }, a.output);
        tankora::io::WriteFileSafely(a.output, PseudoImage(a.file));
        return 0;
    }
    if (importPo->parsed()) {
        RefuseInputsAsOutput({ a.file }, a.output);
        RefuseInputsAsOutput(a.poFiles, a.output);
        tankora::io::WriteFileSafely(a.output, ImportPo(a.file, a.poFiles, a.importOptions));
        return 0;
    }
    const CheckReport report = CheckMld(a.file, a.checkOptions);
    (a.asJson ? PrintCheckJson : PrintCheckText)(report, std::cout);
    return report.errors > 0 ? 1 : 0;
}

int Main(int argc, char** argv)
{
    CLI::App app { "Shows, builds, translates and checks MLD dictionary images", "mldtool" };
    app.require_subcommand(1);

    Arguments a;
    auto* dump = app.add_subcommand("dump", "Print the header, languages, locales and entries");
    dump->add_option("FILE", a.file, "MLD image")->required()->type_name("FILE");
    dump->add_option(
        "--language", a.dumpOptions.column, "Column (language index) to read entries for");
    dump->add_flag("--raw", a.dumpOptions.raw, "Languages as stored, before completion");
    dump->add_flag("--all", a.dumpOptions.all, "Every entry with all its translations");
    dump->add_flag("--json", a.asJson, "One JSON object");

    auto* build = app.add_subcommand("build", "Write an MLD image from JSON");
    build->add_option("INPUT", a.input, "JSON description")->required()->type_name("FILE");
    build->add_option("-o", a.output, "Output image")->required()->type_name("FILE");
    build->add_flag("--key-order", a.keyOrder,
        "Write the entries in the order the dictionary looks them up in, so that it "
        "never sorts them when it opens the image");

    auto* extract
        = app.add_subcommand("extract", "Write the program's translatable texts as a PO template");
    extract->add_option("PATHS", a.extractOptions.paths, "Folders or files of layouts and sources")
        ->type_name("FILE");
    extract->add_option("-o", a.output, "Output template (.pot)")->required()->type_name("FILE");
    extract
        ->add_option("--context-kind", a.extractOptions.contextKind,
            "Context kind of the dictionary the texts are for (0 none, 1 both, 2 component, 3 form "
            "class)")
        ->check(CLI::Range(0, 3));
    extract->add_option(
        "--keyword", a.keywords, "Another function whose literal arguments are texts");

    auto* exportPo
        = app.add_subcommand("export-po", "Write one language of an MLD image as a PO file");
    exportPo->add_option("FILE", a.file, "MLD image")->required()->type_name("FILE");
    exportPo->add_option("--language", a.language, "Language index (1 .. L-1)")->required();
    exportPo->add_option("-o", a.output, "Output PO file")->required()->type_name("FILE");

    auto* importPo = app.add_subcommand("import-po", "Merge PO files into an MLD image");
    importPo->add_option("FILE", a.file, "MLD image")->required()->type_name("FILE");
    importPo->add_option("PO", a.poFiles, "PO files, one language each")
        ->required()
        ->type_name("FILE");
    importPo->add_flag("--add-languages", a.importOptions.addLanguages,
        "Add a language the image does not have yet");
    importPo->add_option("-o", a.output, "Output image")->required()->type_name("FILE");

    auto* pseudo = app.add_subcommand(
        "pseudo", "Add an accented and a right-to-left pseudo-language to an MLD image");
    pseudo->add_option("FILE", a.file, "MLD image")->required()->type_name("FILE");
    pseudo->add_option("-o", a.output, "Output image")->required()->type_name("FILE");

    auto* check = app.add_subcommand("check", "Report coverage and problems per language");
    check->add_option("FILE", a.file, "MLD image")->required()->type_name("FILE");
    check->add_flag("--json", a.asJson, "One JSON object");
    check
        ->add_option("--template", a.checkOptions.templateFile,
            "PO template (from extract) whose texts the dictionary should hold")
        ->type_name("FILE");

    tankora::mld::TranslateOptions translateOptions;
    std::string localeText;
    auto* translate
        = app.add_subcommand("translate", "Print what the dictionary answers for texts");
    translate->add_option("FILE", translateOptions.file, "MLD file")->required()->type_name("FILE");
    translate->add_option(
        "--language", translateOptions.language, "Language index (-1, -2 or an index)");
    translate->add_option("--locale", localeText, "Locale id, decimal or 0x hexadecimal");
    translate
        ->add_option(
            "--binding", translateOptions.binding, "How language and locale follow each other")
        ->transform(CLI::CheckedTransformer(std::map<std::string, TIvBinding> {
            { "none", ivbiNone }, { "locale-to-language", ivbiLocaleToLanguage },
            { "language-to-locale", ivbiLanguageToLocale } }));
    translate
        ->add_option("--check-level", translateOptions.checkLevel, "How strictly to check support")
        ->transform(CLI::CheckedTransformer(std::map<std::string, TIvCheckLevel> {
            { "none", ivclNone }, { "system", ivclSystem }, { "codepage", ivclCodePage } }));
    translate->add_option("--missing", translateOptions.missing, "What a missing translation gives")
        ->transform(CLI::CheckedTransformer(std::map<std::string, TIvMissingTranslation> {
            { "use-native", ivmtUseNative }, { "use-null", ivmtUseNull },
            { "tag-native", ivmtTagNative }, { "raise", ivmtRaiseException } }));
    translate->add_option("--context", translateOptions.context, "Context of the lookup");
    translate->add_option(
        "--sub-context", translateOptions.subContext, "Sub-context of the lookup");
    translate->add_flag("--json", translateOptions.json, "One JSON object");
    translate->add_option("TEXT", translateOptions.texts, "Texts (default: lines of stdin)");

    tankora::program::AddProgramOptions(app, "mldtool");

    try {
        app.parse(argc, argv);
    } catch (const CLI::Success& e) {
        return tankora::io::FinishStandardOutput("mldtool", app.exit(e));
    } catch (const CLI::ParseError& e) {
        std::cerr << "mldtool: " << tankora::io::Printable(e.what()) << "\n";
        return 2;
    }

    if (translate->parsed()) {
        if (!localeText.empty()) {
            const auto localeId = tankora::mld::ParseLocaleId(localeText);
            if (!localeId) {
                std::cerr << "mldtool: --locale: not a locale id: "
                          << tankora::io::Printable(localeText) << "\n";
                return 2;
            }
            translateOptions.localeId = *localeId;
        }
        return tankora::io::FinishStandardOutput("mldtool",
            tankora::mld::RunTranslate(translateOptions, std::cin, std::cout, std::cerr));
    }

    int code = 0;
    try {
        code = Run(dump, build, extract, exportPo, importPo, pseudo, a);
    } catch (const std::out_of_range& error) {
        std::cerr << "mldtool: " << tankora::io::Printable(error.what()) << "\n";
        code = 2;
    } catch (const std::exception& error) {
        // Names in messages are already escaped where they are made; a
        // second pass would double their backslashes, so only line breaks
        // and control bytes left by other messages are escaped here.
        std::cerr << OneLine(FullMessage(error)) << "\n";
        code = 1;
    }
    return tankora::io::FinishStandardOutput("mldtool", code);
}

} // namespace

int main(int argc, char** argv)
{
    // Whatever escapes the commands' own handling (the option table's
    // construction, the translate command) is still one line and exit 1,
    // never an abort.
    try {
        return Main(argc, argv);
    } catch (const std::exception& error) {
        std::cerr << OneLine(FullMessage(error)) << "\n";
        return tankora::io::FinishStandardOutput("mldtool", 1);
    }
}

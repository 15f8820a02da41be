// mldtool: shows MLD dictionary images (dump), builds them from JSON (build),
// prints what a dictionary answers on this machine (translate), carries their
// texts to and from translators' PO files (extract, export-po, import-po) and
// checks them (check).
// Exit codes: 0 success, 1 an error of the input (one line on stderr) or, for
// check, a finding of the error class, 2 a usage error.

#include "AtomicFile.h"
#include "Extract.h"
#include "MldCheck.h"
#include "MldDump.h"
#include "MldTranslate.h"
#include "MldWriter.h"
#include "PoExport.h"
#include "PoImport.h"
#include "l10n/po/PoWriter.h"

#include <CLI/CLI.hpp>
#include <nlohmann/json.hpp>

#include <iostream>
#include <map>
#include <sstream>
#include <stdexcept>

namespace {

using namespace tankora::mld;

// A report as one JSON object, or as text for people.
void Print(const nlohmann::ordered_json& report, bool asJson,
    void (*printText)(const nlohmann::ordered_json&, std::ostream&))
{
    if (asJson)
        std::cout << report.dump(2) << "\n";
    else
        printText(report, std::cout);
}

int Build(const std::string& input, const std::string& output)
{
    nlohmann::json description;
    try {
        description = nlohmann::json::parse(ReadWholeFile(input));
    } catch (const nlohmann::json::parse_error& error) {
        throw std::runtime_error(input + ": not valid JSON: " + error.what());
    }
    WriteFileAtomically(output, BuildMldImage(description));
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    CLI::App app { "Shows, builds, translates and checks MLD dictionary images" };
    app.require_subcommand(1);

    std::string file;
    DumpOptions options;
    bool asJson = false;
    auto* dump = app.add_subcommand("dump", "Print the header, languages, locales and entries");
    dump->add_option("FILE", file, "MLD image")->required();
    dump->add_option("--language", options.column, "Column (language index) to read entries for");
    dump->add_flag("--raw", options.raw, "Languages as stored, before completion");
    dump->add_flag("--all", options.all, "Every entry with all its translations");
    dump->add_flag("--json", asJson, "One JSON object");

    std::string input, output;
    auto* build = app.add_subcommand("build", "Write an MLD image from JSON");
    build->add_option("INPUT", input, "JSON description")->required();
    build->add_option("-o", output, "Output image")->required();

    ExtractOptions extractOptions;
    std::vector<std::string> keywords;
    auto* extract
        = app.add_subcommand("extract", "Write the program's translatable texts as a PO template");
    extract->add_option("PATHS", extractOptions.paths, "Folders or files of layouts and sources");
    extract->add_option("-o", output, "Output template (.pot)")->required();
    extract
        ->add_option("--context-kind", extractOptions.contextKind,
            "Context kind of the dictionary the texts are for (0 none, 1 both, 2 component, 3 form "
            "class)")
        ->check(CLI::Range(0, 3));
    extract->add_option(
        "--keyword", keywords, "Another function whose literal arguments are texts");

    int language = 0;
    auto* exportPo
        = app.add_subcommand("export-po", "Write one language of an MLD image as a PO file");
    exportPo->add_option("FILE", file, "MLD image")->required();
    exportPo->add_option("--language", language, "Language index (1 .. L-1)")->required();
    exportPo->add_option("-o", output, "Output PO file")->required();

    std::vector<std::string> poFiles;
    ImportOptions importOptions;
    auto* importPo = app.add_subcommand("import-po", "Merge PO files into an MLD image");
    importPo->add_option("FILE", file, "MLD image")->required();
    importPo->add_option("PO", poFiles, "PO files, one language each")->required();
    importPo->add_flag("--add-languages", importOptions.addLanguages,
        "Add a language the image does not have yet");
    importPo->add_option("-o", output, "Output image")->required();

    CheckOptions checkOptions;
    auto* check = app.add_subcommand("check", "Report coverage and problems per language");
    check->add_option("FILE", file, "MLD image")->required();
    check->add_flag("--json", asJson, "One JSON object");
    check->add_option("--template", checkOptions.templateFile,
        "PO template (from extract) whose texts the dictionary should hold");

    tankora::mld::TranslateOptions translateOptions;
    std::string localeText;
    auto* translate
        = app.add_subcommand("translate", "Print what the dictionary answers for texts");
    translate->add_option("FILE", translateOptions.file, "MLD file")->required();
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

    try {
        app.parse(argc, argv);
    } catch (const CLI::CallForHelp& e) {
        return app.exit(e);
    } catch (const CLI::ParseError& e) {
        std::cerr << "mldtool: " << e.what() << "\n";
        return 2;
    }

    if (translate->parsed()) {
        if (!localeText.empty()) {
            const auto localeId = tankora::mld::ParseLocaleId(localeText);
            if (!localeId) {
                std::cerr << "mldtool: --locale: not a locale id: " << localeText << "\n";
                return 2;
            }
            translateOptions.localeId = *localeId;
        }
        return tankora::mld::RunTranslate(translateOptions, std::cin, std::cout, std::cerr);
    }

    try {
        if (dump->parsed()) {
            Print(DumpMld(file, options), asJson, PrintMldText);
            return 0;
        }
        if (build->parsed())
            return Build(input, output);
        if (extract->parsed()) {
            if (extractOptions.paths.empty())
                extractOptions.paths = { "resources/forms", "src" };
            extractOptions.keywords.insert(
                extractOptions.keywords.end(), keywords.begin(), keywords.end());
            WriteFileAtomically(output, tankora::po::WritePo(Extract(extractOptions)));
            return 0;
        }
        if (exportPo->parsed()) {
            WriteFileAtomically(output, tankora::po::WritePo(ExportPo(file, language)));
            return 0;
        }
        if (importPo->parsed()) {
            WriteFileAtomically(output, ImportPo(file, poFiles, importOptions));
            return 0;
        }
        const auto report = CheckMld(file, checkOptions);
        Print(report, asJson, PrintCheckText);
        return report["errors"].get<int>() > 0 ? 1 : 0;
    } catch (const std::out_of_range& error) {
        std::cerr << "mldtool: " << error.what() << "\n";
        return 2;
    } catch (const std::exception& error) {
        std::cerr << error.what() << "\n";
        return 1;
    }
}

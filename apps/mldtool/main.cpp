// mldtool: shows an MLD dictionary image (dump), builds one from JSON (build),
// or prints what a dictionary answers on this machine (translate).
// Exit codes: 0 success, 1 a reader or build error (one line on stderr),
// 2 a usage error.

#include "MldDump.h"
#include "MldTranslate.h"
#include "MldWriter.h"

#include <CLI/CLI.hpp>
#include <nlohmann/json.hpp>

#include <cstdio>
#include <fstream>
#include <iostream>
#include <map>
#include <sstream>
#include <stdexcept>

namespace {

int Dump(const std::string& file, const tankora::mld::DumpOptions& options, bool asJson)
{
    const auto dump = tankora::mld::DumpMld(file, options);
    if (asJson)
        std::cout << dump.dump(2) << "\n";
    else
        tankora::mld::PrintMldText(dump, std::cout);
    return 0;
}

// Writes beside the target and renames, so a failed build leaves no half file.
void WriteFileAtomically(const std::string& path, const std::string& bytes)
{
    const std::string temporary = path + ".tmp";
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        out.close();
        if (!out) {
            std::remove(temporary.c_str());
            throw std::runtime_error("Cannot create file " + path);
        }
    }
    if (std::rename(temporary.c_str(), path.c_str()) != 0) {
        std::remove(temporary.c_str());
        throw std::runtime_error("Cannot create file " + path);
    }
}

int Build(const std::string& input, const std::string& output)
{
    std::ifstream in(input, std::ios::binary);
    if (!in)
        throw std::runtime_error("Cannot open file " + input);
    std::stringstream text;
    text << in.rdbuf();
    nlohmann::json description;
    try {
        description = nlohmann::json::parse(text.str());
    } catch (const nlohmann::json::parse_error& error) {
        throw std::runtime_error(input + ": not valid JSON: " + error.what());
    }
    WriteFileAtomically(output, tankora::mld::BuildMldImage(description));
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    CLI::App app { "Shows and builds MLD dictionary images" };
    app.require_subcommand(1);

    std::string file;
    tankora::mld::DumpOptions options;
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
        if (dump->parsed())
            return Dump(file, options, asJson);
        return Build(input, output);
    } catch (const std::out_of_range& error) {
        std::cerr << "mldtool: " << error.what() << "\n";
        return 2;
    } catch (const std::exception& error) {
        std::cerr << error.what() << "\n";
        return 1;
    }
}

#include "PoExport.h"

#include "FormatDirectives.h"
#include "MldDump.h"
#include "MldText.h"
#include "MsgContext.h"

#include <nlohmann/json.hpp>

#include <chrono>
#include <ctime>
#include <filesystem>
#include <map>

namespace tankora::mld {
namespace {

using json = nlohmann::ordered_json;

std::string BaseName(const std::string& path)
{
    std::string name = path.substr(path.find_last_of('/') + 1);
    if (const std::size_t dot = name.rfind('.'); dot != std::string::npos && dot > 0)
        name.erase(dot);
    return name;
}

std::string LanguageTag(const json& language)
{
    std::string tag = language["isoLanguageName"].get<std::string>();
    const std::string country = language["isoCountryName"].get<std::string>();
    if (!country.empty() && country != "  ")
        tag += "_" + country;
    return tag;
}

// When the translations were last revised: the image's modification time, so
// exporting the same image twice gives the same file.
std::string RevisionDate(const std::string& path)
{
    const auto written = std::chrono::file_clock::to_sys(std::filesystem::last_write_time(path));
    const std::time_t time = std::chrono::system_clock::to_time_t(
        std::chrono::time_point_cast<std::chrono::system_clock::duration>(written));
    std::tm utc {};
    gmtime_r(&time, &utc);
    char text[32];
    std::strftime(text, sizeof text, "%Y-%m-%d %H:%M+0000", &utc);
    return text;
}

} // namespace

po::PoCatalog ExportPo(const std::string& mldFile, int language)
{
    DumpOptions options;
    options.all = true;
    options.exactUnicode = true;
    const json dump = DumpMld(mldFile, options);
    const int languageCount = static_cast<int>(dump["languages"].size());
    if (language < 1 || language >= languageCount)
        throw std::out_of_range("Language index " + std::to_string(language)
            + " is out of range (the file has languages 1 to " + std::to_string(languageCount - 1)
            + " besides the native one)");
    const json& record = dump["languages"][static_cast<std::size_t>(language)];
    const int contextKind = dump["header"]["contextKind"].get<int>();

    po::PoCatalog catalog;
    catalog.headerComments = {
        record["englishName"].get<std::string>() + " (" + record["nativeName"].get<std::string>()
            + "): language " + std::to_string(language) + " of " + mldFile,
        "MLD language: primary " + std::to_string(record["primaryLanguage"].get<int>())
            + ", sub-language " + std::to_string(record["subLanguage"].get<int>()) + ", code page "
            + std::to_string(record["codePage"].get<int>()),
    };
    catalog.header = {
        { "Project-Id-Version", BaseName(mldFile) },
        { "PO-Revision-Date", RevisionDate(mldFile) },
        { "Last-Translator", "" },
        { "Language-Team", "" },
        { "Language", LanguageTag(record) },
        { "MIME-Version", "1.0" },
        { "Content-Type", "text/plain; charset=UTF-8" },
        { "Content-Transfer-Encoding", "8bit" },
        { "Plural-Forms", "nplurals=2; plural=(n != 1);" },
    };

    std::map<std::pair<std::optional<std::string>, std::string>, std::size_t> seen;
    const json& entries = dump["entries"];
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const json& e = entries[i];
        const std::string native = e["native"].get<std::string>();
        const std::string translation
            = e["translations"][static_cast<std::size_t>(language - 1)].get<std::string>();
        const std::string where
            = mldFile + ": entry " + std::to_string(i) + " (\"" + native + "\")";
        if (native.empty())
            continue; // never looked up: an empty text translates to itself
        if (HasUndecodableBytes(native) || HasUndecodableBytes(translation))
            throw ExportError(where + ": bytes that are not characters of the text's code page");
        std::optional<std::string> context;
        try {
            context = MsgContextOf(
                contextKind, e["context"].get<std::string>(), e["subContext"].get<std::string>());
        } catch (const ContextError& error) {
            throw ExportError(where + ": " + error.what());
        }
        const auto [it, added]
            = seen.emplace(std::make_pair(context, native), catalog.entries.size());
        if (!added) {
            // PO keeps one message per text; a differing duplicate is shown to the translator.
            po::PoEntry& first = catalog.entries[it->second];
            if (translation != first.Translation())
                first.extractedComments.push_back(
                    "The dictionary also holds the translation \"" + translation + "\"");
            continue;
        }
        po::PoEntry entry;
        entry.context = context;
        entry.id = native;
        entry.strings = { translation };
        const FormatScan scan = ScanFormat(native);
        if (scan.wellFormed && !scan.directives.empty())
            entry.flags.push_back("c-format");
        catalog.entries.push_back(std::move(entry));
    }
    return catalog;
}

} // namespace tankora::mld

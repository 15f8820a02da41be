#include "GridInputs.h"

#include "MldWriter.h"

#include <nlohmann/json.hpp>

#include <filesystem>
#include <fstream>

#include <sys/wait.h>
#include <unistd.h>

namespace tankora::bench {
namespace {

using nlohmann::json;

std::string TempFile(const std::string& name)
{
    return (std::filesystem::temp_directory_path()
        / ("tankora-mldtool-bench-" + std::to_string(getpid()) + "-" + name))
        .string();
}

json Language(int primary, int sub, const std::string& name, const std::string& iso639,
    const std::string& iso3166)
{
    return { { "primaryLanguage", primary }, { "isoLanguageName", iso639 },
        { "defaultSubLanguage", sub }, { "isoCountryName", iso3166 },
        { "subLanguages", sub ? json::array({ sub }) : json::array() },
        { "subLanguageNames", json::array() }, { "charset", 0 }, { "codePage", 1252 },
        { "flags", 0 }, { "englishName", name }, { "nativeName", name }, { "fontName", "" },
        { "fontSize", 0 } };
}

std::string Translation(int entry, int column)
{
    const std::string index = std::to_string(entry);
    const int cell = entry * 4099 + column;
    if (cell % 256 == 0)
        return "Berechnen " + index;
    return "Berechnen " + index + ": %s" + (cell % 64 == 0 ? " " : "");
}

// The description is large (one JSON string per cell): it is built in a
// child, so its memory never counts towards a measurement.
void WriteInChild(const std::string& path, int size)
{
    const pid_t child = fork();
    if (child == 0) {
        json d = { { "header",
                       { { "version", 2 }, { "littleEndian", true }, { "ansiStrings", true },
                           { "contextKind", 0 } } },
            { "locales", json::array() } };
        d["languages"] = json::array({ Language(0, 0, "Native", "en", "US") });
        for (int c = 1; c < size; ++c)
            d["languages"].push_back(Language(7, 1, "German " + std::to_string(c), "de", "DE"));
        d["entries"] = json::array();
        for (int i = 0; i < size; ++i) {
            json translations = json::array();
            for (int c = 1; c < size; ++c)
                translations.push_back(Translation(i, c));
            d["entries"].push_back(
                { { "native", "Calculate " + std::to_string(i) + ": %s" }, { "context", "" },
                    { "subContext", "" }, { "translations", std::move(translations) } });
        }
        std::ofstream(path, std::ios::binary) << tankora::mld::BuildMldImage(d);
        _exit(0);
    }
    waitpid(child, nullptr, 0);
}

} // namespace

std::string GridImagePath(int size)
{
    const std::string path = TempFile("grid-" + std::to_string(size) + ".mld");
    if (!std::filesystem::exists(path))
        WriteInChild(path, size);
    return path;
}

std::string PoPath(int messages)
{
    const std::string path = TempFile("messages-" + std::to_string(messages) + ".po");
    if (std::filesystem::exists(path))
        return path;
    std::ofstream po(path, std::ios::binary);
    po << "msgid \"\"\nmsgstr \"\"\n\"Language: de_DE\\n\"\n"
          "\"Content-Type: text/plain; charset=UTF-8\\n\"\n";
    for (int i = 0; i < messages; ++i)
        po << "\nmsgid \"Calculate " << i << ": %s\"\nmsgstr \"Berechnen " << i << ": %s\"\n";
    return path;
}

} // namespace tankora::bench

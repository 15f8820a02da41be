// Writes the corpus in every system's source form, for the build to compile
// with each system's own tool:
//   l10n_peers_sources OUTDIR
// OUTDIR/peers-8bit.mld, peers-utf16.mld  MLD images (German 1252, Japanese 932 / UTF-16)
// OUTDIR/{de,ja}.po                        gettext catalogues (msgfmt)
// OUTDIR/{de,ja}.ts                        Qt translation sources (lrelease)
// OUTDIR/icu/{de,ja}.txt                   ICU resource bundle sources (genrb)

#include "MldWriter.h"
#include "PeerCorpus.h"

#include <nlohmann/json.hpp>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

namespace {

using tankora::peers::Corpus;
using tankora::peers::CorpusEntry;

struct Translation
{
    const char* language;
    std::string CorpusEntry::*text;
};

constexpr Translation kTranslations[] = {
    { "de", &CorpusEntry::german },
    { "ja", &CorpusEntry::japanese },
};

nlohmann::json Language(int primary, int defaultSub, int codePage, const char* iso639,
    const char* iso3166, const char* englishName, const char* nativeName)
{
    return { { "primaryLanguage", primary }, { "isoLanguageName", iso639 },
        { "defaultSubLanguage", defaultSub }, { "isoCountryName", iso3166 },
        { "subLanguages", nlohmann::json::array() },
        { "subLanguageNames", nlohmann::json::array() }, { "charset", 0 }, { "codePage", codePage },
        { "flags", primary == 0 ? 2 : 0 }, { "englishName", englishName },
        { "nativeName", nativeName }, { "fontName", "" }, { "fontSize", 0 } };
}

std::string MldImage(bool ansiStrings)
{
    nlohmann::json entries = nlohmann::json::array();
    for (const CorpusEntry& entry : Corpus()) {
        entries.push_back({ { "native", entry.native }, { "context", "" }, { "subContext", "" },
            { "translations", { entry.german, entry.japanese } } });
    }
    const nlohmann::json description = {
        { "header",
            { { "version", 3 }, { "littleEndian", true }, { "ansiStrings", ansiStrings },
                { "contextKind", 0 } } },
        { "languages",
            { Language(0, 0, 1252, "en", "US", "Native", "Native"),
                Language(7, 1, 1252, "de", "DE", "German", "Deutsch"),
                Language(17, 1, 932, "ja", "JP", "Japanese", "日本語") } },
        { "locales", nlohmann::json::array() },
        { "entries", entries },
    };
    return tankora::mld::BuildMldImage(description);
}

std::string Replaced(std::string text, const std::string& from, const std::string& to)
{
    for (std::size_t at = text.find(from); at != std::string::npos;
         at = text.find(from, at + to.size()))
        text.replace(at, from.size(), to);
    return text;
}

std::string XmlText(const std::string& text)
{
    return Replaced(Replaced(Replaced(text, "&", "&amp;"), "<", "&lt;"), ">", "&gt;");
}

// The corpus has no quotes or backslashes; these escapes keep the files valid anyway.
std::string QuotedText(const std::string& text)
{
    return '"' + Replaced(Replaced(text, "\\", "\\\\"), "\"", "\\\"") + '"';
}

void WritePo(std::ostream& out, const Translation& translation)
{
    out << "msgid \"\"\nmsgstr \"Content-Type: text/plain; charset=UTF-8\\n\"\n\n";
    for (const CorpusEntry& entry : Corpus())
        out << "msgid " << QuotedText(entry.native) << "\nmsgstr "
            << QuotedText(entry.*translation.text) << "\n\n";
}

void WriteTs(std::ostream& out, const Translation& translation)
{
    out << "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n<!DOCTYPE TS>\n<TS version=\"2.1\" "
           "language=\""
        << translation.language << "\">\n<context>\n<name>Tankora</name>\n";
    for (const CorpusEntry& entry : Corpus())
        out << "<message><source>" << XmlText(entry.native) << "</source><translation>"
            << XmlText(entry.*translation.text) << "</translation></message>\n";
    out << "</context>\n</TS>\n";
}

// In descending key order: genrb inserts each key into a sorted list by a
// scan from its smallest key, so any other order takes quadratic time.
void WriteIcu(std::ostream& out, const Translation& translation)
{
    std::vector<const CorpusEntry*> entries;
    for (const CorpusEntry& entry : Corpus())
        entries.push_back(&entry);
    std::sort(entries.begin(), entries.end(),
        [](const CorpusEntry* a, const CorpusEntry* b) { return a->native > b->native; });
    out << translation.language << ":table(nofallback) {\n";
    for (const CorpusEntry* entry : entries)
        out << "  " << QuotedText(entry->native) << '{' << QuotedText(entry->*translation.text)
            << "}\n";
    out << "}\n";
}

void WriteFile(const std::filesystem::path& path, const std::function<void(std::ostream&)>& write)
{
    std::filesystem::create_directories(path.parent_path());
    std::ofstream out(path, std::ios::binary);
    write(out);
    if (!out)
        throw std::runtime_error("cannot write " + path.string());
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTDIR\n", argv[0]);
        return 2;
    }
    try {
        const std::filesystem::path folder(argv[1]);
        for (const bool ansi : { true, false }) {
            WriteFile(folder / (ansi ? "peers-8bit.mld" : "peers-utf16.mld"),
                [&](std::ostream& out) { out << MldImage(ansi); });
        }
        for (const Translation& translation : kTranslations) {
            const std::string language = translation.language;
            WriteFile(
                folder / (language + ".po"), [&](std::ostream& out) { WritePo(out, translation); });
            WriteFile(
                folder / (language + ".ts"), [&](std::ostream& out) { WriteTs(out, translation); });
            WriteFile(folder / "icu" / (language + ".txt"),
                [&](std::ostream& out) { WriteIcu(out, translation); });
        }
    } catch (const std::exception& error) {
        std::fprintf(stderr, "%s\n", error.what());
        return 1;
    }
    return 0;
}

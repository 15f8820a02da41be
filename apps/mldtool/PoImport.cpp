#include "PoImport.h"

#include "MldDump.h"
#include "MldText.h"
#include "MldWriter.h"
#include "MsgContext.h"
#include "l10n/po/PoReader.h"

#include "nls/Nls.h"

#include <nlohmann/json.hpp>

#include <algorithm>
#include <map>
#include <tuple>

namespace tankora::mld {
namespace {

using json = nlohmann::ordered_json;
using EntryKey = std::tuple<std::string, std::string, std::string>;

struct LanguageTag
{
    std::string language; // lower case, "de"
    std::string country; // upper case, "DE"; empty when the tag has none
    std::string text; // as the header gives it
};

std::string Cased(std::string text, bool upper)
{
    for (char& c : text) {
        if (upper && c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 32);
        if (!upper && c >= 'A' && c <= 'Z')
            c = static_cast<char>(c + 32);
    }
    return text;
}

// "de_DE", "de-DE", "de_DE.UTF-8", "sr@latin": language and country codes.
LanguageTag ParseTag(const std::string& text)
{
    std::string tag = text.substr(0, text.find_first_of(".@"));
    std::vector<std::string> parts;
    std::size_t start = 0;
    while (start <= tag.size()) {
        const std::size_t end = std::min(tag.find_first_of("_-", start), tag.size());
        parts.push_back(tag.substr(start, end - start));
        start = end + 1;
    }
    LanguageTag result { Cased(parts.front(), false), "", text };
    if (parts.size() > 1 && parts.back().size() == 2)
        result.country = Cased(parts.back(), true);
    return result;
}

class Importer
{
public:
    Importer(const std::string& mldFile, const ImportOptions& options)
        : m_mldFile(mldFile)
        , m_options(options)
    {
        DumpOptions raw;
        raw.raw = true;
        raw.all = true;
        raw.exactUnicode = true;
        m_image = DumpMld(mldFile, raw);
        m_completed = DumpMld(mldFile, DumpOptions {})["languages"];
        m_contextKind = m_image["header"]["contextKind"].get<int>();
        json& entries = m_image["entries"];
        for (std::size_t i = 0; i < entries.size(); ++i) {
            RefuseUndecodable(entries[i], i);
            m_index[KeyOf(entries[i])].push_back(i);
        }
    }

    void Merge(const std::string& poFile)
    {
        const po::PoCatalog catalog = po::ReadPoFile(poFile);
        const std::optional<std::string> language = catalog.HeaderField("Language");
        if (!language || language->empty())
            throw ImportError(poFile + ":" + std::to_string(std::max(catalog.headerLine, 1))
                + ": the header names no Language, so the catalog fits no column");
        const std::size_t column = Column(ParseTag(*language), poFile, catalog.headerLine);
        const int codePage = m_completed[column]["codePage"].get<int>();
        const std::string languageName = m_completed[column]["englishName"].get<std::string>();
        for (const po::PoEntry& entry : catalog.entries) {
            if (entry.obsolete || entry.HasFlag("fuzzy") || entry.id.empty())
                continue;
            const std::string at = poFile + ":" + std::to_string(entry.line) + ": ";
            if (entry.idPlural)
                throw ImportError(at + "plural forms cannot be kept in an MLD dictionary");
            std::pair<std::string, std::string> contexts;
            try {
                contexts = ContextsOf(m_contextKind, entry.context);
            } catch (const ContextError& error) {
                throw ImportError(at + error.what());
            }
            const std::string& translation = entry.Translation();
            RefuseUnfit(translation, codePage,
                "code page " + std::to_string(codePage) + " of " + languageName, poFile,
                entry.stringLine);
            Store(EntryKey { entry.id, contexts.first, contexts.second }, column, translation,
                poFile, entry.line);
        }
    }

    std::string Build() const { return BuildMldImage(nlohmann::json(m_image)); }

private:
    EntryKey KeyOf(const json& entry) const
    {
        return { entry["native"].get<std::string>(), entry["context"].get<std::string>(),
            entry["subContext"].get<std::string>() };
    }

    void RefuseUndecodable(const json& entry, std::size_t index) const
    {
        const auto bad
            = [](const json& text) { return HasUndecodableBytes(text.get<std::string>()); };
        bool undecodable
            = bad(entry["native"]) || bad(entry["context"]) || bad(entry["subContext"]);
        for (const json& text : entry["translations"])
            undecodable = undecodable || bad(text);
        if (undecodable)
            throw ImportError(m_mldFile + ": entry " + std::to_string(index)
                + " holds bytes that are not characters of its code page; mend it first "
                  "(mldtool check lists such texts)");
    }

    static void RefuseUnfit(const std::string& text, int codePage, const std::string& what,
        const std::string& poFile, int line)
    {
        if (const auto character = FirstUnfitCharacter(text, codePage))
            throw ImportError(poFile + ":" + std::to_string(line) + ": "
                + DescribeCharacter(*character) + " cannot be written in " + what);
    }

    // The column (1..L-1) of the language the tag names; a new one when asked.
    std::size_t Column(const LanguageTag& tag, const std::string& poFile, int line)
    {
        std::vector<std::size_t> sameLanguage, exact;
        for (std::size_t c = 1; c < m_completed.size(); ++c) {
            const json& l = m_completed[c];
            if (Cased(l["isoLanguageName"].get<std::string>(), false) != tag.language)
                continue;
            sameLanguage.push_back(c);
            if (Cased(l["isoCountryName"].get<std::string>(), true) == tag.country)
                exact.push_back(c);
        }
        if (!exact.empty())
            return exact.front();
        if (tag.country.empty() && sameLanguage.size() == 1)
            return sameLanguage.front();
        const std::string at = poFile + ":" + std::to_string(line) + ": ";
        if (tag.country.empty() && sameLanguage.size() > 1)
            throw ImportError(at + "the Language \"" + tag.text
                + "\" fits several languages of the dictionary; give the country too");
        if (!m_options.addLanguages)
            throw ImportError(at + "the dictionary has no language \"" + tag.text
                + "\" (--add-languages adds it)");
        return AddLanguage(tag, at);
    }

    std::size_t AddLanguage(const LanguageTag& tag, const std::string& at)
    {
        const std::optional<LocaleId> id
            = LocaleIdFromName(tag.language + (tag.country.empty() ? "" : "_" + tag.country));
        if (!id || tag.language.size() != 2)
            throw ImportError(at + "\"" + tag.text + "\" is no language the platform knows");
        std::string country = tag.country;
        if (country.empty()) {
            const std::string name = IcuLocaleName(*id);
            country = name.size() >= 2 ? Cased(name.substr(name.size() - 2), true) : "";
        }
        const int sub = SubLanguageOf(*id);
        json record = {
            { "primaryLanguage", PrimaryLanguageOf(*id) },
            { "isoLanguageName", tag.language },
            { "defaultSubLanguage", sub },
            { "isoCountryName", country.size() == 2 ? country : "  " },
            { "subLanguages", { sub } },
            { "subLanguageNames", json::array() },
            { "charset", 0 },
            { "codePage", 0 },
            { "flags", 0 },
            // Names left empty are filled from the platform's locale data on reading.
            { "englishName", "" },
            { "nativeName", "" },
            { "fontName", "" },
            { "fontSize", 0 },
        };
        record["codePage"] = CompletedCodePage(nlohmann::json(record), "new language");
        m_image["languages"].push_back(record);
        for (json& entry : m_image["entries"])
            entry["translations"].push_back("");
        json completed = record;
        completed["englishName"] = tag.text;
        m_completed.push_back(completed);
        return m_completed.size() - 1;
    }

    void Store(const EntryKey& key, std::size_t column, const std::string& translation,
        const std::string& poFile, int line)
    {
        const auto found = m_index.find(key);
        if (found != m_index.end()) {
            if (translation.empty())
                return;
            for (const std::size_t i : found->second)
                m_image["entries"][i]["translations"][column - 1] = translation;
            return;
        }
        // A text the dictionary does not know yet: native texts and contexts
        // are kept in the active ANSI code page.
        const auto& [native, context, subContext] = key;
        for (const std::string* text : { &native, &context, &subContext })
            RefuseUnfit(
                *text, 0, "the active ANSI code page native texts are kept in", poFile, line);
        json entry = { { "native", native }, { "context", context }, { "subContext", subContext },
            { "translations", json::array() } };
        for (std::size_t c = 1; c < m_completed.size(); ++c)
            entry["translations"].push_back(c == column ? translation : "");
        m_index[key].push_back(m_image["entries"].size());
        m_image["entries"].push_back(std::move(entry));
    }

    const std::string& m_mldFile;
    const ImportOptions& m_options;
    json m_image; // raw, every column; rebuilt into the new image
    json m_completed; // completed languages: tags and code pages of the columns
    int m_contextKind = 0;
    std::map<EntryKey, std::vector<std::size_t>> m_index;
};

} // namespace

std::string ImportPo(const std::string& mldFile, const std::vector<std::string>& poFiles,
    const ImportOptions& options)
{
    Importer importer(mldFile, options);
    for (const std::string& poFile : poFiles)
        importer.Merge(poFile);
    return importer.Build();
}

} // namespace tankora::mld

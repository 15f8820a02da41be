#include "MldCheck.h"

#include "FormatDirectives.h"
#include "MldDump.h"
#include "MldText.h"
#include "MsgContext.h"
#include "l10n/po/PoReader.h"
#include "l10n/po/Utf8.h"

#include <nlohmann/json.hpp>

#include <map>
#include <ostream>
#include <set>
#include <tuple>

namespace tankora::mld {
namespace {

using json = nlohmann::ordered_json;
using EntryKey = std::tuple<std::string, std::string, std::string>;

bool IsBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}

std::string LeadingBlanks(const std::string& text)
{
    std::size_t n = 0;
    while (n < text.size() && IsBlank(text[n]))
        ++n;
    return text.substr(0, n);
}

std::string TrailingBlanks(const std::string& text)
{
    std::size_t n = text.size();
    while (n > 0 && IsBlank(text[n - 1]))
        --n;
    return text.substr(n);
}

// The final punctuation of a text, in one spelling for all scripts: "." for
// "." and "。", "?" for "?", "？", "؟" and the Greek question mark, and so on;
// empty when the text ends in no punctuation. An ellipsis counts as none:
// whether a caption keeps one is a convention of each language's interface.
std::string FinalPunctuation(const std::string& text)
{
    const std::u32string points = DecodeUtf8(text).value_or(std::u32string {});
    std::size_t end = points.size();
    while (end > 0
        && (points[end - 1] == U' ' || points[end - 1] == U'\t' || points[end - 1] == U'\n'
            || points[end - 1] == U'\r'))
        --end;
    if (end == 0)
        return {};
    if ((end >= 3 && points.substr(end - 3, 3) == U"...") || points[end - 1] == U'\u2026')
        return {};
    static const std::map<char32_t, std::string> kMarks = {
        { U'.', "." },
        { U'\u3002', "." },
        { U'\u0964', "." },
        { U'?', "?" },
        { U'\uFF1F', "?" },
        { U'\u061F', "?" },
        { U'\u037E', "?" },
        { U'!', "!" },
        { U'\uFF01', "!" },
        { U':', ":" },
        { U'\uFF1A', ":" },
        { U';', ";" },
        { U'\u061B', ";" },
        { U'\uFF1B', ";" },
        { U',', "," },
        { U'\u060C', "," },
        { U'\u3001', "," },
        { U'\uFF0C', "," },
    };
    const auto it = kMarks.find(points[end - 1]);
    return it == kMarks.end() ? std::string {} : it->second;
}

// Whether the text's last character is a full-width punctuation mark, which
// carries its own spacing, so a blank after it is left out in CJK text.
bool EndsInFullWidthPunctuation(const std::string& text)
{
    const std::u32string points = DecodeUtf8(text).value_or(std::u32string {});
    if (points.empty())
        return false;
    const char32_t last = points.back();
    return (last >= 0x3000 && last <= 0x303F) || (last >= 0xFF01 && last <= 0xFF0F)
        || (last >= 0xFF1A && last <= 0xFF20);
}

// Leading and trailing blanks agree; a single trailing blank may go after
// full-width punctuation.
bool SameBlanks(const std::string& native, const std::string& translation)
{
    if (LeadingBlanks(native) != LeadingBlanks(translation))
        return false;
    const std::string trailing = TrailingBlanks(translation);
    return TrailingBlanks(native) == trailing
        || (TrailingBlanks(native) == " " && trailing.empty()
            && EndsInFullWidthPunctuation(translation));
}

std::string Directives(const std::string& text)
{
    std::string list;
    for (const std::string& d : ScanFormat(text).directives)
        list += (list.empty() ? "" : " ") + d;
    return list.empty() ? "none" : list;
}

std::string Quoted(const std::string& text)
{
    return "\"" + text + "\"";
}

class Checker
{
public:
    Checker(const std::string& mldFile, const CheckOptions& options)
    {
        DumpOptions dumpOptions;
        dumpOptions.all = true;
        dumpOptions.exactUnicode = true;
        m_dump = DumpMld(mldFile, dumpOptions);
        m_report["file"] = mldFile;
        m_report["errors"] = 0;
        m_report["warnings"] = 0;
        m_report["languages"] = json::array();
        m_report["findings"] = json::array();
        if (!options.templateFile.empty())
            m_missing = MissingTexts(options.templateFile);
    }

    json Run()
    {
        const json& languages = m_dump["languages"];
        const json& entries = m_dump["entries"];
        for (std::size_t i = 0; i < entries.size(); ++i) {
            if (HasUndecodableBytes(entries[i]["native"].get<std::string>()))
                Add("error", "unrepresentable", json(), i, entries[i], "",
                    "the native text holds bytes that are not characters of the active ANSI code "
                    "page");
        }
        for (std::size_t column = 1; column < languages.size(); ++column)
            CheckLanguage(column);
        CheckLocales();
        for (const auto& [line, text] : m_missing) {
            json finding
                = { { "severity", "warning" }, { "check", "missing" }, { "language", json() },
                      { "entry", json() }, { "native", text }, { "translation", "" },
                      { "detail",
                          "the template's text (line " + std::to_string(line)
                              + ") has no entry in the dictionary" } };
            Count("warning");
            m_report["findings"].push_back(std::move(finding));
        }
        return std::move(m_report);
    }

private:
    void Count(const std::string& severity)
    {
        json& counter = m_report[severity == "error" ? "errors" : "warnings"];
        counter = counter.get<int>() + 1;
    }

    void Add(const std::string& severity, const std::string& check, const json& language,
        std::size_t entry, const json& e, const std::string& translation, const std::string& detail)
    {
        Count(severity);
        m_report["findings"].push_back({ { "severity", severity }, { "check", check },
            { "language", language }, { "entry", entry }, { "native", e["native"] },
            { "translation", translation }, { "detail", detail } });
    }

    void CheckLanguage(std::size_t column)
    {
        const json& language = m_dump["languages"][column];
        const int codePage = language["codePage"].get<int>();
        const json& entries = m_dump["entries"];
        int translated = 0, empty = 0;
        std::map<EntryKey, std::pair<std::size_t, std::string>> firstOfKey;
        for (std::size_t i = 0; i < entries.size(); ++i) {
            const json& e = entries[i];
            const std::string native = e["native"].get<std::string>();
            const std::string translation = e["translations"][column - 1].get<std::string>();
            const json index = column;
            const EntryKey key { native, e["context"].get<std::string>(),
                e["subContext"].get<std::string>() };
            const auto [first, added] = firstOfKey.emplace(key, std::make_pair(i, translation));
            if (!added && first->second.second != translation)
                Add("error", "duplicate", index, i, e, translation,
                    "entry " + std::to_string(first->second.first) + " has the same text with "
                        + Quoted(first->second.second));
            if (translation.empty()) {
                ++empty;
                continue;
            }
            ++translated;
            if (HasUndecodableBytes(translation))
                Add("error", "unrepresentable", index, i, e, translation,
                    "bytes that are not characters of code page " + std::to_string(codePage));
            else if (const auto character = FirstUnfitCharacter(translation, codePage))
                Add("error", "unrepresentable", index, i, e, translation,
                    DescribeCharacter(*character) + " is not in code page "
                        + std::to_string(codePage) + " and would show as \"?\"");
            if (!SameDirectives(native, translation))
                Add("error", "placeholders", index, i, e, translation,
                    "placeholders differ: native " + Directives(native) + ", translation "
                        + Directives(translation));
            if (!SameBlanks(native, translation))
                Add("warning", "blanks", index, i, e, translation,
                    "leading or trailing blanks differ from the native text's");
            // Only punctuation the native text ends in is asked for: a
            // translation may add a period (an abbreviation) or a colon (a label).
            if (const std::string mark = FinalPunctuation(native);
                !mark.empty() && mark != FinalPunctuation(translation))
                Add("warning", "punctuation", index, i, e, translation,
                    "the native text ends in \"" + mark + "\", the translation does not");
        }
        m_report["languages"].push_back(
            { { "index", column }, { "englishName", language["englishName"] },
                { "nativeName", language["nativeName"] }, { "codePage", codePage },
                { "translated", translated }, { "empty", empty }, { "missing", m_missingCount } });
    }

    void CheckLocales()
    {
        for (const json& locale : m_dump["locales"]) {
            const int primary = locale["primaryLanguage"].get<int>();
            const int codePage = locale["codePage"].get<int>();
            std::set<int> languageCodePages;
            std::size_t firstLanguage = 0;
            for (std::size_t c = 1; c < m_dump["languages"].size(); ++c) {
                const json& language = m_dump["languages"][c];
                if (language["primaryLanguage"].get<int>() != primary)
                    continue;
                if (languageCodePages.empty())
                    firstLanguage = c;
                languageCodePages.insert(language["codePage"].get<int>());
            }
            if (languageCodePages.empty() || languageCodePages.count(codePage))
                continue;
            Count("error");
            m_report["findings"].push_back({ { "severity", "error" },
                { "check", "locale-code-page" }, { "language", firstLanguage }, { "entry", json() },
                { "native", "" }, { "translation", "" },
                { "detail",
                    "the locale " + locale["englishLanguageName"].get<std::string>() + " ("
                        + locale["englishCountryName"].get<std::string>() + "), primary "
                        + std::to_string(primary) + ", sub-language "
                        + std::to_string(locale["subLanguage"].get<int>()) + ", has code page "
                        + std::to_string(codePage) + " but its language has code page "
                        + std::to_string(*languageCodePages.begin()) } });
        }
    }

    // Template texts (with their lines) that no entry holds.
    std::vector<std::pair<int, std::string>> MissingTexts(const std::string& templateFile)
    {
        const int contextKind = m_dump["header"]["contextKind"].get<int>();
        std::set<EntryKey> known;
        for (const json& e : m_dump["entries"])
            known.emplace(e["native"].get<std::string>(), e["context"].get<std::string>(),
                e["subContext"].get<std::string>());
        std::vector<std::pair<int, std::string>> missing;
        for (const po::PoEntry& entry : po::ReadPoFile(templateFile).entries) {
            if (entry.obsolete)
                continue;
            // A context the dictionary does not keep is looked up without it.
            std::pair<std::string, std::string> contexts;
            if (KeepsContexts(contextKind))
                contexts = ContextsOf(contextKind, entry.context);
            if (!known.count({ entry.id, contexts.first, contexts.second }))
                missing.emplace_back(entry.line, entry.id);
        }
        m_missingCount = static_cast<int>(missing.size());
        return missing;
    }

    static bool KeepsContexts(int contextKind) { return contextKind >= 1 && contextKind <= 3; }

    json m_dump;
    json m_report;
    std::vector<std::pair<int, std::string>> m_missing;
    json m_missingCount; // null without a template
};

} // namespace

json CheckMld(const std::string& mldFile, const CheckOptions& options)
{
    return Checker(mldFile, options).Run();
}

void PrintCheckText(const json& report, std::ostream& out)
{
    const json& findings = report["findings"];
    const auto print = [&](const json& f) {
        out << "  " << f["severity"].get<std::string>() << " [" << f["check"].get<std::string>()
            << "]";
        if (!f["entry"].is_null())
            out << " entry " << f["entry"].get<std::size_t>() << " \""
                << f["native"].get<std::string>() << "\"";
        else if (!f["native"].get<std::string>().empty())
            out << " \"" << f["native"].get<std::string>() << "\"";
        if (!f["translation"].get<std::string>().empty())
            out << " -> \"" << f["translation"].get<std::string>() << "\"";
        out << ": " << f["detail"].get<std::string>() << "\n";
    };
    out << report["file"].get<std::string>() << "\n";
    for (const json& language : report["languages"]) {
        out << language["englishName"].get<std::string>() << " ("
            << language["nativeName"].get<std::string>() << "), language "
            << language["index"].get<int>() << ", code page " << language["codePage"].get<int>()
            << ": " << language["translated"].get<int>() << " translated, "
            << language["empty"].get<int>() << " empty";
        if (!language["missing"].is_null())
            out << ", " << language["missing"].get<int>() << " missing";
        out << "\n";
        for (const json& f : findings) {
            if (f["language"] == language["index"])
                print(f);
        }
    }
    bool headed = false;
    for (const json& f : findings) {
        if (!f["language"].is_null())
            continue; // shown with its language
        if (!headed)
            out << "Other findings:\n";
        headed = true;
        print(f);
    }
    out << report["errors"].get<int>() << " errors, " << report["warnings"].get<int>()
        << " warnings\n";
}

} // namespace tankora::mld

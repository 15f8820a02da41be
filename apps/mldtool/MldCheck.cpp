#include "MldCheck.h"

#include "FormatDirectives.h"
#include "MldDump.h"
#include "MldText.h"
#include "MsgContext.h"
#include "l10n/po/PoReader.h"
#include "l10n/po/Utf8.h"

#include "io/PrintableText.h"

#include <nlohmann/json.hpp>

#include <map>
#include <optional>
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

// Kept by the checker: every entry's texts, as compact as the image allows,
// instead of the whole image as JSON (several times larger).
class Checker
{
public:
    Checker(const std::string& mldFile, const CheckOptions& options)
    {
        DumpOptions dumpOptions;
        dumpOptions.all = true;
        dumpOptions.exactUnicode = true;
        m_dump = DumpMld(mldFile, dumpOptions,
            [this](std::size_t, const EntryColumns& entry) { m_entries.push_back(entry); });
        m_report.file = mldFile;
        if (!options.templateFile.empty())
            m_missing = MissingTexts(options.templateFile);
    }

    CheckReport Run()
    {
        for (std::size_t i = 0; i < m_entries.size(); ++i)
            CheckNative(i);
        IndexFirstOfKeys();
        for (std::size_t column = 1; column < m_dump["languages"].size(); ++column)
            CheckLanguage(column);
        CheckLocales();
        for (const auto& [line, text] : m_missing)
            Add(Severity::Warning, "missing", std::nullopt, std::nullopt, text, "",
                "the template's text (line " + std::to_string(line)
                    + ") has no entry in the dictionary");
        return std::move(m_report);
    }

private:
    void Add(Severity severity, const char* check, std::optional<std::size_t> language,
        std::optional<std::size_t> entry, const std::string& native, const std::string& translation,
        std::string detail)
    {
        ++(severity == Severity::Error ? m_report.errors : m_report.warnings);
        m_report.findings.push_back(
            { severity, check, language, entry, native, translation, std::move(detail) });
    }

    // Native texts and contexts are kept in the active ANSI code page.
    void CheckNative(std::size_t i)
    {
        const EntryColumns& e = m_entries[i];
        for (const std::string* text : { &e.native, &e.context, &e.subContext }) {
            std::string detail;
            if (HasUndecodableBytes(*text))
                detail = "bytes that are not characters of the active ANSI code page";
            else if (const auto character = FirstUnfitCharacter(*text, 0))
                detail = DescribeCharacter(*character)
                    + " is not in the active ANSI code page and would show as \"?\"";
            if (detail.empty())
                continue;
            const char* field = text == &e.native ? "the native text" : "the context";
            Add(Severity::Error, "unrepresentable", std::nullopt, i, e.native, "",
                std::string(field) + " holds " + detail);
            return;
        }
    }

    // For each entry, the first entry with the same text and contexts.
    void IndexFirstOfKeys()
    {
        std::map<EntryKey, std::size_t> first;
        m_firstOfKey.reserve(m_entries.size());
        for (std::size_t i = 0; i < m_entries.size(); ++i) {
            const EntryColumns& e = m_entries[i];
            m_firstOfKey.push_back(
                first.emplace(EntryKey { e.native, e.context, e.subContext }, i).first->second);
        }
    }

    void CheckLanguage(std::size_t column)
    {
        const json& language = m_dump["languages"][column];
        const int codePage = language["codePage"].get<int>();
        int translated = 0, empty = 0;
        for (std::size_t i = 0; i < m_entries.size(); ++i) {
            const EntryColumns& e = m_entries[i];
            const std::string& translation = e.translations[column - 1];
            const std::size_t first = m_firstOfKey[i];
            const std::string& firstTranslation = m_entries[first].translations[column - 1];
            if (first != i && firstTranslation != translation)
                Add(Severity::Error, "duplicate", column, i, e.native, translation,
                    "entry " + std::to_string(first) + " has the same text with "
                        + Quoted(firstTranslation));
            if (translation.empty()) {
                ++empty;
                continue;
            }
            ++translated;
            if (HasUndecodableBytes(translation))
                Add(Severity::Error, "unrepresentable", column, i, e.native, translation,
                    "bytes that are not characters of code page " + std::to_string(codePage));
            else if (const auto character = FirstUnfitCharacter(translation, codePage))
                Add(Severity::Error, "unrepresentable", column, i, e.native, translation,
                    DescribeCharacter(*character) + " is not in code page "
                        + std::to_string(codePage) + " and would show as \"?\"");
            if (!SameDirectives(e.native, translation))
                Add(Severity::Error, "placeholders", column, i, e.native, translation,
                    "placeholders differ: native " + Directives(e.native) + ", translation "
                        + Directives(translation));
            if (!SameBlanks(e.native, translation))
                Add(Severity::Warning, "blanks", column, i, e.native, translation,
                    "leading or trailing blanks differ from the native text's");
            // Only punctuation the native text ends in is asked for: a
            // translation may add a period (an abbreviation) or a colon (a label).
            if (const std::string mark = FinalPunctuation(e.native);
                !mark.empty() && mark != FinalPunctuation(translation))
                Add(Severity::Warning, "punctuation", column, i, e.native, translation,
                    "the native text ends in \"" + mark + "\", the translation does not");
        }
        m_report.languages.push_back({ column, language["englishName"].get<std::string>(),
            language["nativeName"].get<std::string>(), codePage, translated, empty,
            m_missingCount });
    }

    void CheckLocales()
    {
        const json& languages = m_dump["languages"];
        for (const json& locale : m_dump["locales"]) {
            const int primary = locale["primaryLanguage"].get<int>();
            const int codePage = locale["codePage"].get<int>();
            std::set<int> languageCodePages;
            std::size_t firstLanguage = 0;
            for (std::size_t c = 1; c < languages.size(); ++c) {
                const json& language = languages[c];
                if (language["primaryLanguage"].get<int>() != primary)
                    continue;
                if (languageCodePages.empty())
                    firstLanguage = c;
                languageCodePages.insert(language["codePage"].get<int>());
            }
            if (languageCodePages.empty() || languageCodePages.count(codePage))
                continue;
            Add(Severity::Error, "locale-code-page", firstLanguage, std::nullopt, "", "",
                "the locale " + locale["englishLanguageName"].get<std::string>() + " ("
                    + locale["englishCountryName"].get<std::string>() + "), primary "
                    + std::to_string(primary) + ", sub-language "
                    + std::to_string(locale["subLanguage"].get<int>()) + ", has code page "
                    + std::to_string(codePage) + " but its language has code page "
                    + std::to_string(*languageCodePages.begin()));
        }
    }

    // Template texts (with their lines) that no entry holds.
    std::vector<std::pair<int, std::string>> MissingTexts(const std::string& templateFile)
    {
        const int contextKind = m_dump["header"]["contextKind"].get<int>();
        std::set<EntryKey> known;
        for (const EntryColumns& e : m_entries)
            known.emplace(e.native, e.context, e.subContext);
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

    json m_dump; // header, languages and locales; the entries are in m_entries
    std::vector<EntryColumns> m_entries;
    std::vector<std::size_t> m_firstOfKey;
    CheckReport m_report;
    std::vector<std::pair<int, std::string>> m_missing;
    std::optional<int> m_missingCount; // none without a template
};

json FindingJson(const CheckFinding& f)
{
    const auto orNull
        = [](const std::optional<std::size_t>& value) { return value ? json(*value) : json(); };
    return { { "severity", f.severity == Severity::Error ? "error" : "warning" },
        { "check", f.check }, { "language", orNull(f.language) }, { "entry", orNull(f.entry) },
        { "native", f.native }, { "translation", f.translation }, { "detail", f.detail } };
}

// Texts from the image, on one line of a terminal whatever they hold.
std::string Shown(const std::string& text)
{
    return io::Printable(text);
}

} // namespace

CheckReport CheckMld(const std::string& mldFile, const CheckOptions& options)
{
    return Checker(mldFile, options).Run();
}

void PrintCheckJson(const CheckReport& report, std::ostream& out)
{
    json head;
    head["file"] = report.file;
    head["errors"] = report.errors;
    head["warnings"] = report.warnings;
    head["languages"] = json::array();
    for (const CheckLanguage& l : report.languages)
        head["languages"].push_back({ { "index", l.index }, { "englishName", l.englishName },
            { "nativeName", l.nativeName }, { "codePage", l.codePage },
            { "translated", l.translated }, { "empty", l.empty },
            { "missing", l.missing ? json(*l.missing) : json() } });
    // The findings are written one by one rather than built into one
    // document first: there may be one for every text of the image.
    std::string text = head.dump(2);
    text.erase(text.size() - 2); // "\n}"
    out << text << ",\n  \"findings\": [";
    for (std::size_t i = 0; i < report.findings.size(); ++i) {
        std::string item = FindingJson(report.findings[i]).dump(2);
        std::string indented = "\n    ";
        for (const char c : item)
            indented += c == '\n' ? std::string("\n    ") : std::string(1, c);
        out << (i == 0 ? "" : ",") << indented;
    }
    out << (report.findings.empty() ? "]\n}\n" : "\n  ]\n}\n");
}

void PrintCheckText(const CheckReport& report, std::ostream& out)
{
    const auto print = [&](const CheckFinding& f) {
        out << "  " << (f.severity == Severity::Error ? "error" : "warning") << " [" << f.check
            << "]";
        if (f.entry)
            out << " entry " << *f.entry << " \"" << Shown(f.native) << "\"";
        else if (!f.native.empty())
            out << " \"" << Shown(f.native) << "\"";
        if (!f.translation.empty())
            out << " -> \"" << Shown(f.translation) << "\"";
        out << ": " << Shown(f.detail) << "\n";
    };
    // Findings grouped by language once, so printing is linear in their number.
    std::map<std::size_t, std::vector<const CheckFinding*>> byLanguage;
    std::vector<const CheckFinding*> others;
    for (const CheckFinding& f : report.findings) {
        if (f.language)
            byLanguage[*f.language].push_back(&f);
        else
            others.push_back(&f);
    }
    out << Shown(report.file) << "\n";
    for (const CheckLanguage& language : report.languages) {
        out << Shown(language.englishName) << " (" << Shown(language.nativeName) << "), language "
            << language.index << ", code page " << language.codePage << ": " << language.translated
            << " translated, " << language.empty << " empty";
        if (language.missing)
            out << ", " << *language.missing << " missing";
        out << "\n";
        for (const CheckFinding* f : byLanguage[language.index])
            print(*f);
    }
    if (!others.empty())
        out << "Other findings:\n";
    for (const CheckFinding* f : others)
        print(*f);
    out << report.errors << " errors, " << report.warnings << " warnings\n";
}

} // namespace tankora::mld

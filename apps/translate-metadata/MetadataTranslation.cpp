#include "MetadataTranslation.h"

#include <nlohmann/json.hpp>

#include <algorithm>
#include <initializer_list>
#include <set>
#include <sstream>
#include <stdexcept>

namespace tankora::metadata {

namespace {

// Languages whose written form depends on the country.
const std::set<std::string> kRegionalLanguages = { "pt", "zh" };

// Each character of `text` that `escapes` names, replaced by its escape.
std::string Escape(
    const std::string& text, std::initializer_list<std::pair<char, const char*>> escapes)
{
    std::string escaped;
    for (char c : text) {
        const auto* found = std::find_if(
            escapes.begin(), escapes.end(), [c](const auto& escape) { return escape.first == c; });
        if (found != escapes.end())
            escaped += found->second;
        else
            escaped += c;
    }
    return escaped;
}

// A desktop entry value holds no line breaks; these escapes stand for them.
std::string EscapeDesktopValue(const std::string& text)
{
    return Escape(text, { { '\\', "\\\\" }, { '\n', "\\n" }, { '\t', "\\t" }, { '\r', "\\r" } });
}

std::string EscapeXml(const std::string& text)
{
    return Escape(text, { { '&', "&amp;" }, { '<', "&lt;" }, { '>', "&gt;" }, { '"', "&quot;" } });
}

// The five predefined entities; a template needs no others.
std::string UnescapeXml(const std::string& text, int lineNumber)
{
    static const std::pair<const char*, char> kEntities[] = { { "&amp;", '&' }, { "&lt;", '<' },
        { "&gt;", '>' }, { "&quot;", '"' }, { "&apos;", '\'' } };
    std::string plain;
    for (std::size_t i = 0; i < text.size();) {
        if (text[i] != '&') {
            plain += text[i++];
            continue;
        }
        bool known = false;
        for (const auto& [entity, character] : kEntities) {
            if (text.compare(i, std::string(entity).size(), entity) == 0) {
                plain += character;
                i += std::string(entity).size();
                known = true;
                break;
            }
        }
        if (!known)
            throw std::runtime_error(
                "line " + std::to_string(lineNumber) + ": unknown entity in " + text);
    }
    return plain;
}

const std::vector<Translation>& Lookup(const TranslationTable& table, const std::string& text)
{
    static const std::vector<Translation> kNone;
    const auto found = table.find(text);
    return found == table.end() ? kNone : found->second;
}

// Calls translate(line, number, out) for every line; out receives the result.
template <typename LineTranslator>
std::string EachLine(const std::string& templ, LineTranslator translate)
{
    std::istringstream in(templ);
    std::string out;
    int number = 0;
    for (std::string line; std::getline(in, line);)
        translate(line, ++number, out);
    return out;
}

} // namespace

std::string LocaleCode(const std::string& isoLanguage, const std::string& isoCountry)
{
    if (kRegionalLanguages.count(isoLanguage) && !isoCountry.empty())
        return isoLanguage + "_" + isoCountry;
    return isoLanguage;
}

TranslationTable TranslationsOf(const nlohmann::ordered_json& dump)
{
    std::vector<std::string> locales;
    for (const auto& language : dump.at("languages"))
        locales.push_back(LocaleCode(language.at("isoLanguageName").get<std::string>(),
            language.at("isoCountryName").get<std::string>()));

    TranslationTable table;
    for (const auto& entry : dump.at("entries")) {
        if (!entry.at("context").get<std::string>().empty())
            continue;
        const std::string native = entry.at("native").get<std::string>();
        if (table.count(native))
            continue; // the first entry of a text is the one a lookup finds
        std::vector<Translation>& translations = table[native];
        const auto& columns = entry.at("translations");
        for (std::size_t column = 1; column <= columns.size() && column < locales.size();
             ++column) {
            const std::string text = columns.at(column - 1).get<std::string>();
            if (!text.empty() && text != native)
                translations.push_back({ locales[column], text });
        }
    }
    return table;
}

std::string TranslateDesktopEntry(const std::string& templ, const TranslationTable& table)
{
    return EachLine(templ, [&table](const std::string& line, int number, std::string& out) {
        if (line.empty() || line[0] != '_') {
            out += line + "\n";
            return;
        }
        const auto equals = line.find('=');
        if (equals == std::string::npos || equals == 1)
            throw std::runtime_error("line " + std::to_string(number) + ": no key=value: " + line);
        const std::string key = line.substr(1, equals - 1);
        const std::string value = line.substr(equals + 1);
        out += key + "=" + value + "\n";
        for (const Translation& translation : Lookup(table, value))
            out += key + "[" + translation.locale + "]=" + EscapeDesktopValue(translation.text)
                + "\n";
    });
}

std::string TranslateMetainfo(const std::string& templ, const TranslationTable& table)
{
    return EachLine(templ, [&table](const std::string& line, int number, std::string& out) {
        const auto open = line.find_first_not_of(" \t");
        if (open == std::string::npos || line.compare(open, 2, "<_") != 0) {
            out += line + "\n";
            return;
        }
        const auto openEnd = line.find('>', open);
        const std::string tag
            = openEnd == std::string::npos ? "" : line.substr(open + 2, openEnd - open - 2);
        const std::string close = "</_" + tag + ">";
        const auto closeAt = line.find(close, openEnd);
        if (tag.empty() || tag.find_first_of(" /<") != std::string::npos
            || closeAt == std::string::npos || closeAt + close.size() != line.size())
            throw std::runtime_error("line " + std::to_string(number)
                + ": a marked text must be <_tag>Text</_tag> on one line: " + line);
        const std::string indent = line.substr(0, open);
        const std::string text = line.substr(openEnd + 1, closeAt - openEnd - 1);
        out += indent + "<" + tag + ">" + text + "</" + tag + ">\n";
        for (const Translation& translation : Lookup(table, UnescapeXml(text, number)))
            out += indent + "<" + tag + " xml:lang=\"" + translation.locale + "\">"
                + EscapeXml(translation.text) + "</" + tag + ">\n";
    });
}

} // namespace tankora::metadata

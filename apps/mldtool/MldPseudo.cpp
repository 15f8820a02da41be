#include "MldPseudo.h"

#include "MldDump.h"
#include "MldWriter.h"

#include <nlohmann/json.hpp>

#include <cstring>
#include <string_view>

namespace tankora::mld {
namespace {

// Look-alikes that code page 1252 holds; letters without one stay.
std::string_view AccentedLetter(char c)
{
    switch (c) {
    case 'A':
        return "Å";
    case 'a':
        return "å";
    case 'C':
        return "Ç";
    case 'c':
        return "ç";
    case 'D':
        return "Ð";
    case 'd':
        return "ð";
    case 'E':
        return "É";
    case 'e':
        return "é";
    case 'I':
        return "Î";
    case 'i':
        return "î";
    case 'N':
        return "Ñ";
    case 'n':
        return "ñ";
    case 'O':
        return "Ö";
    case 'o':
        return "ö";
    case 'S':
        return "Š";
    case 's':
        return "š";
    case 'U':
        return "Ü";
    case 'u':
        return "ü";
    case 'Y':
        return "Ý";
    case 'y':
        return "ý";
    case 'Z':
        return "Ž";
    case 'z':
        return "ž";
    default:
        return {};
    }
}

// One Hebrew letter (code page 1255 holds all 27) per Latin letter, either case.
std::string_view HebrewLetter(char c)
{
    static constexpr std::string_view kLetters[26] = { "א", "ב", "ג", "ד", "ה", "ו", "ז", "ח", "ט",
        "י", "כ", "ל", "מ", "נ", "ס", "ע", "פ", "צ", "ק", "ר", "ש", "ת", "ך", "ם", "ן", "ף" };
    if (c >= 'a' && c <= 'z')
        return kLetters[c - 'a'];
    if (c >= 'A' && c <= 'Z')
        return kLetters[c - 'A'];
    return {};
}

bool IsContinuationByte(char c)
{
    return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

// Length of the printf directive at text[i] == '%' ("%%" included), as far
// as it goes when it is cut short.
std::size_t DirectiveLength(std::string_view text, std::size_t i)
{
    std::size_t end = i + 1;
    while (end < text.size() && !std::strchr("diouxXeEfFgGaAcsp%", text[end])
        && std::strchr("0123456789$-+ #'.*hlLqjzt", text[end]))
        ++end;
    return end < text.size() && std::strchr("diouxXeEfFgGaAcsp%", text[end]) ? end + 1 - i
                                                                             : end - i;
}

struct Pseudo
{
    std::string_view (*letter)(char);
    int lengtheningPercent; // extra characters per hundred characters of the core
};

std::string MakePseudo(const std::string& text, const Pseudo& pseudo)
{
    std::string_view body = text;
    const std::size_t tab = body.find('\t');
    const std::string_view shortcut = tab == std::string_view::npos ? "" : body.substr(tab);
    body = body.substr(0, tab);
    const std::size_t first = body.find_first_not_of(' ');
    if (first == std::string_view::npos)
        return text;
    const std::size_t last = body.find_last_not_of(' ');
    const std::string_view core = body.substr(first, last + 1 - first);

    std::string out(body.substr(0, first));
    out += '[';
    std::size_t characters = 0;
    for (std::size_t i = 0; i < core.size();) {
        if (core[i] == '%') {
            const std::size_t length = DirectiveLength(core, i);
            out.append(core.substr(i, length));
            characters += length;
            i += length;
            continue;
        }
        const std::string_view replaced = pseudo.letter(core[i]);
        if (!replaced.empty())
            out.append(replaced);
        else
            out += core[i];
        if (!IsContinuationByte(core[i]))
            ++characters;
        ++i;
    }
    const std::size_t extra
        = (characters * static_cast<std::size_t>(pseudo.lengtheningPercent) + 50) / 100;
    for (std::size_t i = 0; i < extra; ++i)
        out += "·";
    out += ']';
    out.append(body.substr(last + 1));
    out.append(shortcut);
    return out;
}

// What tells a pseudo-language apart from the language record it copies.
struct PseudoIds
{
    int primary;
    int sub;
    const char* iso;
    const char* country;
    int charset;
    int codePage;
    const char* english;
    std::string native;
};

nlohmann::ordered_json PseudoLanguage(const nlohmann::ordered_json& model, const PseudoIds& ids)
{
    nlohmann::ordered_json language = model;
    language["primaryLanguage"] = ids.primary;
    language["defaultSubLanguage"] = ids.sub;
    language["subLanguages"] = nlohmann::ordered_json::array({ ids.sub });
    language["subLanguageNames"] = nlohmann::ordered_json::array();
    language["isoLanguageName"] = ids.iso;
    language["isoCountryName"] = ids.country;
    language["charset"] = ids.charset;
    language["codePage"] = ids.codePage;
    language["flags"] = 0;
    language["englishName"] = ids.english;
    language["nativeName"] = ids.native;
    language["fontName"] = "";
    language["fontSize"] = 0;
    return language;
}

} // namespace

std::string PseudoAccented(const std::string& text)
{
    // A third longer: about what German or Russian needs over English.
    return MakePseudo(text, { AccentedLetter, 35 });
}

std::string PseudoRightToLeft(const std::string& text)
{
    return MakePseudo(text, { HebrewLetter, 0 });
}

void AddPseudoLanguages(nlohmann::ordered_json& image)
{
    nlohmann::ordered_json& languages = image["languages"];
    const nlohmann::ordered_json model
        = languages.empty() ? nlohmann::ordered_json::object() : languages.front();
    // English (Ireland) rather than (United States): a user's own locale never
    // picks the pseudo language by itself in a dictionary that also has English.
    languages.push_back(PseudoLanguage(
        model, { 9, 6, "en", "IE", 0, 1252, "Pseudo accented", PseudoAccented("Pseudo") }));
    languages.push_back(PseudoLanguage(model,
        { 13, 1, "he", "IL", 177, 1255, "Pseudo right-to-left", PseudoRightToLeft("Pseudo") }));
    for (nlohmann::ordered_json& entry : image["entries"]) {
        const std::string native = entry["native"].get<std::string>();
        nlohmann::ordered_json& translations = entry["translations"];
        // Column 0 has no stored translation; every other column has one.
        while (translations.size() + 3 < languages.size())
            translations.push_back("");
        translations.push_back(PseudoAccented(native));
        translations.push_back(PseudoRightToLeft(native));
    }
}

std::string PseudoImage(const std::string& mldFile)
{
    DumpOptions raw;
    raw.raw = true;
    raw.all = true;
    raw.exactUnicode = true;
    nlohmann::ordered_json image = DumpMld(mldFile, raw);
    AddPseudoLanguages(image);
    return BuildMldImage(nlohmann::json(image));
}

} // namespace tankora::mld

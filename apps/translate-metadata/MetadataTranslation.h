#pragma once
// Translates the texts of a desktop entry or an AppStream file from the
// shipped dictionary, so the menu, the software centre and the window say
// the same. A template marks each translatable text:
//   desktop entry   _Key=Text            (a line)
//   AppStream XML   <_tag>Text</_tag>    (alone on its line, indented as wanted)
// The marked line comes out unmarked, followed by one localized line per
// language whose dictionary column translates Text (Key[de]=…,
// <tag xml:lang="de">…</tag>). A text the dictionary lacks stays English
// only; every other line is copied unchanged.

#include <nlohmann/json_fwd.hpp>

#include <map>
#include <string>
#include <vector>

namespace tankora::metadata {

struct Translation
{
    std::string locale; // "de", "pt_BR"
    std::string text; // UTF-8
};

// Per English text, its translations in the dictionary's language order.
using TranslationTable = std::map<std::string, std::vector<Translation>>;

// The locale code desktop files and AppStream use for a dictionary language:
// the language alone ("de"), so every country's users of it find it, except
// where the written language differs between countries (pt_BR, zh_CN).
std::string LocaleCode(const std::string& isoLanguage, const std::string& isoCountry);

// The table from what `mldtool dump --all --json` prints of the dictionary:
// entries without context, columns 1 and up; an empty translation, or one
// equal to the English text, is left out (the English line already says it).
TranslationTable TranslationsOf(const nlohmann::ordered_json& dump);

// Throw std::runtime_error naming the line of a malformed marked line.
std::string TranslateDesktopEntry(const std::string& templ, const TranslationTable& table);
std::string TranslateMetainfo(const std::string& templ, const TranslationTable& table);

} // namespace tankora::metadata

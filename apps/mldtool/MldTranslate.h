#pragma once
// mldtool translate: opens an MLD file with the program's own binary
// dictionary (file storage), the way the program opens it, and prints what
// the dictionary answers for each text on this machine.

#include "l10n/dictionary/DictionaryEnums.h"

#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

namespace tankora::mld {

struct TranslateOptions
{
    std::string file;
    int language = -1;
    int localeId = 0x400;
    // Unset: the dictionary's own default.
    std::optional<TIvBinding> binding;
    std::optional<TIvCheckLevel> checkLevel;
    std::optional<TIvMissingTranslation> missing;
    // Either set: TranslateWithContext followed by the missing-translation policy.
    std::optional<std::string> context;
    std::optional<std::string> subContext;
    bool json = false;
    // UTF-8; none: one text per line from the input stream.
    std::vector<std::string> texts;
};

// A locale id in decimal or 0x hexadecimal; nullopt for anything else.
std::optional<int> ParseLocaleId(const std::string& text);

// Opens, translates and prints (plain: one line per text; JSON: one object).
// Errors go to err as "Error: <message>"; returns the exit code (0, or 1 on
// an error).
int RunTranslate(
    const TranslateOptions& options, std::istream& in, std::ostream& out, std::ostream& err);

} // namespace tankora::mld

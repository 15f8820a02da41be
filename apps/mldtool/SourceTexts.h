#pragma once
// String literals that C++ sources pass to TranslateString (or another
// function named as a keyword): `TranslateString("Tank empty")`, also
// through `std::string("...")` and with adjacent literals joined. Comments,
// other literals, character literals and raw strings are skipped; an argument
// that is not made of literals alone (a variable, an expression) is not a
// text of its own and is left out.

#include <string>
#include <string_view>
#include <vector>

namespace tankora::mld {

struct SourceText
{
    std::string text; // the literal's value
    int line; // where the first literal starts (1-based)
};

std::vector<SourceText> FindTranslatedLiterals(
    std::string_view source, const std::vector<std::string>& keywords);

} // namespace tankora::mld

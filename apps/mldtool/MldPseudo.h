#pragma once
// Pseudo-languages for testing a window's localization without a translator.
//
// AddPseudoLanguages appends two languages to an MLD image:
// - "Pseudo accented" (code page 1252): every text bracketed, its letters
//   replaced by accented look-alikes, and lengthened by about a third with
//   middle dots, so a text that bypasses the dictionary shows unbracketed
//   and a control without headroom clips;
// - "Pseudo right-to-left" (Hebrew language id, code page 1255): every text
//   bracketed, its Latin letters replaced one by one by Hebrew letters in
//   logical order, so the window mirrors and the texts run right to left.
// Both keep what a program relies on: the blanks around a text (group
// captions are padded), printf directives ("%s"), the access-key mark "&"
// before its (replaced) letter and a shortcut after a tab.

#include <nlohmann/json_fwd.hpp>

#include <string>

namespace tankora::mld {

// The pseudo texts of one native text (UTF-8 in, UTF-8 out).
std::string PseudoAccented(const std::string& text);
std::string PseudoRightToLeft(const std::string& text);

// The raw image description (the shape of `dump --raw --all --json`) with
// the two languages added and every entry translated into them.
void AddPseudoLanguages(nlohmann::ordered_json& image);

// The bytes of the image in mldFile with the two languages added. Throws
// the reader's errors and MldBuildError.
std::string PseudoImage(const std::string& mldFile);

} // namespace tankora::mld

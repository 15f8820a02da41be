#pragma once
// The translatable texts of a stored layout: the string and string-list
// properties that the form's own translator selects ("TargetsData", read
// and matched by the translator's own target list), or captions, hints, list
// items, memo lines and texts of every class when the form has no translator.

#include <string>
#include <vector>

namespace tankora::mld {

struct FormText
{
    std::string text; // UTF-8, converted from the active ANSI code page
    std::string formClass; // class of the root, the translator's context
    std::string component; // name of the component that holds the property
    std::string property; // "Caption", "Items", ...
};

// Texts in layout order. The file is a layout in text form, or binary (it
// starts with the signature). Throws std::runtime_error "Cannot open file
// NAME", the form text parser's "Line N: ..." and the layout reader's errors,
// each prefixed with the file name.
std::vector<FormText> ReadFormTexts(const std::string& path);

} // namespace tankora::mld

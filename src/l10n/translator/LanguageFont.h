#pragma once
// The font side of adapting a window to a language: the language's font on
// the translated form, and the language's character set on every font the
// translator meets.

#include <cstdint>
#include <string>

class QObject;
class TControl;
class TFont;
class TIvLanguage;

// Gives form the language's font name and size, or the form's design font
// name and size (recorded when the translator opened) where the language
// names none (empty name, size 0), and the language's character set. Only
// once the form's window exists; before that nothing changes.
void ApplyLanguageFontToForm(const TControl& form, const TIvLanguage& language,
    const std::string& designFontName, int designFontSize);

// Gives font, a font-typed property of object, the character set. Fonts of
// "TColumnTitle" objects are left alone. A windowed control's font changes
// only once its window exists; a windowed control without one gets it
// created first when its parent's window exists, and otherwise (or when the
// creation fails) keeps its character set.
void ApplyCharsetToFont(QObject& object, TFont& font, std::uint8_t charset);

#pragma once
// Speaking the language in a window's system menu.

class QWidget;
class TIvDictionary;

// Translates the texts of the window's own system menu through dictionary:
// each item whose command identifier is one of the standard window commands
// gets the translation of that command's English text ("&Move",
// "Mi&nimize", "&Close\tAlt+F4", ...); other items and separators keep
// theirs. The close command falls back to the translation of "&Close" with
// "\tAlt+F4" appended when its whole text translates to nothing. Texts are
// cut to 255 bytes, never through a double-byte character. Nothing happens without a dictionary or
// a window.
void TranslateWindowSystemMenu(QWidget* window, TIvDictionary* dictionary);

#pragma once
// Process-wide helpers that translate texts which live in no component
// property (messages built by program code, composed hints, exception
// messages, the framework's resource strings, shortcut names) through the
// default dictionary: the first one of the registry. Texts are 8-bit in the
// active ANSI code page. GUI thread only.

#include <exception>
#include <string>

class QObject;

// Translates a text built by program code through the default dictionary.
// While no dictionary is registered the text comes back unchanged; a text
// without a translation also comes back unchanged under the default policy
// (the dictionary's missing-translation policy decides, and may raise EIvMulti).
std::string TranslateString(const std::string& text);

// Whether a dictionary is registered and the default one is active.
bool ResourceTranslationActive();

// The application's display of an exception that nothing caught: the
// message, translated while resource translation is active, with a period
// appended unless it already ends in "." or a character below it ("!", ")"),
// in an error box.
void ShowTranslatedException(QObject* sender, const std::exception& error);

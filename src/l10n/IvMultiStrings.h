#pragma once
// Process-wide helpers that translate texts built by program code (messages,
// composed hints, mode captions) through the default dictionary.

#include <string>

// Translates a text built by program code through the default dictionary.
// While no dictionary is registered the text comes back unchanged; a text
// without a translation also comes back unchanged under the default policy.
// Texts are 8-bit in the active ANSI code page.
std::string TranslateString(const std::string& text);

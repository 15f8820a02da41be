#pragma once
// Translated resource strings and shortcut names. While a dictionary with
// ivdoTranslateResourceStrings is open, the framework's resource-string
// loader and shortcut-to-text conversion are redirected here, so the
// framework's messages, captions and key names appear in the dictionary's
// language; Close restores them. GUI thread only.

#include "framework/app/ShortCuts.h"

#include <string>

// The built-in text of id (at most 1023 characters), translated through the
// default dictionary while resource translation is active. A text loaded
// while another one is being translated is not translated itself.
std::string LoadTranslatedResString(const TResString& id);

// The name of special key index 0 .. 17 ("BkSp" .. "Alt+"), translated while
// resource translation is active; ERangeError outside.
std::string SpecialKeyName(int index);

// The text of a shortcut with translated key names ("Strg+A").
std::string TranslatedShortCutToText(TShortCut shortCut);

// Redirects the framework's loader and conversion to the two functions above,
// and restores what was installed before.
void InstallResourceHook();
void RemoveResourceHook();
bool ResourceHookInstalled();

#pragma once
// The dictionary model: the dictionaries that hold translations and the
// process-wide registry of them. The records they fill are in
// IvDictioRecords.h.

#include "IvDictioRecords.h"

#include <string>

// Naming through dictionaries. The dictionary model answers these; until it
// exists no dictionary is registered.

// The first dictionary of the process-wide registry, or null.
TIvDictionary* DefaultDictionary();
// The text translated through the dictionary with its missing-translation
// policy; the text itself for a null dictionary or an empty text.
std::string TranslateText(TIvDictionary* dictionary, const std::string& text);

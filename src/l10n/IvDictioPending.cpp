#include "IvDictio.h"

// The dictionary model and its registry come with the dictionaries; until
// then the registry is empty, so there is no default dictionary and a text
// has no dictionary to be translated through.

TIvDictionary* DefaultDictionary()
{
    return nullptr;
}

std::string TranslateText(TIvDictionary* dictionary, const std::string& text)
{
    (void)dictionary; // always null while no dictionary class exists
    return text;
}

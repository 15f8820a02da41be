#include "IvMultiStrings.h"

std::string TranslateString(const std::string& text)
{
    // No dictionary registry exists yet, so every text is its own translation.
    return text;
}

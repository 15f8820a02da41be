#include "l10n/dictionary/StringTranslation.h"

#include "l10n/dictionary/Dictionary.h"

#include "framework/app/MessageBoxes.h"
#include "nls/CodePages.h"
#include "nls/Nls.h"

namespace {

// Whether the text's last character, a double-byte one counting as one,
// comes after "." in character code order.
bool EndsAfterPeriod(const std::string& text)
{
    if (text.empty())
        return false;
    const std::u16string wide = tankora::DecodeFromCodePage(text, tankora::ActiveAnsiCodePage());
    return !wide.empty() && wide.back() > u'.';
}

} // namespace

std::string TranslateString(const std::string& text)
{
    const TIvDictionaries* registry = Dictionaries();
    if (!registry || registry->Count() == 0)
        return text;
    return TranslateText(DefaultDictionary(), text);
}

bool ResourceTranslationActive()
{
    const TIvDictionary* dictionary = DefaultDictionary();
    return dictionary && dictionary->Active();
}

void ShowTranslatedException(QObject* sender, const std::exception& error)
{
    (void)sender; // the box is the same whoever raised the exception
    std::string message = error.what();
    if (ResourceTranslationActive())
        message = TranslateText(DefaultDictionary(), message);
    if (EndsAfterPeriod(message))
        message += ".";
    ShowError(message);
}

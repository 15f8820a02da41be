#include "ui/WindowMessages.h"

#include "framework/app/MessageBoxes.h"
#include "l10n/dictionary/StringTranslation.h"

namespace tankora {

void WindowMessages::Show(MessageKind kind, std::string_view text)
{
    const std::string translated = TranslateString(std::string(text));
    if (kind == MessageKind::Warning)
        ShowWarning(translated);
    else
        ShowError(translated);
}

} // namespace tankora

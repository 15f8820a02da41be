#include "ui/WindowMessages.h"

#include "framework/app/MessageBoxes.h"
#include "l10n/dictionary/StringTranslation.h"

namespace tankora {

void WindowMessages::Show(MessageKind kind, std::string_view text)
{
    m_kept.push_back({ kind, std::string(text) });
}

void WindowMessages::ShowKept(const std::string& secondLine)
{
    const std::vector<Kept> kept = std::move(m_kept);
    m_kept.clear();
    for (std::size_t i = 0; i < kept.size(); ++i) {
        std::string shown = TranslateString(kept[i].text);
        if (i + 1 == kept.size() && !secondLine.empty())
            shown += "\n" + secondLine;
        if (kept[i].kind == MessageKind::Warning)
            ShowWarning(shown);
        else
            ShowError(shown);
    }
}

} // namespace tankora

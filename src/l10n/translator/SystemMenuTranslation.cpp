#include "l10n/translator/SystemMenuTranslation.h"

#include "l10n/dictionary/Dictionary.h"

#include "framework/app/SystemMenu.h"
#include "nls/CodePages.h"
#include "nls/GuiText.h"

#include <string>

namespace {

// The longest text a menu item takes from the translator (the item buffer
// holds 256 characters with the terminator).
constexpr std::size_t kMaxMenuText = 255;

// The English text of a standard window command, or null.
const char* EnglishCommandText(unsigned commandId)
{
    switch (commandId) {
    case scSize:
        return "&Size";
    case scMove:
        return "&Move";
    case scMinimize:
        return "Mi&nimize";
    case scMaximize:
        return "Ma&ximize";
    case scNextWindow:
        return "&Next";
    case scPrevWindow:
        return "&Previous";
    case scClose:
        return "&Close\tAlt+F4";
    case scVScroll:
        return "&Vertical Scroll";
    case scHScroll:
        return "&Horizontal Scroll";
    case scMouseMenu:
        return "&Mouse";
    case scKeyMenu:
        return "&Key";
    case scArrange:
        return "&Arrange";
    case scRestore:
        return "&Restore";
    case scTaskList:
        return "&Task List";
    case scScreenSave:
        return "&Screen Saver";
    case scHotKey:
        return "&Hot Key";
    case scDefault:
        return "&Default";
    case scMonitorPower:
        return "&Monitor Power";
    default:
        return nullptr;
    }
}

std::string TranslatedCommandText(
    TIvDictionary* dictionary, unsigned commandId, const char* english)
{
    std::string text = TranslateText(dictionary, english);
    // Dictionaries that keep the shortcut apart translate only "&Close".
    if (commandId == scClose && text.empty())
        text = TranslateText(dictionary, "&Close") + "\tAlt+F4";
    return text;
}

// text cut to the item buffer, never through a double-byte character: a cut
// that leaves a lead byte alone would show a wrong last character.
std::string CutToMenuText(const std::string& text)
{
    if (text.size() <= kMaxMenuText)
        return text;
    std::string cut = text.substr(0, kMaxMenuText);
    const std::u16string whole = tankora::DecodeFromCodePage(text, 0);
    const std::u16string part = tankora::DecodeFromCodePage(cut, 0);
    if (whole.compare(0, part.size(), part) != 0)
        cut.pop_back();
    return cut;
}

} // namespace

void TranslateWindowSystemMenu(QWidget* window, TIvDictionary* dictionary)
{
    if (!dictionary || !window)
        return;
    TSystemMenu* menu = GetSystemMenu(*window);
    if (!menu)
        return;
    const int count = menu->ItemCount();
    for (int position = 0; position < count; ++position) {
        TMenuItemInfo item;
        if (!menu->GetItem(position, item) || item.Type == TMenuItemType::mftSeparator)
            continue;
        const char* english = EnglishCommandText(item.CommandId);
        if (!english)
            continue;
        const std::string text
            = CutToMenuText(TranslatedCommandText(dictionary, item.CommandId, english));
        item.Text = tankora::AnsiToQString(text);
        menu->SetItem(position, item);
    }
}

#include "l10n/dictionary/ResStringTranslation_p.h"

#include "l10n/dictionary/Dictionary.h"
#include "l10n/dictionary/StringTranslation.h"

#include <cstring>

namespace {

// Cleared while a resource string is being translated, so that the texts the
// translation itself loads are not translated as well.
bool g_translateResStrings = true;

bool g_hookInstalled = false;
TResStringLoader g_previousLoader;
TShortCutToText g_previousShortCutToText;

constexpr std::size_t kResStringLimit = 1023;

class GuardDown
{
public:
    GuardDown() { g_translateResStrings = false; }
    ~GuardDown() { g_translateResStrings = true; }
    GuardDown(const GuardDown&) = delete;
    GuardDown& operator=(const GuardDown&) = delete;
};

} // namespace

std::string LoadTranslatedResString(const TResString& id)
{
    std::string text(id.Text, strnlen(id.Text, kResStringLimit));
    if (!text.empty() && g_translateResStrings && ResourceTranslationActive()) {
        const GuardDown guard;
        text = TranslateText(DefaultDictionary(), text);
    }
    return text;
}

std::string SpecialKeyName(int index)
{
    return LoadTranslatedResString(SpecialKeyResString(index));
}

std::string TranslatedShortCutToText(TShortCut shortCut)
{
    return ShortCutToTextWith(shortCut, SpecialKeyName);
}

void InstallResourceHook()
{
    if (g_hookInstalled)
        return;
    g_previousLoader = SetResStringLoader(LoadTranslatedResString);
    g_previousShortCutToText = SetShortCutToText(TranslatedShortCutToText);
    g_hookInstalled = true;
}

void RemoveResourceHook()
{
    if (!g_hookInstalled)
        return;
    SetResStringLoader(std::move(g_previousLoader));
    SetShortCutToText(std::move(g_previousShortCutToText));
    g_previousLoader = nullptr;
    g_previousShortCutToText = nullptr;
    g_hookInstalled = false;
}

bool ResourceHookInstalled()
{
    return g_hookInstalled;
}

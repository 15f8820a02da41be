// Fills the dictionary's hooks with the string helpers. Nothing calls into
// this file: src/l10n/CMakeLists.txt makes every program that links the
// library pull it in through the anchor below, which a static link would
// otherwise leave out together with its initialiser.

#include "l10n/dictionary/DictionaryHooks_p.h"
#include "l10n/dictionary/ResStringTranslation_p.h"
#include "l10n/dictionary/StringTranslation.h"

extern "C" {
extern const int tankora_dictionary_hook_setup;
const int tankora_dictionary_hook_setup = 1;
}

namespace {

const bool g_hooksFilled = [] {
    TIvDictionaryHooks& hooks = DictionaryHooks();
    hooks.showException
        = [](const std::exception& error) { ShowTranslatedException(nullptr, error); };
    hooks.installResourceHook = InstallResourceHook;
    hooks.removeResourceHook = RemoveResourceHook;
    hooks.resourceHookInstalled = ResourceHookInstalled;
    return true;
}();

} // namespace

#include "l10n/dictionary/DictionaryHooks_p.h"

TIvDictionaryHooks& DictionaryHooks()
{
    // A function-local object, so the setup may fill it from any static
    // initialiser whatever the order.
    static TIvDictionaryHooks hooks;
    return hooks;
}

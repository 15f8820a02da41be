#include "l10n/dictionary/LocaleIds.h"

int ResolveLocaleId(int localeId)
{
    // The service also maps 0 to the user default; here 0 is the native language.
    if (localeId == kUserDefaultLocaleId || localeId == kSystemDefaultLocaleId)
        return tankora::ResolveLocaleId(localeId);
    return localeId;
}

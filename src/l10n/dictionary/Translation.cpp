#include "l10n/dictionary/Dictionary.h"

TIvTranslation::TIvTranslation(
    const std::string& nativeText, const std::string& context, const std::string& subContext)
    : NativeText(nativeText)
    , Context(context)
    , SubContext(subContext)
{ }

std::string TIvTranslation::MakeKey(
    const std::string& nativeText, const std::string& context, const std::string& subContext)
{
    std::string key;
    key.reserve(nativeText.size() + 1 + context.size() + subContext.size());
    key += nativeText;
    key += '\x7F';
    key += context;
    key += subContext;
    return key;
}

void TIvContext::Clear()
{
    Context.clear();
    SubContext.clear();
}

int TIvContext::FlagsOfKind(int kind)
{
    switch (kind) {
    case 1:
        return kContextFlag | kSubContextFlag;
    case 2:
        return kSubContextFlag;
    case 3:
        return kContextFlag;
    default:
        return 0;
    }
}

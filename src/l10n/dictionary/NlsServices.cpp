#include "l10n/dictionary/NlsServices_p.h"

#include "framework/core/Exceptions.h"
#include "nls/CodePages.h"
#include "nls/Collation.h"
#include "nls/LocaleItems.h"

bool IsCodePageSupported(int codePage)
{
    return codePage == 0 || tankora::IsCodePageSupported(codePage);
}

int CompareTexts(const std::string& text1, const std::string& text2, int localeId)
{
    return tankora::CompareLocaleTexts(text1, text2, localeId);
}

std::string WideToCodePage(const std::u16string& text, int codePage)
{
    if (text.empty())
        return {};
    try {
        return tankora::EncodeToCodePage(text, codePage);
    } catch (const tankora::UnsupportedCodePage&) {
        throw Exception("Code page " + std::to_string(codePage) + " is not supported");
    }
}

int PlatformDefaultAnsiCodePage(int localeId)
{
    const std::string text
        = tankora::LocaleItemAnsi(localeId, tankora::LocaleItem::DefaultAnsiCodePage, "0");
    int value = 0;
    for (const char c : text) {
        if (c < '0' || c > '9' || value > 100000)
            return 0;
        value = value * 10 + (c - '0');
    }
    return value;
}

std::optional<std::uint32_t> PlatformCodePageSignature(int localeId)
{
    return tankora::LocaleCodePageBits(localeId);
}

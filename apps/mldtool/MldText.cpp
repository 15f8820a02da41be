#include "MldText.h"

#include "nls/CodePages.h"
#include "nls/Nls.h"

#include <QString>

namespace tankora::mld {

int EffectiveCodePage(int codePage)
{
    if (codePage == 0 || !tankora::IsCodePageSupported(codePage))
        return tankora::ActiveAnsiCodePage();
    return codePage;
}

std::string Utf8FromCodePage(const std::string& bytes, int codePage)
{
    const std::u16string wide = tankora::DecodeFromCodePage(bytes, EffectiveCodePage(codePage));
    return QString::fromStdU16String(wide).toStdString();
}

std::string CodePageFromUtf8(const std::string& utf8, int codePage)
{
    return tankora::EncodeToCodePage(Utf16FromUtf8(utf8), EffectiveCodePage(codePage));
}

std::u16string Utf16FromUtf8(const std::string& utf8)
{
    return QString::fromStdString(utf8).toStdU16String();
}

} // namespace tankora::mld

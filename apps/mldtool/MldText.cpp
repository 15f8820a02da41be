#include "MldText.h"

#include "nls/CodePages.h"
#include "nls/Nls.h"

#include "l10n/po/Utf8.h"

#include <QString>

#include <cstdio>

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

std::optional<char32_t> FirstUnfitCharacter(const std::string& utf8, int codePage)
{
    const int effective = EffectiveCodePage(codePage);
    const auto fits = [effective](const std::string& text) {
        const std::u16string wide = Utf16FromUtf8(text);
        return tankora::DecodeFromCodePage(tankora::EncodeToCodePage(wide, effective), effective)
            == wide;
    };
    if (fits(utf8))
        return std::nullopt;
    for (const char32_t character : DecodeUtf8(utf8).value_or(std::u32string {})) {
        if (!fits(EncodeUtf8(character)))
            return character;
    }
    return std::nullopt;
}

bool HasUndecodableBytes(const std::string& utf8)
{
    return utf8.find("\xEF\xBF\xBD") != std::string::npos;
}

std::string DescribeCharacter(char32_t character)
{
    char code[16];
    std::snprintf(code, sizeof code, "U+%04X", static_cast<unsigned>(character));
    const bool printable = character >= 0x20 && character != 0x7F;
    return (printable ? "'" + EncodeUtf8(character) + "' (" : "(") + code + ")";
}

std::u16string Utf16FromUtf8(const std::string& utf8)
{
    return QString::fromStdString(utf8).toStdU16String();
}

} // namespace tankora::mld

#include "GuiText.h"

#include "CodePages.h"

namespace tankora {

QString AnsiToQString(std::string_view text)
{
    const std::u16string wide = DecodeFromCodePage(text, 0);
    return QString::fromUtf16(wide.data(), static_cast<qsizetype>(wide.size()));
}

std::string QStringToAnsi(const QString& text)
{
    return EncodeToCodePage(std::u16string_view(reinterpret_cast<const char16_t*>(text.utf16()),
                                static_cast<std::size_t>(text.size())),
        0);
}

} // namespace tankora

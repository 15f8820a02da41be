#include "FrameworkText.h"

#include "GuiText.h"

// Stored layouts, messages and exceptions carry 8-bit texts in the active
// ANSI code page, like the rest of the localization layer.
QString ToGuiText(std::string_view text)
{
    return tankora::AnsiToQString(text);
}

std::string FromGuiText(const QString& text)
{
    return tankora::QStringToAnsi(text);
}

#include "FrameworkText.h"

// Latin-1 until the national-language service's code-page conversion is
// available; switching is a change to these two bodies only.
QString ToGuiText(std::string_view text)
{
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

std::string FromGuiText(const QString& text)
{
    std::string out;
    out.reserve(static_cast<size_t>(text.size()));
    for (const QChar c : text)
        out.push_back(c.unicode() < 256 ? static_cast<char>(c.unicode()) : '?');
    return out;
}

#include "framework/controls/Font.h"

#include <cmath>

TFont::TFont(QObject* parent)
    : QObject(parent)
{ }

void TFont::SetCharset(int charset)
{
    if (charset != m_charset) {
        m_charset = charset;
        emit Changed();
    }
}

void TFont::SetColor(TColor color)
{
    if (color != m_color) {
        m_color = color;
        emit Changed();
    }
}

int TFont::Height() const
{
    return -static_cast<int>(std::lround(m_size * kPixelsPerInch / 72.0));
}

void TFont::SetHeight(int height)
{
    SetSize(static_cast<int>(std::lround(-height * 72.0 / kPixelsPerInch)));
}

void TFont::SetName(const QString& name)
{
    if (name != m_name) {
        m_name = name;
        emit Changed();
    }
}

void TFont::SetSize(int size)
{
    if (size != m_size) {
        m_size = size;
        emit Changed();
    }
}

void TFont::SetStyle(tankora::TFontStyles style)
{
    if (style != m_style) {
        m_style = style;
        emit Changed();
    }
}

void TFont::Assign(const TFont& source)
{
    if (SameAs(source))
        return;
    m_charset = source.m_charset;
    m_color = source.m_color;
    m_name = source.m_name;
    m_size = source.m_size;
    m_style = source.m_style;
    emit Changed();
}

bool TFont::SameAs(const TFont& other) const
{
    return m_charset == other.m_charset && m_color == other.m_color && m_name == other.m_name
        && m_size == other.m_size && m_style == other.m_style;
}

QFont TFont::ToQFont() const
{
    QFont font(m_name);
    font.setPointSize(m_size > 0 ? m_size : 8);
    font.setBold(m_style.testFlag(tankora::fsBold));
    font.setItalic(m_style.testFlag(tankora::fsItalic));
    font.setUnderline(m_style.testFlag(tankora::fsUnderline));
    font.setStrikeOut(m_style.testFlag(tankora::fsStrikeOut));
    return font;
}

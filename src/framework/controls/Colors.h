// Colours as stored in layouts: 0x00BBGGRR for a plain colour, 0x80000000 |
// index for a system colour (clBtnFace) taken from the application palette.
#pragma once

#include <QColor>
#include <QString>

using TColor = int;

inline constexpr TColor clBlack = 0x000000;
inline constexpr TColor clMaroon = 0x000080;
inline constexpr TColor clWhite = 0xFFFFFF;
inline constexpr TColor clWindowText = static_cast<TColor>(0x80000008);
inline constexpr TColor clWindow = static_cast<TColor>(0x80000005);
inline constexpr TColor clBtnFace = static_cast<TColor>(0x8000000F);
inline constexpr TColor clBtnShadow = static_cast<TColor>(0x80000010);
inline constexpr TColor clBtnHighlight = static_cast<TColor>(0x80000014);
inline constexpr TColor clNone = 0x1FFFFFFF;
inline constexpr TColor clDefault = 0x20000000;

// The QColor of a colour value (system colours from the application palette).
QColor ColorToQColor(TColor color);
// The identifier of a colour ("clMaroon"), or empty when it has none.
QString ColorToIdent(TColor color);
// The colour of an identifier; false when the identifier names none.
bool IdentToColor(const QString& ident, TColor& color);

// Font character sets stored by identifier (DEFAULT_CHARSET = 1).
QString CharsetToIdent(int charset);
bool IdentToCharset(const QString& ident, int& charset);

#include "framework/controls/Colors.h"

#include <QGuiApplication>
#include <QPalette>

#include <array>
#include <utility>

namespace {

struct TIdent
{
    int value;
    const char* name;
};

constexpr std::array kColorIdents = {
    TIdent { 0x000000, "clBlack" },
    TIdent { 0x000080, "clMaroon" },
    TIdent { 0x008000, "clGreen" },
    TIdent { 0x008080, "clOlive" },
    TIdent { 0x800000, "clNavy" },
    TIdent { 0x800080, "clPurple" },
    TIdent { 0x808000, "clTeal" },
    TIdent { 0x808080, "clGray" },
    TIdent { 0xC0C0C0, "clSilver" },
    TIdent { 0x0000FF, "clRed" },
    TIdent { 0x00FF00, "clLime" },
    TIdent { 0x00FFFF, "clYellow" },
    TIdent { 0xFF0000, "clBlue" },
    TIdent { 0xFF00FF, "clFuchsia" },
    TIdent { 0xFFFF00, "clAqua" },
    TIdent { 0xFFFFFF, "clWhite" },
    TIdent { clNone, "clNone" },
    TIdent { clDefault, "clDefault" },
    TIdent { static_cast<int>(0x80000000), "clScrollBar" },
    TIdent { static_cast<int>(0x80000001), "clBackground" },
    TIdent { static_cast<int>(0x80000005), "clWindow" },
    TIdent { static_cast<int>(0x80000006), "clWindowFrame" },
    TIdent { static_cast<int>(0x80000008), "clWindowText" },
    TIdent { static_cast<int>(0x8000000D), "clHighlight" },
    TIdent { static_cast<int>(0x8000000E), "clHighlightText" },
    TIdent { static_cast<int>(0x8000000F), "clBtnFace" },
    TIdent { static_cast<int>(0x80000010), "clBtnShadow" },
    TIdent { static_cast<int>(0x80000011), "clGrayText" },
    TIdent { static_cast<int>(0x80000012), "clBtnText" },
    TIdent { static_cast<int>(0x80000014), "clBtnHighlight" },
    TIdent { static_cast<int>(0x80000015), "cl3DDkShadow" },
    TIdent { static_cast<int>(0x80000016), "cl3DLight" },
    TIdent { static_cast<int>(0x80000017), "clInfoText" },
    TIdent { static_cast<int>(0x80000018), "clInfoBk" },
};

constexpr std::array kCharsetIdents = {
    TIdent { 0, "ANSI_CHARSET" },
    TIdent { 1, "DEFAULT_CHARSET" },
    TIdent { 2, "SYMBOL_CHARSET" },
    TIdent { 77, "MAC_CHARSET" },
    TIdent { 128, "SHIFTJIS_CHARSET" },
    TIdent { 129, "HANGEUL_CHARSET" },
    TIdent { 130, "JOHAB_CHARSET" },
    TIdent { 134, "GB2312_CHARSET" },
    TIdent { 136, "CHINESEBIG5_CHARSET" },
    TIdent { 161, "GREEK_CHARSET" },
    TIdent { 162, "TURKISH_CHARSET" },
    TIdent { 163, "VIETNAMESE_CHARSET" },
    TIdent { 177, "HEBREW_CHARSET" },
    TIdent { 178, "ARABIC_CHARSET" },
    TIdent { 186, "BALTIC_CHARSET" },
    TIdent { 204, "RUSSIAN_CHARSET" },
    TIdent { 222, "THAI_CHARSET" },
    TIdent { 238, "EASTEUROPE_CHARSET" },
    TIdent { 255, "OEM_CHARSET" },
};

template <size_t N> QString ToIdent(const std::array<TIdent, N>& table, int value)
{
    for (const TIdent& ident : table)
        if (ident.value == value)
            return QString::fromLatin1(ident.name);
    return {};
}

template <size_t N>
bool FromIdent(const std::array<TIdent, N>& table, const QString& name, int& value)
{
    for (const TIdent& ident : table)
        if (name.compare(QLatin1String(ident.name), Qt::CaseInsensitive) == 0) {
            value = ident.value;
            return true;
        }
    return false;
}

QPalette::ColorRole SystemRole(int index, QPalette::ColorGroup& group)
{
    group = QPalette::Active;
    switch (index) {
    case 5:
        return QPalette::Base;
    case 6:
    case 21:
        return QPalette::Shadow;
    case 8:
        return QPalette::WindowText;
    case 13:
        return QPalette::Highlight;
    case 14:
        return QPalette::HighlightedText;
    case 16:
        return QPalette::Dark;
    case 17:
        group = QPalette::Disabled;
        return QPalette::Text;
    case 18:
        return QPalette::ButtonText;
    case 20:
    case 22:
        return QPalette::Light;
    case 23:
        return QPalette::ToolTipText;
    case 24:
        return QPalette::ToolTipBase;
    default:
        return QPalette::Button;
    }
}

} // namespace

QColor ColorToQColor(TColor color)
{
    if (color == clNone || color == clDefault)
        return {};
    const auto bits = static_cast<unsigned>(color);
    if (bits & 0x80000000u) {
        QPalette::ColorGroup group;
        const QPalette::ColorRole role = SystemRole(static_cast<int>(bits & 0xFF), group);
        return QGuiApplication::palette().color(group, role);
    }
    return QColor(static_cast<int>(bits & 0xFF), static_cast<int>((bits >> 8) & 0xFF),
        static_cast<int>((bits >> 16) & 0xFF));
}

QString ColorToIdent(TColor color)
{
    return ToIdent(kColorIdents, color);
}

bool IdentToColor(const QString& ident, TColor& color)
{
    return FromIdent(kColorIdents, ident, color);
}

QString CharsetToIdent(int charset)
{
    return ToIdent(kCharsetIdents, charset);
}

bool IdentToCharset(const QString& ident, int& charset)
{
    return FromIdent(kCharsetIdents, ident, charset);
}

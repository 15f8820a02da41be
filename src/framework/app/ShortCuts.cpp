#include "framework/app/ShortCuts.h"

#include "framework/core/Exceptions.h"

#include <array>

namespace {

constexpr std::array<const TResString*, kSpecialKeyCount> kSpecialKeys = { &SmkcBkSp, &SmkcTab,
    &SmkcEsc, &SmkcEnter, &SmkcSpace, &SmkcPgUp, &SmkcPgDn, &SmkcEnd, &SmkcHome, &SmkcLeft, &SmkcUp,
    &SmkcRight, &SmkcDown, &SmkcIns, &SmkcDel, &SmkcShift, &SmkcCtrl, &SmkcAlt };

TShortCutToText& Conversion()
{
    static TShortCutToText conversion;
    return conversion;
}

// The one-character names the keyboard gives the punctuation keys (the
// layout every machine has in common: US English); other keys have longer
// names ("Num +", "Caps Lock") or none, and so no shortcut text.
char PunctuationKeyName(int code)
{
    switch (code) {
    case 0xBA:
        return ';';
    case 0xBB:
        return '=';
    case 0xBC:
        return ',';
    case 0xBD:
        return '-';
    case 0xBE:
        return '.';
    case 0xBF:
        return '/';
    case 0xC0:
        return '`';
    case 0xDB:
        return '[';
    case 0xDC:
        return '\\';
    case 0xDD:
        return ']';
    case 0xDE:
        return '\'';
    default:
        return 0;
    }
}

std::string KeyName(int code, const std::function<std::string(int)>& specialKeyName)
{
    if (code == 8 || code == 9)
        return specialKeyName(code - 8);
    if (code == 13)
        return specialKeyName(3);
    if (code == 27)
        return specialKeyName(2);
    if (code >= 32 && code <= 40)
        return specialKeyName(code - 28);
    if (code == 45 || code == 46)
        return specialKeyName(code - 32);
    if ((code >= 48 && code <= 57) || (code >= 65 && code <= 90))
        return std::string(1, static_cast<char>(code));
    if (code >= 96 && code <= 105)
        return std::string(1, static_cast<char>('0' + code - 96));
    if (code >= 112 && code <= 135) {
        std::string name(1, 'F');
        name += std::to_string(code - 111);
        return name;
    }
    const char punctuation = PunctuationKeyName(code);
    return punctuation ? std::string(1, punctuation) : std::string();
}

} // namespace

const TResString& SpecialKeyResString(int index)
{
    if (index < 0 || index >= kSpecialKeyCount)
        throw ERangeError();
    return *kSpecialKeys[static_cast<std::size_t>(index)];
}

std::string ShortCutToTextWith(
    TShortCut shortCut, const std::function<std::string(int index)>& specialKeyName)
{
    const std::string name = KeyName(shortCut & 0xFF, specialKeyName);
    if (name.empty())
        return {};
    std::string text;
    if (shortCut & scShift)
        text += specialKeyName(15);
    if (shortCut & scCtrl)
        text += specialKeyName(16);
    if (shortCut & scAlt)
        text += specialKeyName(17);
    return text + name;
}

TShortCutToText SetShortCutToText(TShortCutToText conversion)
{
    std::swap(conversion, Conversion());
    return conversion;
}

std::string ShortCutToText(TShortCut shortCut)
{
    if (const TShortCutToText& conversion = Conversion())
        return conversion(shortCut);
    return ShortCutToTextWith(
        shortCut, [](int index) { return LoadResString(SpecialKeyResString(index)); });
}

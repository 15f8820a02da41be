#pragma once
// Keyboard shortcuts as text ("Ctrl+A", "F2"). The names of the special keys
// are resource strings, and the conversion goes through one replaceable
// function, so a translating version can take its place while it is needed.
// GUI thread only.

#include "framework/app/ResStrings.h"

#include <cstdint>
#include <functional>
#include <string>

// A key code in the low byte and the modifier bits in the high byte.
using TShortCut = std::uint16_t;
inline constexpr TShortCut scShift = 0x2000;
inline constexpr TShortCut scCtrl = 0x4000;
inline constexpr TShortCut scAlt = 0x8000;

// The names of the special keys, indexes 0 .. 17 of SpecialKeyResString.
inline constexpr TResString SmkcBkSp { "SmkcBkSp", "BkSp" };
inline constexpr TResString SmkcTab { "SmkcTab", "Tab" };
inline constexpr TResString SmkcEsc { "SmkcEsc", "Esc" };
inline constexpr TResString SmkcEnter { "SmkcEnter", "Enter" };
inline constexpr TResString SmkcSpace { "SmkcSpace", "Space" };
inline constexpr TResString SmkcPgUp { "SmkcPgUp", "PgUp" };
inline constexpr TResString SmkcPgDn { "SmkcPgDn", "PgDn" };
inline constexpr TResString SmkcEnd { "SmkcEnd", "End" };
inline constexpr TResString SmkcHome { "SmkcHome", "Home" };
inline constexpr TResString SmkcLeft { "SmkcLeft", "Left" };
inline constexpr TResString SmkcUp { "SmkcUp", "Up" };
inline constexpr TResString SmkcRight { "SmkcRight", "Right" };
inline constexpr TResString SmkcDown { "SmkcDown", "Down" };
inline constexpr TResString SmkcIns { "SmkcIns", "Ins" };
inline constexpr TResString SmkcDel { "SmkcDel", "Del" };
inline constexpr TResString SmkcShift { "SmkcShift", "Shift+" };
inline constexpr TResString SmkcCtrl { "SmkcCtrl", "Ctrl+" };
inline constexpr TResString SmkcAlt { "SmkcAlt", "Alt+" };

inline constexpr int kSpecialKeyCount = 18;
// The special key name of index 0 .. 17; ERangeError outside.
const TResString& SpecialKeyResString(int index);

// The text of shortCut with the special keys named by specialKeyName (index
// 0 .. 17): the modifier prefixes Shift+, Ctrl+, Alt+ in that order, then the
// key's name. Letters and digits name themselves, 112 .. 135 are F1 .. F24,
// the punctuation keys their character; a key without a name gives the
// empty text.
std::string ShortCutToTextWith(
    TShortCut shortCut, const std::function<std::string(int index)>& specialKeyName);

using TShortCutToText = std::function<std::string(TShortCut shortCut)>;

// Installs the conversion (empty: the built-in one) and returns the previous.
TShortCutToText SetShortCutToText(TShortCutToText conversion);

// The text of shortCut through the installed conversion. The built-in one
// names the special keys with their loaded resource strings.
std::string ShortCutToText(TShortCut shortCut);

#pragma once
// The translator's enumerations and sets. They live in a Qt namespace so that
// stored layouts read and write them by their value names (Options =
// [ivtoAutoTranslate, ...]); the using-declarations below let the rest of the
// layer name them unqualified.

#include <QObject>

namespace IvMultiEnums {
Q_NAMESPACE

// Reading order of a language.
enum TIvReadingOrder { ivroLeftToRight = 0, ivroRightToLeft = 1 };
Q_ENUM_NS(TIvReadingOrder)

// One bit per option; the stored byte has bit (1 << ordinal).
enum TIvTranslatorOption {
    ivtoAutoTranslate = 0x01, // re-translate when the dictionary reports a change
    ivtoCheckFont = 0x02, // apply the language's font to the root form
    ivtoScaleMultiByte = 0x04, // scale the root for multibyte languages
    ivtoMirrorBiDirectional = 0x08, // mirror positions for right-to-left languages
    ivtoChangeFontCharset = 0x10, // give every font the language's character set
    ivtoUpdateLocaleProperty = 0x20, // set integer properties named "locale"
    ivtoAutoOpen = 0x40, // open when the owning form has been loaded
    ivtoTranslateSystemMenu = 0x80, // translate the root window's system menu
};
Q_DECLARE_FLAGS(TIvTranslatorOptions, TIvTranslatorOption)
Q_FLAG_NS(TIvTranslatorOptions)

// What the restriction event may withhold from one component.
enum TIvRestriction {
    ivrsNoProperties = 0x01, // its published properties are not translated
    ivrsNoText = 0x02, // its own text (memo) is not translated
    ivrsNoMirror = 0x04, // not mirrored, its "locale" property not set
    ivrsNoBiDiNotify = 0x08, // the modules are not told of its reading-order change
    ivrsSelfOnly = 0x10, // its owned components start from the empty set
};
Q_DECLARE_FLAGS(TIvRestrictions, TIvRestriction)
Q_FLAG_NS(TIvRestrictions)

} // namespace IvMultiEnums

Q_DECLARE_OPERATORS_FOR_FLAGS(IvMultiEnums::TIvTranslatorOptions)
Q_DECLARE_OPERATORS_FOR_FLAGS(IvMultiEnums::TIvRestrictions)

using IvMultiEnums::TIvReadingOrder;
using IvMultiEnums::TIvRestriction;
using IvMultiEnums::TIvRestrictions;
using IvMultiEnums::TIvTranslatorOption;
using IvMultiEnums::TIvTranslatorOptions;
using enum IvMultiEnums::TIvReadingOrder;
using enum IvMultiEnums::TIvRestriction;
using enum IvMultiEnums::TIvTranslatorOption;

// Every option except ivtoUpdateLocaleProperty (223).
inline constexpr TIvTranslatorOptions kDefaultTranslatorOptions { ivtoAutoTranslate | ivtoCheckFont
    | ivtoScaleMultiByte | ivtoMirrorBiDirectional | ivtoChangeFontCharset | ivtoAutoOpen
    | ivtoTranslateSystemMenu };

#pragma once
// The enumerations a dictionary publishes. They live in a Qt namespace so
// that stored layouts read and write them by their value names
// (MissingTranslation = ivmtUseNull, Options = [ivdoAutoTranslate]); the
// using-declarations below let the rest of the layer name them unqualified.

#include <QObject>

namespace IvDictioEnums {
Q_NAMESPACE

// When the euro sign replaces the local currency symbol (see
// TIvLocale::CurrencySymbol); also the process-wide euro mode.
enum TIvEuro { iveNormal, iveBusiness, iveIgnore };
Q_ENUM_NS(TIvEuro)

// How language and locale follow each other.
enum TIvBinding { ivbiNone, ivbiLocaleToLanguage, ivbiLanguageToLocale };
Q_ENUM_NS(TIvBinding)

// Option bits; the set is stored in one byte.
enum TIvDictionaryOption : unsigned {
    ivdoUpdateLocaleVariables = 1, // the active locale is written into the process format settings
    ivdoAutoTranslate = 2, // attached translators are told of every change
    ivdoYear2000 = 4, // two-digit years of the date formats become four-digit
    ivdoTranslateResourceStrings = 8, // resource strings and shortcut names are translated
};
Q_DECLARE_FLAGS(TIvDictionaryOptions, TIvDictionaryOption)
Q_FLAG_NS(TIvDictionaryOptions)

// What a lookup without a translation yields.
enum TIvMissingTranslation { ivmtUseNative, ivmtUseNull, ivmtTagNative, ivmtRaiseException };
Q_ENUM_NS(TIvMissingTranslation)

// How strictly a language or locale must be supported by the machine.
enum TIvCheckLevel { ivclNone, ivclSystem, ivclCodePage };
Q_ENUM_NS(TIvCheckLevel)

} // namespace IvDictioEnums

Q_DECLARE_OPERATORS_FOR_FLAGS(IvDictioEnums::TIvDictionaryOptions)

using IvDictioEnums::TIvBinding;
using IvDictioEnums::TIvCheckLevel;
using IvDictioEnums::TIvDictionaryOption;
using IvDictioEnums::TIvDictionaryOptions;
using IvDictioEnums::TIvEuro;
using IvDictioEnums::TIvMissingTranslation;
using enum IvDictioEnums::TIvBinding;
using enum IvDictioEnums::TIvCheckLevel;
using enum IvDictioEnums::TIvDictionaryOption;
using enum IvDictioEnums::TIvEuro;
using enum IvDictioEnums::TIvMissingTranslation;

// Every option: the default of a new dictionary.
inline constexpr TIvDictionaryOptions kAllDictionaryOptions { ivdoUpdateLocaleVariables
    | ivdoAutoTranslate | ivdoYear2000 | ivdoTranslateResourceStrings };

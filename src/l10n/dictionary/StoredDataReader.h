#pragma once
// TIvReader: a form-stream reader that finds one stored property of one
// component inside a window's stored layout, and reads the items of the
// dictionary data a binary dictionary keeps there ("Languages", "Locales";
// the entries of "Translations" are read by the binary dictionary's loader).
//
// Item layouts (version 2; version 1 lacks the character sets):
//   language: list( PrimaryLanguage, SubLanguagesText, DefaultSubLanguage,
//     [Charset], CodePage, EnglishName, NativeName, FontName, FontSize,
//     FlagOne, CodePageIndependent )
//   locale: list( PrimaryLanguage, SubLanguage, [Charset], CodePage,
//     LocaleFlag, six names, Measure, CurrencyString, CurrencyFormat,
//     NegCurrFormat, CurrencyDecimals, three separators, two date formats,
//     TimeSeparator, AM and PM texts, TimeLeadingZero, TimeFormat,
//     TimeMarkerPosition, CalendarType, OptionalCalendar, FirstDayOfWeek,
//     FirstWeekOfYear, 12 + 12 month names, 7 + 7 day names (Monday first) )
// Strings are taken as they are, without code page conversion.
//
// Failures: the stream layer's errors for malformed data ("Stream read
// error", "Invalid property value", "Invalid stream format"), EResNotFound
// "Could not find the property", "Unknown <kind> data version: N".

#include "framework/layout/Reader.h"

#include <string>

class TIvEntryTable;
class TIvLanguage;
class TIvLocale;
class TWriter;

inline constexpr const char* kCouldNotFindProperty = "Could not find the property";
// The highest version of stored dictionary data that is read and written.
constexpr int kStoredDataVersion = 2;

class TIvReader : public TReader
{
public:
    using TReader::TReader;

    // Reads the signature and the root object (its properties skipped), then
    // looks among the root's direct children, in stored order, for the one of
    // class className named componentName, and in it for propertyName. The
    // stream is left at that property's value. Names compare exactly.
    void FindStoredProperty(const std::string& className, const std::string& componentName,
        const std::string& propertyName);
};

// Readers of the stored dictionary data, on any form-stream reader (the one
// FindStoredProperty positioned, or the form loader's).

// The version integer of a stored list; above kStoredDataVersion raises
// "Unknown <kind> data version: N" (kind "language", "translation", "locale").
int ReadStoredDataVersion(TReader& reader, const char* kind);
// The start of a stored list: list begin, version, count (returned).
int ReadStoredListHeader(TReader& reader, const char* kind, int& version);
// The start of a stored "Translations" list: list begin, version, the context
// kind in version 2 (version 1 has no contexts), count (returned).
int ReadStoredTranslationsHeader(TReader& reader, int& contextFlags);
// One stored entry: native text, the contexts the flags call for, then
// languageCount - 1 columns. With a table, the entry is appended to it, its
// translation being column languageIndex (0: the native text; a column the
// entry lacks: empty).
void ReadStoredTranslationItem(
    TReader& reader, int contextFlags, int languageCount, int languageIndex, TIvEntryTable* table);
// One item into target (all of target replaced), completed.
void ReadStoredLanguageItem(TReader& reader, int version, TIvLanguage& target);
void ReadStoredLocaleItem(TReader& reader, int version, TIvLocale& target);

// The item layouts above, written in the current version.
void WriteLanguageItem(TWriter& writer, const TIvLanguage& language);
void WriteLocaleItem(TWriter& writer, const TIvLocale& locale);

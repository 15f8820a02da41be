#include "l10n/dictionary/StoredDataReader.h"

#include "l10n/dictionary/Dictionary.h"
#include "l10n/dictionary/EntryTable.h"

#include "framework/core/Exceptions.h"
#include "framework/layout/Writer.h"

namespace {

[[noreturn]] void PropertyNotFound()
{
    throw EResNotFound(kCouldNotFindProperty);
}

} // namespace

void TIvReader::FindStoredProperty(
    const std::string& className, const std::string& componentName, const std::string& propertyName)
{
    ReadSignature();
    ReadObjectHeader();
    SkipProperties();
    for (;;) {
        if (EndOfList())
            PropertyNotFound();
        const TObjectHeader child = ReadObjectHeader();
        if (child.className == className && child.objectName == componentName)
            break;
        SkipProperties();
        while (!EndOfList())
            SkipObject();
        ReadListEnd();
    }
    for (;;) {
        if (EndOfList())
            PropertyNotFound();
        if (ReadStr() == propertyName)
            return;
        SkipValue();
    }
}

int ReadStoredDataVersion(TReader& reader, const char* kind)
{
    const int version = reader.ReadInteger();
    if (version > kStoredDataVersion)
        throw Exception(
            std::string("Unknown ") + kind + " data version: " + std::to_string(version));
    return version;
}

int ReadStoredListHeader(TReader& reader, const char* kind, int& version)
{
    reader.ReadListBegin();
    version = ReadStoredDataVersion(reader, kind);
    return reader.ReadInteger();
}

int ReadStoredTranslationsHeader(TReader& reader, int& contextFlags)
{
    reader.ReadListBegin();
    const int version = ReadStoredDataVersion(reader, "translation");
    contextFlags = version >= 2 ? TIvContext::FlagsOfKind(reader.ReadInteger()) : 0;
    return reader.ReadInteger();
}

void ReadStoredTranslationItem(
    TReader& reader, int contextFlags, int languageCount, int languageIndex, TIvEntryTable* table)
{
    reader.ReadListBegin();
    const std::string native = reader.ReadString();
    const std::string context
        = (contextFlags & kContextFlag) ? reader.ReadString() : std::string {};
    const std::string subContext
        = (contextFlags & kSubContextFlag) ? reader.ReadString() : std::string {};
    std::string translation = languageIndex == 0 ? native : std::string {};
    for (int column = 1; column < languageCount; ++column) {
        std::string text = reader.ReadString();
        if (column == languageIndex)
            translation = std::move(text);
    }
    reader.ReadListEnd();
    if (table)
        table->Append(native, context, subContext, translation);
}

void ReadStoredLanguageItem(TReader& reader, int version, TIvLanguage& target)
{
    // A fresh record: nothing an earlier item set (the chosen sub-language,
    // a character set missing from version 1 data) survives.
    TIvLanguage item;
    reader.ReadListBegin();
    item.PrimaryLanguage = reader.ReadInteger();
    item.SetSubLanguagesText(reader.ReadString());
    item.DefaultSubLanguage = reader.ReadInteger();
    if (version >= 2)
        item.Charset = static_cast<std::uint8_t>(reader.ReadInteger());
    item.SetCodePage(reader.ReadInteger());
    item.EnglishName = reader.ReadString();
    item.NativeName = reader.ReadString();
    item.FontName = reader.ReadString();
    item.FontSize = reader.ReadInteger();
    const bool flagOne = reader.ReadBoolean();
    const bool codePageIndependent = reader.ReadBoolean();
    item.SetFlags(static_cast<std::uint8_t>(
        (flagOne ? kFlagOne : 0) | (codePageIndependent ? kFlagCodePageIndependent : 0)));
    item.Complete();
    reader.ReadListEnd();
    target.Assign(item);
}

void ReadStoredLocaleItem(TReader& reader, int version, TIvLocale& target)
{
    TIvLocale l;
    auto byte = [&reader] { return static_cast<std::uint8_t>(reader.ReadInteger()); };
    reader.ReadListBegin();
    l.PrimaryLanguage = reader.ReadInteger();
    l.SubLanguage = reader.ReadInteger();
    if (version >= 2)
        l.Charset = byte();
    l.CodePage = reader.ReadInteger();
    l.LocaleFlag = reader.ReadBoolean();
    for (std::string* name : { &l.EnglishLanguageName, &l.EnglishCountryName, &l.NativeLanguageName,
             &l.NativeCountryName, &l.AbbrevLanguageName, &l.CountryName })
        *name = reader.ReadString();
    l.Measure = byte();
    l.CurrencyString = reader.ReadString();
    l.CurrencyFormat = byte();
    l.NegCurrFormat = byte();
    l.CurrencyDecimals = byte();
    l.ThousandSeparator = reader.ReadChar();
    l.DecimalSeparator = reader.ReadChar();
    l.DateSeparator = reader.ReadChar();
    l.ShortDateFormat = reader.ReadString();
    l.LongDateFormat = reader.ReadString();
    l.TimeSeparator = reader.ReadChar();
    l.TimeAMString = reader.ReadString();
    l.TimePMString = reader.ReadString();
    l.TimeLeadingZero = reader.ReadBoolean();
    for (std::uint8_t* value : { &l.TimeFormat, &l.TimeMarkerPosition, &l.CalendarType,
             &l.OptionalCalendar, &l.FirstDayOfWeek, &l.FirstWeekOfYear })
        *value = byte();
    for (auto& name : l.ShortMonthNames)
        name = reader.ReadString();
    for (auto& name : l.LongMonthNames)
        name = reader.ReadString();
    for (auto& name : l.ShortDayNames)
        name = reader.ReadString();
    for (auto& name : l.LongDayNames)
        name = reader.ReadString();
    reader.ReadListEnd();
    l.Complete();
    target.Assign(l);
}

void WriteLanguageItem(TWriter& writer, const TIvLanguage& language)
{
    writer.WriteListBegin();
    writer.WriteInteger(language.PrimaryLanguage);
    writer.WriteString(language.GetSubLanguagesText());
    writer.WriteInteger(language.DefaultSubLanguage);
    writer.WriteInteger(language.Charset);
    writer.WriteInteger(language.CodePage);
    writer.WriteString(language.EnglishName);
    writer.WriteString(language.NativeName);
    writer.WriteString(language.FontName);
    writer.WriteInteger(language.FontSize);
    writer.WriteBoolean((language.Flags & kFlagOne) != 0);
    writer.WriteBoolean((language.Flags & kFlagCodePageIndependent) != 0);
    writer.WriteListEnd();
}

void WriteLocaleItem(TWriter& writer, const TIvLocale& l)
{
    writer.WriteListBegin();
    writer.WriteInteger(l.PrimaryLanguage);
    writer.WriteInteger(l.SubLanguage);
    writer.WriteInteger(l.Charset);
    writer.WriteInteger(l.CodePage);
    writer.WriteBoolean(l.LocaleFlag);
    for (const std::string* name : { &l.EnglishLanguageName, &l.EnglishCountryName,
             &l.NativeLanguageName, &l.NativeCountryName, &l.AbbrevLanguageName, &l.CountryName })
        writer.WriteString(*name);
    writer.WriteInteger(l.Measure);
    writer.WriteString(l.CurrencyString);
    writer.WriteInteger(l.CurrencyFormat);
    writer.WriteInteger(l.NegCurrFormat);
    writer.WriteInteger(l.CurrencyDecimals);
    writer.WriteChar(l.ThousandSeparator);
    writer.WriteChar(l.DecimalSeparator);
    writer.WriteChar(l.DateSeparator);
    writer.WriteString(l.ShortDateFormat);
    writer.WriteString(l.LongDateFormat);
    writer.WriteChar(l.TimeSeparator);
    writer.WriteString(l.TimeAMString);
    writer.WriteString(l.TimePMString);
    writer.WriteBoolean(l.TimeLeadingZero);
    for (std::uint8_t value : { l.TimeFormat, l.TimeMarkerPosition, l.CalendarType,
             l.OptionalCalendar, l.FirstDayOfWeek, l.FirstWeekOfYear })
        writer.WriteInteger(value);
    for (const auto& name : l.ShortMonthNames)
        writer.WriteString(name);
    for (const auto& name : l.LongMonthNames)
        writer.WriteString(name);
    for (const auto& name : l.ShortDayNames)
        writer.WriteString(name);
    for (const auto& name : l.LongDayNames)
        writer.WriteString(name);
    writer.WriteListEnd();
}

#include "l10n/dictionary/StoredDataReader.h"

#include "../mld/MldTestImages.h"

#include "l10n/dictionary/Dictionary.h"

#include "framework/app/ResStrings.h"
#include "framework/core/Exceptions.h"
#include "framework/layout/Writer.h"
#include "framework/streams/MemoryStream.h"

#include <gtest/gtest.h>

#include <functional>

using tankora::test::ErrorOf;

namespace {

// A form: root properties of several kinds, a label with a grandchild of the
// dictionary's class and name, then the dictionary itself.
void StoredForm(TMemoryStream& stream, const std::string& dictionaryName = "Dictionary1")
{
    TWriter w(stream);
    w.WriteSignature();
    w.WriteObjectHeader("TForm1", "Form1");
    w.WriteStr("Caption");
    w.WriteString("Tank");
    w.WriteStr("Items");
    w.WriteListBegin();
    w.WriteInteger(70000);
    w.WriteFloat(1.5);
    w.WriteListEnd();
    w.WriteStr("Data");
    w.WriteBinary(QByteArray(300, 'x'));
    w.WriteStr("Options");
    w.WriteSet({ "a", "b" });
    w.WriteListEnd();
    w.WriteObjectHeader("TPanel", "Panel1");
    w.WriteStr("Languages"); // a property of the same name on another component
    w.WriteInteger(1);
    w.WriteListEnd();
    w.WriteObjectHeader("TIvBinaryDictionary", "Nested"); // not a direct child
    w.WriteStr("Languages");
    w.WriteInteger(2);
    w.WriteListEnd();
    w.WriteListEnd();
    w.WriteListEnd();
    w.WriteObjectHeader("TIvBinaryDictionary", dictionaryName);
    w.WriteStr("Storage");
    w.WriteIdent("ivsEmbedded");
    w.WriteStr("Languages");
    w.WriteInteger(3);
    w.WriteStr("Translations");
    w.WriteInteger(4);
    w.WriteListEnd();
    w.WriteListEnd();
    w.WriteListEnd();
    w.WriteListEnd();
    stream.SetPosition(0);
}

int ValueOf(TMemoryStream& stream, const std::string& className, const std::string& name,
    const std::string& property)
{
    stream.SetPosition(0);
    TIvReader reader(stream);
    reader.FindStoredProperty(className, name, property);
    return reader.ReadInteger();
}

} // namespace

TEST(StoredProperty, FoundOnlyOnTheNamedDirectChildOfTheRoot)
{
    TMemoryStream form;
    StoredForm(form);
    EXPECT_EQ(ValueOf(form, "TIvBinaryDictionary", "Dictionary1", "Languages"), 3);
    EXPECT_EQ(ValueOf(form, "TIvBinaryDictionary", "Dictionary1", "Translations"), 4);
    EXPECT_EQ(ValueOf(form, "TPanel", "Panel1", "Languages"), 1);
    for (const auto& [className, name, property] :
        std::vector<std::tuple<std::string, std::string, std::string>> {
            { "TIvBinaryDictionary", "Nested", "Languages" },
            { "TIvBinaryDictionary", "dictionary1", "Languages" },
            { "TIvDictionary", "Dictionary1", "Languages" },
            { "TIvBinaryDictionary", "Dictionary1", "Locales" } }) {
        EXPECT_EQ(ErrorOf([&] { ValueOf(form, className, name, property); }), kCouldNotFindProperty)
            << name << "." << property;
    }
}

TEST(StoredProperty, RenamedComponentIsNotFound)
{
    TMemoryStream form;
    StoredForm(form, "OtherName");
    EXPECT_THROW(ValueOf(form, "TIvBinaryDictionary", "Dictionary1", "Languages"), EResNotFound);
}

TEST(StoredProperty, LayoutWithoutSignatureIsAnInvalidStream)
{
    TMemoryStream stream;
    stream.WriteBuffer("TPF1", 4);
    stream.SetPosition(0);
    TIvReader reader(stream);
    EXPECT_EQ(ErrorOf([&] { reader.FindStoredProperty("A", "B", "C"); }), SInvalidImage.Text);
}

TEST(StoredItems, LanguageAndLocaleRoundTripAndComplete)
{
    TIvLanguage german(7, 1, 1252, "1,2,3", "German", "Deutsch", "Arial", 9, kFlagOne);
    TIvLocale locale;
    locale.PrimaryLanguage = 7;
    locale.SubLanguage = 1;
    locale.CodePage = 1252;
    locale.DecimalSeparator = ',';
    locale.ThousandSeparator = '.';
    locale.ShortDateFormat = "dd.MM.yy";
    locale.LongMonthNames[11] = "Dezember";
    locale.LongDayNames[6] = "Sonntag";
    locale.TimeFormat = 1;
    TMemoryStream stream;
    TWriter writer(stream);
    WriteLanguageItem(writer, german);
    WriteLocaleItem(writer, locale);
    stream.SetPosition(0);

    TIvReader reader(stream);
    TIvLanguage language;
    language.SubLanguage = 3; // chosen before; the item does not carry it
    ReadStoredLanguageItem(reader, 2, language);
    EXPECT_EQ(language.PrimaryLanguage, 7);
    EXPECT_EQ(language.GetSubLanguagesText(), "1,2,3");
    EXPECT_EQ(language.SubLanguage, 1);
    EXPECT_EQ(language.CodePage, 1252);
    EXPECT_EQ(language.NativeName, "Deutsch");
    EXPECT_EQ(language.FontSize, 9);
    EXPECT_EQ(language.Flags, kFlagOne);
    EXPECT_EQ(language.IsoLanguageName, "de"); // completed

    TIvLocale read;
    ReadStoredLocaleItem(reader, 2, read);
    EXPECT_EQ(read.DecimalSeparator, ',');
    EXPECT_EQ(read.ShortDateFormat, "dd.MM.yy");
    EXPECT_EQ(read.LongMonthNames[11], "Dezember");
    EXPECT_EQ(read.LongDayNames[6], "Sonntag");
    EXPECT_EQ(read.TimeFormat, 1);
    EXPECT_EQ(read.EnglishLanguageName, "German"); // completed
}

TEST(StoredItems, VersionOneLanguageHasNoCharacterSet)
{
    TMemoryStream stream;
    TWriter w(stream);
    w.WriteListBegin();
    w.WriteInteger(25);
    w.WriteString("");
    w.WriteInteger(1);
    w.WriteInteger(1251); // no character set before the code page
    for (const char* text : { "Russian", "", "" })
        w.WriteString(text);
    w.WriteInteger(0);
    w.WriteBoolean(false);
    w.WriteBoolean(true);
    w.WriteListEnd();
    stream.SetPosition(0);
    TIvReader reader(stream);
    TIvLanguage language;
    language.Charset = 77;
    ReadStoredLanguageItem(reader, 1, language);
    EXPECT_EQ(language.CodePage, 1251);
    EXPECT_EQ(language.Charset, CharsetOfCodePage(1251));
    EXPECT_EQ(language.Flags, kFlagCodePageIndependent);
}

TEST(StoredItems, VersionAboveTwoIsRefusedWithItsNumber)
{
    TMemoryStream stream;
    TWriter w(stream);
    w.WriteInteger(2);
    w.WriteInteger(300);
    stream.SetPosition(0);
    TIvReader reader(stream);
    EXPECT_EQ(ReadStoredDataVersion(reader, "language"), 2);
    EXPECT_EQ(ErrorOf([&] { ReadStoredDataVersion(reader, "locale"); }),
        "Unknown locale data version: 300");
}

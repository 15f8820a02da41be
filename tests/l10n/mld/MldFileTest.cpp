#include "l10n/mld/MldFile.h"

#include "MldTestImages.h"

#include "framework/app/ResStrings.h"
#include "framework/core/Exceptions.h"
#include "framework/streams/Stream.h"
#include "nls/Nls.h"

#include <gtest/gtest.h>

#include <functional>

using namespace tankora::test;
using nlohmann::json;

namespace {

TIvTranslation ReadEntry(TIvMLDFile& reader, int column, int codePage = 0)
{
    TIvTranslation entry({}, {}, {});
    reader.ReadTranslation(entry, column, codePage);
    return entry;
}

json WithHeader(json description, int version, bool littleEndian, bool ansi, int contextKind = 0)
{
    description["header"] = { { "version", version }, { "littleEndian", littleEndian },
        { "ansiStrings", ansi }, { "contextKind", contextKind } };
    return description;
}

} // namespace

TEST(MldExample, WriterProducesTheDocumentedBytes)
{
    EXPECT_EQ(Build(ExampleDescription()), ExampleBytes());
}

TEST(MldExample, ReadsHeaderLanguagesAndEntry)
{
    TStream* stream = nullptr;
    auto reader = OpenImage(ExampleBytes(), &stream);
    EXPECT_EQ(reader->Version(), 2);
    EXPECT_EQ(reader->LanguageCount(), 2);
    EXPECT_EQ(reader->TranslationCount(), 1);
    EXPECT_EQ(reader->LocaleCount(), 0);
    EXPECT_EQ(reader->ContextFlags(), 0);

    TIvLanguage native = *reader->LanguageAt(0);
    EXPECT_EQ(native.PrimaryLanguage, 0);
    EXPECT_EQ(native.EnglishName, "Native");
    EXPECT_EQ(native.Flags, kFlagCodePageIndependent);
    TIvLanguage german = *reader->LanguageAt(1);
    EXPECT_EQ(german.PrimaryLanguage, 7);
    EXPECT_EQ(german.SubLanguage, 1);
    EXPECT_EQ(german.IsoLanguageName, "de");
    EXPECT_EQ(german.IsoCountryName, "DE");
    EXPECT_EQ(german.GetSubLanguagesText(), "1");
    EXPECT_EQ(german.NativeName, "Deutsch");
    EXPECT_EQ(german.CodePage, 1252);
    EXPECT_EQ(stream->Position(), 112);

    for (int column : { 1, 0 }) {
        reader->SeekTranslations();
        const TIvTranslation entry = ReadEntry(*reader, column, 1252);
        EXPECT_EQ(entry.NativeText, "Calculate");
        EXPECT_EQ(entry.Translation, column == 1 ? "Berechnen" : "Calculate");
        EXPECT_EQ(stream->Position(), 134) << "column " << column;
    }
}

TEST(MldExample, OpenFileLeavesTheStreamAtTheLanguageTable)
{
    const std::string path = TempPath("example.mld");
    {
        FILE* file = std::fopen(path.c_str(), "wb");
        ASSERT_NE(file, nullptr);
        std::fwrite(ExampleBytes().data(), 1, ExampleBytes().size(), file);
        std::fclose(file);
    }
    TIvMLDFile reader;
    reader.OpenFile(path);
    EXPECT_EQ(reader.ReadLanguage().PrimaryLanguage, 0);
    EXPECT_EQ(reader.ReadLanguage().PrimaryLanguage, 7);
    EXPECT_EQ(ErrorOf([] { TIvMLDFile().OpenFile("/nonexistent/cylang.mld"); }),
        "Cannot open file /nonexistent/cylang.mld");
}

// Byte order and string form must not change what is read.
TEST(MldForms, EveryByteOrderAndStringFormReadsTheSame)
{
    for (const bool littleEndian : { true, false }) {
        for (const bool ansi : { true, false }) {
            SCOPED_TRACE(std::string(littleEndian ? "LE " : "BE ") + (ansi ? "8-bit" : "UTF-16"));
            json description = WithHeader(ExampleDescription(), 3, littleEndian, ansi);
            description["locales"] = { GermanLocaleDescription() };
            const std::string bytes = Build(description);
            auto reader = OpenImage(bytes);
            EXPECT_EQ(reader->LanguageCount(), 2);
            EXPECT_EQ(reader->TranslationCount(), 1);
            EXPECT_EQ(reader->LocaleCount(), 1);
            EXPECT_EQ(reader->Header().LanguageOffset, 42u);
            EXPECT_EQ(reader->LanguageAt(1)->NativeName, "Deutsch");
            EXPECT_EQ(reader->LanguageAt(1)->CodePage, 1252);
            reader->SeekTranslations();
            EXPECT_EQ(ReadEntry(*reader, 1, 1252).Translation, "Berechnen");
            const TIvLocale locale = *reader->LocaleAt(0);
            EXPECT_EQ(locale.LocaleId(), 0x0407);
            EXPECT_EQ(locale.DecimalSeparator, ',');
            EXPECT_EQ(locale.CurrencyString, "\x80");
            EXPECT_EQ(locale.ShortMonthNames[2], "M\xE4r");
            EXPECT_EQ(locale.LongDayNames[6], "Sonntag");
            EXPECT_EQ(locale.FirstWeekOfYear, 2);
            EXPECT_TRUE(locale.LocaleFlag);
            EXPECT_TRUE(locale.TimeLeadingZero);
        }
    }
}

TEST(MldForms, BigEndianHeaderFieldsAreSwapped)
{
    const std::string bytes = Build(WithHeader(ExampleDescription(), 2, false, true));
    EXPECT_EQ(bytes.substr(12, 6), std::string("\x00\x02\x00\x00\x00\x2A", 6));
    EXPECT_EQ(OpenImage(bytes)->Header().TranslationOffset, 112u);
}

TEST(MldVersions, VersionOneTakesTheStringFlagFromByteSeven)
{
    for (const bool ansi : { true, false }) {
        std::string bytes = Build(WithHeader(ExampleDescription(), 1, true, ansi));
        EXPECT_EQ(bytes[7], ansi ? 1 : 0);
        for (const char byte5 : { '\0', '\x01', '\x7F' }) {
            bytes[5] = byte5;
            bytes[31] = 5; // the fourth table does not exist in version 1
            auto reader = OpenImage(bytes);
            EXPECT_EQ(reader->AnsiStrings() != 0, ansi);
            EXPECT_EQ(reader->Header().ExtraCount, 0);
            EXPECT_EQ(reader->Header().Reserved7, 0);
            EXPECT_EQ(reader->LanguageAt(1)->NativeName, "Deutsch");
            reader->SeekTranslations();
            EXPECT_EQ(ReadEntry(*reader, 1).Translation, "Berechnen");
        }
    }
}

TEST(MldVersions, VersionsZeroAndAboveThreeReadTheirRecordLayouts)
{
    // Version 0: a version-2 header with version-1 records (no ISO codes, no
    // sub-language names); above 3: version-3 records with size words.
    for (const int version : { 0, 9 }) {
        const std::string bytes = Build(WithHeader(ExampleDescription(), version, true, true));
        EXPECT_EQ(bytes.size(), version == 0 ? 134u - 2 * 6 : 134u + 2 * 4);
        auto reader = OpenImage(bytes);
        EXPECT_EQ(reader->AnsiStrings(), 1);
        EXPECT_EQ(reader->LanguageAt(1)->NativeName, "Deutsch");
        reader->SeekTranslations();
        EXPECT_EQ(ReadEntry(*reader, 1).Translation, "Berechnen");
    }
}

// A version-3 record: [size word][fields...]. Surplus is skipped; a size
// word smaller than the fields skips nothing.
TEST(MldVersions, SizeWordsWithSurplusOrShortfall)
{
    const std::string base = Build(WithHeader(ExampleDescription(), 3, true, true));
    const unsigned size0 = ReadLe16(base, 42);

    std::string surplus = base;
    surplus.insert(42 + size0, "\xAA\xBB\xCC\xDD\xEE", 5);
    WriteLe16(surplus, 42, size0 + 5);
    WriteLe32(surplus, 20, OpenImage(base)->Header().TranslationOffset + 5);

    std::string shortfall = base;
    WriteLe16(shortfall, 42, 4);

    for (const std::string& bytes : { surplus, shortfall }) {
        auto reader = OpenImage(bytes);
        reader->SeekLanguages();
        EXPECT_EQ(reader->ReadLanguage().PrimaryLanguage, 0);
        EXPECT_EQ(reader->ReadLanguage().NativeName, "Deutsch");
        reader->SeekTranslations();
        EXPECT_EQ(ReadEntry(*reader, 1).Translation, "Berechnen");
    }
    auto reader = OpenImage(shortfall);
    reader->SeekLanguages();
    reader->ReadLanguage();
    EXPECT_LT(reader->RecordRemaining(), 0);
}

TEST(MldRecords, EachLanguageReadStartsFromAnEmptyRecord)
{
    json description = ExampleDescription();
    description["languages"] = { LanguageDescription(0, 0, {}, 1252, "Native", "Native"),
        LanguageDescription(25, 1, {}, 1251, "Russian", "Russian"),
        LanguageDescription(8, 0, { 1 }, 1253, "Greek", "Greek"),
        LanguageDescription(7, 3, { 3, 1 }, 1252, "German", "German") };
    description["entries"][0]["translations"] = { "a", "b", "c" };
    auto reader = OpenImage(Build(WithHeader(description, 2, true, true)));
    reader->SeekLanguages();
    const int expectedSub[] = { 0, 1, 1, 3 };
    const int expectedCharset[] = { 0, 204, 161, 0 };
    for (int i = 0; i < 4; ++i) {
        const TIvLanguage& language = reader->ReadLanguage();
        EXPECT_EQ(language.SubLanguage, expectedSub[i]) << i;
        EXPECT_EQ(language.Charset, expectedCharset[i]) << i;
    }
    EXPECT_EQ(reader->LanguageAt(-1), nullptr);
    EXPECT_EQ(reader->ReadLanguage().PrimaryLanguage, 0) << "LanguageAt(-1) stops at the table";
}

TEST(MldRecords, ContextKindsDecideWhichStringsFollowTheNativeText)
{
    struct Case
    {
        int kind;
        std::string context, subContext;
    };
    for (const Case& c : { Case { 0, "", "" }, Case { 1, "C", "S" }, Case { 2, "", "S" },
             Case { 3, "C", "" }, Case { 4, "", "" } }) {
        SCOPED_TRACE(c.kind);
        json description = WithHeader(ExampleDescription(), 2, true, true, c.kind);
        description["entries"] = { { { "native", "A" }, { "context", "C" }, { "subContext", "S" },
                                       { "translations", { "B" } } },
            { { "native", "D" }, { "context", "C" }, { "subContext", "S" },
                { "translations", { "E" } } } };
        auto reader = OpenImage(Build(description));
        reader->SeekTranslations();
        for (const auto& [native, translation] :
            { std::pair { "A", "B" }, std::pair { "D", "E" } }) {
            const TIvTranslation entry = ReadEntry(*reader, 1);
            EXPECT_EQ(entry.NativeText, native);
            EXPECT_EQ(entry.Context, c.context);
            EXPECT_EQ(entry.SubContext, c.subContext);
            EXPECT_EQ(entry.Translation, translation);
        }
        reader->SeekTranslations();
        TIvContext pair;
        std::vector<std::string> strings;
        reader->ReadRawTranslation(pair, strings);
        EXPECT_EQ(strings, (std::vector<std::string> { "A", "B" }));
        EXPECT_EQ(pair.Context, c.context);
        EXPECT_EQ(pair.SubContext, c.subContext);
    }
}

TEST(MldRecords, SubContextKindStoresExactlyOneStringBetweenNativeAndTranslations)
{
    json description = WithHeader(ExampleDescription(), 2, true, true, 2);
    description["entries"] = { { { "native", "A" }, { "context", "C" }, { "subContext", "S" },
        { "translations", { "B" } } } };
    const std::string bytes = Build(description);
    EXPECT_EQ(bytes.substr(112),
        std::string("\x01\x00"
                    "A"
                    "\x01\x00"
                    "S"
                    "\x01\x00"
                    "B",
            9));
}

TEST(MldRecords, UnicodeTextsAreConvertedIntoTheirLanguagesCodePages)
{
    json description = ExampleDescription();
    description["languages"] = { LanguageDescription(0, 0, {}, 1252, "Native", "Native"),
        LanguageDescription(25, 1, { 1 }, 1251, "Russian", "Русский"),
        LanguageDescription(8, 1, { 1 }, 1253, "Greek", "Ελληνικά"),
        LanguageDescription(17, 1, { 1 }, 932, "Japanese", "日本語") };
    const tankora::ScopedMachineLocale machine({ 0x0409, 0x0409, 1252 });
    description["entries"] = { { { "native", "Calculate ✓" }, { "context", "" },
        { "subContext", "" }, { "translations", { "Рассчитать", "Υπολογισμός", "計算" } } } };
    for (const bool littleEndian : { true, false }) {
        auto reader = OpenImage(Build(WithHeader(description, 3, littleEndian, false)));
        EXPECT_EQ(reader->LanguageAt(1)->NativeName, "\xD0\xF3\xF1\xF1\xEA\xE8\xE9");
        EXPECT_EQ(reader->LanguageAt(3)->NativeName, "\x93\xFA\x96\x7B\x8C\xEA");
        const std::pair<int, std::string> expected[] = {
            { 1251, "\xD0\xE0\xF1\xF1\xF7\xE8\xF2\xE0\xF2\xFC" },
            { 1253, "\xD5\xF0\xEF\xEB\xEF\xE3\xE9\xF3\xEC\xFC\xF2" },
            { 932, "\x8C\x76\x8E\x5A" },
        };
        for (int column = 1; column <= 3; ++column) {
            reader->SeekTranslations();
            const auto& [codePage, text] = expected[column - 1];
            const TIvTranslation entry = ReadEntry(*reader, column, codePage);
            EXPECT_EQ(entry.Translation, text) << column;
            EXPECT_EQ(entry.NativeText, "Calculate ?") << "not in the active code page";
        }
    }
}

TEST(MldRecords, EmptyCountedStringsAreEmptyTexts)
{
    json description = ExampleDescription();
    description["entries"][0]["translations"] = { "" };
    for (const bool ansi : { true, false }) {
        auto reader = OpenImage(Build(WithHeader(description, 2, true, ansi)));
        reader->SeekTranslations();
        EXPECT_EQ(ReadEntry(*reader, 1).Translation, "");
    }
}

TEST(MldFailures, EachConditionGivesItsMessage)
{
    const std::string good = ExampleBytes();
    const auto patched = [&good](std::size_t at, const std::string& with) {
        std::string bytes = good;
        bytes.replace(at, with.size(), with);
        return bytes;
    };
    const auto readAll = [](const std::string& bytes) {
        auto reader = OpenImage(bytes);
        reader->LanguageAt(reader->LanguageCount() - 1);
        reader->SeekTranslations();
        ReadEntry(*reader, 1);
    };
    struct Case
    {
        const char* what;
        std::function<void()> call;
        std::string message;
    };
    const Case cases[] = {
        { "lower-case signature", [&] { OpenImage(patched(0, "mld")); }, kNotMLDStream },
        { "one byte differs", [&] { OpenImage(patched(2, "d")); }, kNotMLDStream },
        { "other signature", [&] { OpenImage(patched(0, "XLD")); }, kNotMLDStream },
        { "header shorter than 42", [&] { OpenImage(good.substr(0, 41)); },
            std::string(SReadError.Text) },
        { "no language table",
            [&] { OpenImage(patched(14, std::string(4, '\0')))->SeekLanguages(); },
            kInvalidLanguageOffset },
        { "no translation table",
            [&] { OpenImage(patched(20, std::string(4, '\0')))->SeekTranslations(); },
            kInvalidTranslationOffset },
        { "no locales, any offset",
            [&] { OpenImage(patched(26, std::string("\x10\x00\x00\x00", 4)))->SeekLocales(); },
            kNoCustomLocales },
        { "no locales via LocaleAt", [&] { OpenImage(good)->LocaleAt(0); }, kNoCustomLocales },
        { "locales without offset",
            [&] { OpenImage(patched(24, std::string("\x01\x00", 2)))->SeekLocales(); },
            kInvalidLocaleOffset },
        { "entry cut short", [&] { readAll(good.substr(0, 130)); }, std::string(SReadError.Text) },
        { "string length past the end", [&] { readAll(patched(123, std::string("\xFF\x00", 2))); },
            std::string(SReadError.Text) },
        { "dropped column past the end",
            [&] {
                auto reader = OpenImage(patched(123, std::string("\xFF\x00", 2)));
                reader->SeekTranslations();
                ReadEntry(*reader, 0);
            },
            std::string(SReadError.Text) },
        { "language count lies",
            [&] { OpenImage(patched(12, std::string("\xFF\x00", 2)))->LanguageAt(40); },
            std::string(SReadError.Text) },
        { "offset past the end",
            [&] {
                auto reader = OpenImage(patched(20, std::string("\x00\x10\x00\x00", 4)));
                reader->SeekTranslations();
                ReadEntry(*reader, 0);
            },
            std::string(SReadError.Text) },
        { "column beyond the table",
            [&] {
                auto reader = OpenImage(good);
                reader->SeekTranslations();
                ReadEntry(*reader, 2);
            },
            std::string(SRangeError.Text) },
    };
    for (const Case& c : cases)
        EXPECT_EQ(ErrorOf(c.call), c.message) << c.what;
}

TEST(MldFailures, ErrorsAreOfTheGeneralExceptionClass)
{
    EXPECT_THROW(OpenImage(std::string("XLD") + std::string(39, '\0')), Exception);
    EXPECT_THROW(OpenImage("MLD"), EReadError);
}

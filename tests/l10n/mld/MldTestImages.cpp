#include "MldTestImages.h"
#include "MessageOf.h"

#include "../../../apps/mldtool/MldWriter.h"

#include "framework/streams/MemoryStream.h"
#include "nls/ByteOrder.h"

#include <gtest/gtest.h>

namespace tankora::test {

using nlohmann::json;

json LanguageDescription(int primary, int defaultSub, std::initializer_list<int> subs, int codePage,
    const std::string& englishName, const std::string& nativeName, const std::string& iso639,
    const std::string& iso3166)
{
    return {
        { "primaryLanguage", primary },
        { "isoLanguageName", iso639 },
        { "defaultSubLanguage", defaultSub },
        { "isoCountryName", iso3166 },
        { "subLanguages", json(std::vector<int>(subs)) },
        { "subLanguageNames", json::array() },
        { "charset", 0 },
        { "codePage", codePage },
        { "flags", primary == 0 ? 2 : 0 },
        { "englishName", englishName },
        { "nativeName", nativeName },
        { "fontName", "" },
        { "fontSize", 0 },
    };
}

json ExampleDescription()
{
    return {
        { "header",
            { { "version", 2 }, { "littleEndian", true }, { "ansiStrings", true },
                { "contextKind", 0 } } },
        { "languages",
            { LanguageDescription(0, 0, {}, 1252, "Native", "Native", "en", "US"),
                LanguageDescription(7, 1, { 1 }, 1252, "German", "Deutsch", "de", "DE") } },
        { "locales", json::array() },
        { "entries",
            { { { "native", "Calculate" }, { "context", "" }, { "subContext", "" },
                { "translations", { "Berechnen" } } } } },
    };
}

std::string ExampleBytes()
{
    // The image laid out by record; clang-format would put one byte on a line.
    // clang-format off
    const unsigned char bytes[] = {
        0x4D, 0x4C, 0x44, 0x02, 0x01, 0x01, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, // header
        0x02, 0x00, 0x2A, 0x00, 0x00, 0x00, 0x01, 0x00, 0x70, 0x00, 0x00, 0x00,
        0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00,
        0x00, 0x00, 0x00, 0x00, 0x00, 0x00,
        0x00, 0x00, 0x65, 0x6E, 0x00, 0x00, 0x55, 0x53, 0x00, 0x00, 0x00, 0x00, // language 0
        0xE4, 0x04, 0x02, 0x06, 0x00, 0x4E, 0x61, 0x74, 0x69, 0x76, 0x65,
        0x06, 0x00, 0x4E, 0x61, 0x74, 0x69, 0x76, 0x65, 0x00, 0x00, 0x00,
        0x07, 0x00, 0x64, 0x65, 0x01, 0x00, 0x44, 0x45, 0x01, 0x00, 0x31, // language 1
        0x00, 0x00, 0xE4, 0x04, 0x00, 0x06, 0x00, 0x47, 0x65, 0x72, 0x6D, 0x61, 0x6E,
        0x07, 0x00, 0x44, 0x65, 0x75, 0x74, 0x73, 0x63, 0x68, 0x00, 0x00, 0x00,
        0x09, 0x00, 0x43, 0x61, 0x6C, 0x63, 0x75, 0x6C, 0x61, 0x74, 0x65, // entry 0
        0x09, 0x00, 0x42, 0x65, 0x72, 0x65, 0x63, 0x68, 0x6E, 0x65, 0x6E,
    };
    // clang-format on
    return std::string(reinterpret_cast<const char*>(bytes), sizeof bytes);
}

json GermanLocaleDescription()
{
    return {
        { "primaryLanguage", 7 },
        { "isoLanguageName", "de" },
        { "subLanguage", 1 },
        { "isoCountryName", "DE" },
        { "charset", 0 },
        { "codePage", 1252 },
        { "localeFlag", true },
        { "englishLanguageName", "German" },
        { "englishCountryName", "Germany" },
        { "nativeLanguageName", "Deutsch" },
        { "nativeCountryName", "Deutschland" },
        { "abbrevLanguageName", "DEU" },
        { "countryName", "Germany" },
        { "measure", 0 },
        { "currencyString", "€" },
        { "currencyFormat", 3 },
        { "negCurrFormat", 8 },
        { "currencyDecimals", 2 },
        { "thousandSeparator", "." },
        { "decimalSeparator", "," },
        { "dateSeparator", "." },
        { "shortDateFormat", "dd.MM.yyyy" },
        { "longDateFormat", "dddd, d. MMMM yyyy" },
        { "timeSeparator", ":" },
        { "timeAMString", "" },
        { "timePMString", "" },
        { "timeLeadingZero", true },
        { "timeFormat", 1 },
        { "timeMarkerPosition", 0 },
        { "calendarType", 1 },
        { "optionalCalendar", 0 },
        { "firstDayOfWeek", 0 },
        { "firstWeekOfYear", 2 },
        { "shortMonthNames",
            { "Jan", "Feb", "Mär", "Apr", "Mai", "Jun", "Jul", "Aug", "Sep", "Okt", "Nov",
                "Dez" } },
        { "longMonthNames",
            { "Januar", "Februar", "März", "April", "Mai", "Juni", "Juli", "August", "September",
                "Oktober", "November", "Dezember" } },
        { "shortDayNames", { "Mo", "Di", "Mi", "Do", "Fr", "Sa", "So" } },
        { "longDayNames",
            { "Montag", "Dienstag", "Mittwoch", "Donnerstag", "Freitag", "Samstag", "Sonntag" } },
    };
}

std::string Build(const json& description)
{
    return tankora::mld::BuildMldImage(description);
}

std::unique_ptr<TIvMLDFile> OpenImage(const std::string& bytes, TStream** stream)
{
    auto owned = std::make_unique<TCustomMemoryStream>(
        QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size())));
    if (stream)
        *stream = owned.get();
    auto reader = std::make_unique<TIvMLDFile>();
    reader->AttachStream(std::move(owned));
    reader->ReadHeader();
    return reader;
}

std::string ErrorOf(const std::function<void()>& call)
{
    const std::string message = MessageOf<std::exception>(call);
    return message == kNoException ? std::string() : message;
}

std::string TempPath(const std::string& name)
{
    const auto* test = testing::UnitTest::GetInstance()->current_test_info();
    return testing::TempDir() + "tankora-" + test->test_suite_name() + "-" + test->name() + "-"
        + name;
}

unsigned ReadLe16(const std::string& bytes, std::size_t at)
{
    return tankora::LoadInteger<std::uint16_t>(
        reinterpret_cast<const unsigned char*>(bytes.data() + at));
}

void WriteLe16(std::string& bytes, std::size_t at, unsigned value)
{
    tankora::StoreInteger(
        static_cast<std::uint16_t>(value), reinterpret_cast<unsigned char*>(bytes.data() + at));
}

void WriteLe32(std::string& bytes, std::size_t at, unsigned value)
{
    tankora::StoreInteger(
        static_cast<std::uint32_t>(value), reinterpret_cast<unsigned char*>(bytes.data() + at));
}

} // namespace tankora::test

#include "MldDump.h"

#include "MldText.h"

#include "l10n/mld/MldFile.h"

#include "framework/core/FullMessage.h"
#include "io/InputFile.h"
#include "io/PrintableText.h"

#include <nlohmann/json.hpp>

#include <ostream>
#include <stdexcept>
#include <vector>

namespace tankora::mld {
namespace {

using json = nlohmann::ordered_json;

constexpr int kUtf8CodePage = 65001;

json LanguageJson(const TIvLanguage& language, int nativeNameCodePage)
{
    json subLanguages = json::array();
    for (int i = 0; i < language.SubLanguageCount(); ++i)
        subLanguages.push_back(language.SubLanguageAt(i));
    json names = json::array();
    for (const auto& name : language.SubLanguageNames)
        names.push_back(Utf8FromCodePage(name, 0));
    return {
        { "primaryLanguage", language.PrimaryLanguage },
        { "subLanguage", language.SubLanguage },
        { "defaultSubLanguage", language.DefaultSubLanguage },
        { "subLanguages", subLanguages },
        { "subLanguageNames", names },
        { "isoLanguageName", Utf8FromCodePage(language.IsoLanguageName, 0) },
        { "isoCountryName", Utf8FromCodePage(language.IsoCountryName, 0) },
        { "charset", language.Charset },
        { "codePage", language.CodePage },
        { "flags", language.Flags },
        { "englishName", Utf8FromCodePage(language.EnglishName, 0) },
        { "nativeName", Utf8FromCodePage(language.NativeName, nativeNameCodePage) },
        { "fontName", Utf8FromCodePage(language.FontName, 0) },
        { "fontSize", language.FontSize },
    };
}

template <std::size_t N> json NamesJson(const std::array<std::string, N>& names, int codePage)
{
    json list = json::array();
    for (const auto& name : names)
        list.push_back(Utf8FromCodePage(name, codePage));
    return list;
}

json LocaleJson(const TIvLocale& l)
{
    const int cp = l.CodePage;
    const auto local = [cp](const std::string& text) { return Utf8FromCodePage(text, cp); };
    const auto plain = [](const std::string& text) { return Utf8FromCodePage(text, 0); };
    const auto separator = [cp](char c) { return Utf8FromCodePage(std::string(1, c), cp); };
    return {
        { "primaryLanguage", l.PrimaryLanguage },
        { "subLanguage", l.SubLanguage },
        { "sortId", l.SortId },
        { "isoLanguageName", plain(l.IsoLanguageName) },
        { "isoCountryName", plain(l.IsoCountryName) },
        { "codePage", l.CodePage },
        { "localeFlag", l.LocaleFlag },
        { "charset", l.Charset },
        { "englishLanguageName", plain(l.EnglishLanguageName) },
        { "englishCountryName", plain(l.EnglishCountryName) },
        { "nativeLanguageName", local(l.NativeLanguageName) },
        { "nativeCountryName", local(l.NativeCountryName) },
        { "abbrevLanguageName", plain(l.AbbrevLanguageName) },
        { "countryName", plain(l.CountryName) },
        { "currencyString", local(l.CurrencyString) },
        { "currencyFormat", l.CurrencyFormat },
        { "negCurrFormat", l.NegCurrFormat },
        { "currencyDecimals", l.CurrencyDecimals },
        { "thousandSeparator", separator(l.ThousandSeparator) },
        { "decimalSeparator", separator(l.DecimalSeparator) },
        { "dateSeparator", separator(l.DateSeparator) },
        { "shortDateFormat", local(l.ShortDateFormat) },
        { "longDateFormat", local(l.LongDateFormat) },
        { "timeSeparator", separator(l.TimeSeparator) },
        { "timeAMString", local(l.TimeAMString) },
        { "timePMString", local(l.TimePMString) },
        { "timeLeadingZero", l.TimeLeadingZero },
        { "timeFormat", l.TimeFormat },
        { "timeMarkerPosition", l.TimeMarkerPosition },
        { "measure", l.Measure },
        { "calendarType", l.CalendarType },
        { "optionalCalendar", l.OptionalCalendar },
        { "firstDayOfWeek", l.FirstDayOfWeek },
        { "firstWeekOfYear", l.FirstWeekOfYear },
        { "shortMonthNames", NamesJson(l.ShortMonthNames, cp) },
        { "longMonthNames", NamesJson(l.LongMonthNames, cp) },
        { "shortDayNames", NamesJson(l.ShortDayNames, cp) },
        { "longDayNames", NamesJson(l.LongDayNames, cp) },
    };
}

// Reads every translation record for one column; calls visit(index, entry).
template <typename Visit> void ReadColumn(TIvMLDFile& reader, int column, int codePage, Visit visit)
{
    reader.SeekTranslations();
    TIvTranslation entry({}, {}, {});
    for (int i = 0; i < reader.TranslationCount(); ++i) {
        reader.ReadTranslation(entry, column, codePage);
        visit(static_cast<std::size_t>(i), entry);
    }
}

// An entry's texts; member holds its translation or its translations.
json EntryJson(const TIvTranslation& e, const char* member, json translation)
{
    json item = {
        { "native", Utf8FromCodePage(e.NativeText, 0) },
        { "context", Utf8FromCodePage(e.Context, 0) },
        { "subContext", Utf8FromCodePage(e.SubContext, 0) },
    };
    item[member] = std::move(translation);
    return item;
}

json ReadImage(const std::string& fileName, const DumpOptions& options, const EntryVisitor& visit)
{
    TIvMLDFile reader;
    reader.OpenFile(fileName);
    const int languageCount = reader.LanguageCount();
    if (!options.all
        && (options.column < 0 || (options.column > 0 && options.column >= languageCount))) {
        throw std::out_of_range("Language index " + std::to_string(options.column)
            + " is out of range (the file has " + std::to_string(languageCount) + " languages)");
    }

    json dump;
    dump["header"] = {
        { "version", reader.Version() },
        { "littleEndian", reader.LittleEndian() != 0 },
        { "ansiStrings", reader.AnsiStrings() != 0 },
        { "contextKind", reader.ContextKind() },
        { "languageCount", languageCount },
        { "translationCount", reader.TranslationCount() },
        { "localeCount", reader.LocaleCount() },
    };

    // Completed records give the code pages columns are read in; stored ones
    // the code page their native names were stored in.
    std::vector<TIvLanguage> completed, stored;
    reader.SeekLanguages();
    for (int i = 0; i < languageCount; ++i)
        completed.push_back(reader.ReadLanguage());
    reader.SeekLanguages();
    for (int i = 0; i < languageCount; ++i)
        stored.push_back(reader.ReadStoredLanguage());
    json languages = json::array();
    for (std::size_t i = 0; i < stored.size(); ++i)
        languages.push_back(
            LanguageJson(options.raw ? stored[i] : completed[i], stored[i].CodePage));
    dump["languages"] = languages;

    json locales = json::array();
    if (reader.LocaleCount() > 0) {
        reader.SeekLocales();
        for (int i = 0; i < reader.LocaleCount(); ++i)
            locales.push_back(LocaleJson(reader.ReadLocale()));
    }
    dump["locales"] = locales;

    // Column 0 is the native text, read in the active ANSI code page.
    const bool unicodeColumns = options.exactUnicode && reader.AnsiStrings() == 0;
    const auto columnCodePage = [&completed, unicodeColumns](int column) {
        if (column == 0)
            return 0;
        return unicodeColumns ? kUtf8CodePage
                              : completed[static_cast<std::size_t>(column)].CodePage;
    };
    json entries = json::array();
    if (!options.entries) {
        // Only the tables before and after the entries were asked for.
    } else if (options.all) {
        // One pass over the records, each column in its own code page: the
        // work grows with the image, not with languages times records.
        std::vector<int> codePages;
        codePages.reserve(static_cast<std::size_t>(std::max(languageCount, 0)));
        for (int column = 0; column < languageCount; ++column)
            codePages.push_back(columnCodePage(column));
        reader.SeekTranslations();
        TIvTranslation entry({}, {}, {});
        std::vector<std::string> columns;
        EntryColumns texts;
        for (int i = 0; i < reader.TranslationCount(); ++i) {
            reader.ReadAllColumns(entry, codePages, columns);
            if (visit) {
                texts.native = Utf8FromCodePage(entry.NativeText, 0);
                texts.context = Utf8FromCodePage(entry.Context, 0);
                texts.subContext = Utf8FromCodePage(entry.SubContext, 0);
                texts.translations.clear();
                for (std::size_t column = 1; column < columns.size(); ++column)
                    texts.translations.push_back(
                        Utf8FromCodePage(columns[column], codePages[column]));
                visit(static_cast<std::size_t>(i), texts);
                continue;
            }
            json translations = json::array();
            for (std::size_t column = 1; column < columns.size(); ++column)
                translations.push_back(Utf8FromCodePage(columns[column], codePages[column]));
            entries.push_back(EntryJson(entry, "translations", std::move(translations)));
        }
    } else {
        const int codePage = columnCodePage(options.column);
        ReadColumn(reader, options.column, codePage, [&](std::size_t, const TIvTranslation& e) {
            entries.push_back(
                EntryJson(e, "translation", Utf8FromCodePage(e.Translation, codePage)));
        });
        dump["column"] = options.column;
    }
    dump["entries"] = entries;
    return dump;
}

} // namespace

json DumpMld(const std::string& fileName, const DumpOptions& options, const EntryVisitor& visit)
{
    io::CheckInputFile(fileName);
    try {
        return ReadImage(fileName, options, visit);
    } catch (const std::out_of_range&) {
        throw;
    } catch (const std::exception& error) {
        // The reader's messages stay as they are; the file they are about is named before them.
        const std::string message = FullMessage(error);
        if (message.find(fileName) != std::string::npos)
            throw std::runtime_error(io::Printable(message));
        throw std::runtime_error(io::Printable(fileName) + ": " + io::Printable(message));
    }
}

void PrintMldText(const json& dump, std::ostream& out)
{
    // Texts of the image are shown with their control bytes escaped, so none
    // reaches the terminal.
    const auto text = [](const json& value) { return io::Printable(value.get<std::string>()); };
    const json& h = dump["header"];
    out << "MLD version " << h["version"].get<int>() << ", "
        << (h["littleEndian"].get<bool>() ? "little-endian" : "big-endian") << ", "
        << (h["ansiStrings"].get<bool>() ? "8-bit strings" : "UTF-16 strings") << ", context kind "
        << h["contextKind"].get<int>() << "\n";

    out << "Languages: " << dump["languages"].size() << "\n";
    int index = 0;
    for (const json& l : dump["languages"]) {
        out << "  " << index++ << ": " << text(l["englishName"]) << " (" << text(l["nativeName"])
            << "), primary " << l["primaryLanguage"].get<int>() << ", sub-language "
            << l["subLanguage"].get<int>() << ", code page " << l["codePage"].get<int>() << "\n";
    }
    out << "Locales: " << dump["locales"].size() << "\n";
    for (const json& l : dump["locales"]) {
        out << "  " << text(l["englishLanguageName"]) << " (" << text(l["englishCountryName"])
            << "), primary " << l["primaryLanguage"].get<int>() << ", sub-language "
            << l["subLanguage"].get<int>() << ", code page " << l["codePage"].get<int>()
            << ", decimal separator \"" << text(l["decimalSeparator"]) << "\"\n";
    }
    out << "Entries: " << dump["entries"].size();
    if (dump.contains("column"))
        out << " (column " << dump["column"].get<int>() << ")";
    out << "\n";
    for (const json& e : dump["entries"]) {
        out << "  \"" << text(e["native"]) << "\"";
        if (!text(e["context"]).empty() || !text(e["subContext"]).empty())
            out << " [" << text(e["context"]) << "|" << text(e["subContext"]) << "]";
        if (e.contains("translation")) {
            out << " -> \"" << text(e["translation"]) << "\"";
        } else {
            for (const json& t : e["translations"])
                out << " | \"" << text(t) << "\"";
        }
        out << "\n";
    }
}

} // namespace tankora::mld

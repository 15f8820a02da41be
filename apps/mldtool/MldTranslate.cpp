#include "MldTranslate.h"

#include "MldText.h"

#include "l10n/dictionary/BinaryDictionary.h"

#include "framework/core/Exceptions.h"
#include "nls/FormatSettings.h"

#include <nlohmann/json.hpp>

#include <istream>
#include <ostream>

namespace tankora::mld {

namespace {

using nlohmann::json;

// The process settings hold the active locale's texts in its code page.
json FormatSettingsJson(int codePage)
{
    const FormatSettings& s = ProcessFormatSettings();
    const auto text
        = [codePage](const std::string& bytes) { return Utf8FromCodePage(bytes, codePage); };
    const auto character = [&text](char c) { return c == 0 ? std::string {} : text({ c }); };
    return {
        { "decimalSeparator", character(s.DecimalSeparator) },
        { "thousandSeparator", character(s.ThousandSeparator) },
        { "currencyString", text(s.CurrencyString) },
        { "shortDateFormat", text(s.ShortDateFormat) },
        { "longDateFormat", text(s.LongDateFormat) },
        { "shortTimeFormat", text(s.ShortTimeFormat) },
        { "longTimeFormat", text(s.LongTimeFormat) },
        { "timeAMString", text(s.TimeAMString) },
        { "timePMString", text(s.TimePMString) },
    };
}

json DictionaryJson(TIvBinaryDictionary& dictionary)
{
    const TIvLanguage& language = dictionary.CurrentLanguage();
    return {
        { "languageIndex", dictionary.LanguageIndex() },
        { "language",
            { { "primaryLanguage", language.PrimaryLanguage },
                { "subLanguage", language.SubLanguage },
                { "englishName", Utf8FromCodePage(language.EnglishName, 0) },
                { "nativeName", Utf8FromCodePage(language.NativeName, language.CodePage) },
                { "codePage", language.CodePage }, { "bidiKind", language.BiDiKind() } } },
        { "languageLocale", dictionary.LanguageLocale() },
        { "activeLocale", dictionary.ActiveLocale() },
        { "contextSensitive", dictionary.ContextSensitive() },
        { "readingDirection", language.BiDiKind() == 2 ? "rtl" : "ltr" },
        { "formatSettings", FormatSettingsJson(dictionary.CurrentLocale().CodePage) },
    };
}

std::string TranslateOne(
    TIvBinaryDictionary& dictionary, const TranslateOptions& options, const std::string& utf8)
{
    const std::string text = CodePageFromUtf8(utf8, 0);
    std::string result;
    if (options.context || options.subContext) {
        std::string translation;
        const bool found = dictionary.TranslateWithContext(
            text, options.context.value_or(""), options.subContext.value_or(""), translation);
        result = TIvDictionary::ApplyMissingTranslation(&dictionary, text, translation, found);
    } else {
        result = TranslateText(&dictionary, text);
    }
    return Utf8FromCodePage(result, dictionary.CurrentLanguage().CodePage);
}

} // namespace

std::optional<int> ParseLocaleId(const std::string& text)
{
    const bool hex = text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X');
    const std::string digits = hex ? text.substr(2) : text;
    if (digits.empty() || digits.size() > 8)
        return std::nullopt;
    long long value = 0;
    for (char c : digits) {
        int digit;
        if (c >= '0' && c <= '9')
            digit = c - '0';
        else if (hex && c >= 'a' && c <= 'f')
            digit = c - 'a' + 10;
        else if (hex && c >= 'A' && c <= 'F')
            digit = c - 'A' + 10;
        else
            return std::nullopt;
        value = value * (hex ? 16 : 10) + digit;
    }
    if (value > 0x7FFFFFFF)
        return std::nullopt;
    return static_cast<int>(value);
}

int RunTranslate(
    const TranslateOptions& options, std::istream& in, std::ostream& out, std::ostream& err)
{
    std::vector<std::string> texts = options.texts;
    if (texts.empty()) {
        for (std::string line; std::getline(in, line);) {
            if (!line.empty() && line.back() == '\r')
                line.pop_back();
            texts.push_back(line);
        }
    }
    try {
        TIvBinaryDictionary dictionary;
        dictionary.SetFileName(options.file);
        dictionary.SetLanguage(options.language);
        dictionary.SetLocale(options.localeId);
        if (options.binding)
            dictionary.SetBinding(*options.binding);
        if (options.checkLevel)
            dictionary.SetCheckLevel(*options.checkLevel);
        if (options.missing)
            dictionary.SetMissingTranslation(*options.missing);
        dictionary.Open();
        // Open does nothing for a file that is not there; say what the
        // stream layer would.
        if (!dictionary.Active())
            throw EFOpenError(options.file);

        json results = json::array();
        for (const std::string& text : texts) {
            const std::string result = TranslateOne(dictionary, options, text);
            if (options.json)
                results.push_back({ { "text", text }, { "result", result } });
            else
                out << result << "\n" << std::flush;
        }
        if (options.json) {
            json report = DictionaryJson(dictionary);
            report["results"] = std::move(results);
            out << report.dump(2) << "\n";
        }
    } catch (const std::exception& error) {
        err << "Error: " << Utf8FromCodePage(error.what(), 0) << "\n";
        return 1;
    }
    return 0;
}

} // namespace tankora::mld

#pragma once
// Languages, locales and dictionary entries: the records the dictionary files
// fill. Texts are 8-bit texts in a Windows code page.

#include "l10n/dictionary/LocaleCharsets.h"
#include "l10n/dictionary/LocaleIds.h"

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

class TIvDictionary; // the dictionary model (Dictionary.h)

// Flag values of TIvLanguage::Flags.
constexpr std::uint8_t kFlagOne = 1; // stored and copied only
constexpr std::uint8_t kFlagCodePageIndependent = 2; // passes every support check

// One language a dictionary holds translations for.
class TIvLanguage
{
public:
    TIvLanguage();
    // Stores the ids, applies SetCodePage and SetSubLanguagesText, stores the rest.
    TIvLanguage(int primaryLanguage, int defaultSubLanguage, int codePage,
        const std::string& subLanguagesText, const std::string& englishName,
        const std::string& nativeName, const std::string& fontName, int fontSize,
        std::uint8_t flags);
    virtual ~TIvLanguage() = default;

    // Copies every field, both lists by content.
    virtual void Assign(const TIvLanguage& source);
    // A new record equal to this one.
    virtual std::unique_ptr<TIvLanguage> Clone() const;
    // Fills what is missing from the platform's locale data: for a real
    // language the ISO names, the English and native names and the code page;
    // for the native language (primary 0) its fixed names and flags.
    virtual void Complete();
    // Kind 0: English name, 1: native name, 2: English name translated through
    // dictionary (the default dictionary when null); other kinds leave name alone.
    virtual void GetName(int kind, TIvDictionary* dictionary, std::string& name) const;

    // Stores the code page; sets Charset from it while Charset is 0.
    void SetCodePage(int codePage);
    // Replaces SubLanguages by the comma-separated values >= 1 of text, in order.
    // A token that is not an integer throws EConvertError; the values before it stay.
    void SetSubLanguagesText(const std::string& text);
    std::string GetSubLanguagesText() const;
    // Replaces SubLanguageNames by every comma-separated token, empty ones included.
    void SetSubLanguageNamesText(const std::string& text);
    int SubLanguageCount() const { return static_cast<int>(SubLanguages.size()); }
    // The item as an integer; throws ERangeError outside 0..SubLanguageCount()-1.
    int SubLanguageAt(int index) const;
    // Keeps only the bits of value 1 and 2.
    void SetFlags(std::uint8_t bits) { Flags = bits & (kFlagOne | kFlagCodePageIndependent); }
    // Chooses Sub when the list is empty or holds it; else (or for Sub < 0) the default.
    void SelectSubLanguage(int sub);
    int DefaultLocaleId() const;
    int SelectedLocaleId() const
    {
        return MakeLocaleId(MakeLangId(PrimaryLanguage, SubLanguage), 0);
    }
    // The locale id used for platform queries about this language.
    int QueryLocaleId() const;
    int BiDiKind() const { return ::BiDiKind(QueryLocaleId()); }

    // Display name of a language by the conventions of its primary language;
    // pieces translated through dictionary (or the default one) when translate.
    static std::string BuildLanguageName(const std::string& name, int primaryLanguage, int codePage,
        TIvDictionary* dictionary, bool translate);

    int CodePage = 0;
    int PrimaryLanguage = 0;
    int SubLanguage = 0;
    int DefaultSubLanguage = 0;
    std::vector<std::string> SubLanguages; // decimal texts
    std::string IsoLanguageName;
    std::string IsoCountryName;
    std::vector<std::string> SubLanguageNames;
    std::string EnglishName;
    std::string NativeName;
    std::string FontName;
    int FontSize = 0;
    std::uint8_t Flags = 0;
    std::uint8_t Charset = 0;
};

// One regional setting: number, currency, date and time conventions.
class TIvLocale
{
public:
    virtual ~TIvLocale() = default;

    int LocaleId() const { return MakeLocaleId(MakeLangId(PrimaryLanguage, SubLanguage), SortId); }
    virtual void Assign(const TIvLocale& source);
    // A new record equal to this one.
    virtual std::unique_ptr<TIvLocale> Clone() const;
    // For a real language fills empty names and the code page from the platform;
    // always fills a zero Charset from the locale's font signature.
    virtual void Complete();
    // Kind 0: English language and country names, 1: native ones, 2: English
    // ones translated; other kinds leave name alone.
    virtual void GetName(int kind, TIvDictionary* dictionary, std::string& name) const;

    // EuroDatePhase when the locale is in a euro country, else 0.
    int EuroPhase() const;
    // The currency symbol to use under the given euro mode.
    std::string CurrencySymbol(TIvEuro euroMode) const;

    // Display name "language (country)" by the conventions of the primary language.
    static std::string BuildLocaleName(const std::string& languageName,
        const std::string& countryName, int codePage, int subLanguage, int primaryLanguage,
        TIvDictionary* dictionary, bool translate);

    int PrimaryLanguage = 0;
    int SubLanguage = 0;
    int SortId = 0;
    std::string IsoLanguageName;
    std::string IsoCountryName;
    int CodePage = 0;
    bool LocaleFlag = false;
    std::uint8_t Charset = 0;
    std::string EnglishLanguageName;
    std::string EnglishCountryName;
    std::string NativeLanguageName;
    std::string NativeCountryName;
    std::string AbbrevLanguageName;
    std::string CountryName;
    std::string CurrencyString;
    std::uint8_t CurrencyFormat = 0;
    std::uint8_t NegCurrFormat = 0;
    std::uint8_t CurrencyDecimals = 0;
    char ThousandSeparator = 0;
    char DecimalSeparator = 0;
    char DateSeparator = 0;
    std::string ShortDateFormat;
    std::string LongDateFormat;
    char TimeSeparator = 0;
    std::string TimeAMString;
    std::string TimePMString;
    bool TimeLeadingZero = false;
    std::uint8_t TimeFormat = 0;
    std::uint8_t TimeMarkerPosition = 0;
    std::uint8_t Measure = 0;
    std::uint8_t CalendarType = 0;
    std::uint8_t OptionalCalendar = 0;
    std::uint8_t FirstDayOfWeek = 0;
    std::uint8_t FirstWeekOfYear = 0;
    std::array<std::string, 12> ShortMonthNames; // [0] = January
    std::array<std::string, 12> LongMonthNames;
    std::array<std::string, 7> ShortDayNames; // [0] = Monday
    std::array<std::string, 7> LongDayNames;
};

// Fills target with the platform's data for the locale and completes it.
// Returns false, target untouched, when the platform does not know the locale.
bool ReadSystemLocale(int localeId, TIvLocale& target);

// One dictionary entry.
class TIvTranslation
{
public:
    TIvTranslation(
        const std::string& nativeText, const std::string& context, const std::string& subContext);
    virtual ~TIvTranslation() = default;

    // NativeText, character 127, Context and SubContext.
    static std::string MakeKey(
        const std::string& nativeText, const std::string& context, const std::string& subContext);
    std::string Key() const { return MakeKey(NativeText, Context, SubContext); }

    std::string NativeText;
    std::string Context;
    std::string SubContext;
    std::string Translation;
};

// Context flag bits: which context texts the entries of a dictionary carry.
constexpr int kContextFlag = 1;
constexpr int kSubContextFlag = 2;

// The pair of context texts of one entry while a file is read.
class TIvContext
{
public:
    virtual ~TIvContext() = default;
    void Clear();
    // Kind 0 -> 0 (none), 1 -> 3 (both), 2 -> 2 (sub-context), 3 -> 1 (context).
    // Kinds above 3 carry no context: 0.
    static int FlagsOfKind(int kind);

    std::string Context;
    std::string SubContext;
};

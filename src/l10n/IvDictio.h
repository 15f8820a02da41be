#pragma once
// Languages, locales and dictionary entries: the records the dictionary files
// fill, the Windows-style identifier arithmetic, and the code page, character
// set, reading-order and euro rules that dictionaries and translators apply.
//
// Identifiers are plain integers in the Windows layout: language id = sub-language
// (6 bits) << 10 | primary (10 bits); locale id = sort id << 16 | language id.
// Locale id 0 is the native language, 0x400 the user's and 0x800 the system's
// default locale. Texts are 8-bit texts in a Windows code page.

#include <QMetaProperty>

#include <array>
#include <chrono>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

class QObject;
class TIvDictionary; // the dictionary model; declared with the dictionaries

// ---------------------------------------------------------------------------
// Identifiers

constexpr int kNativeLocaleId = 0;
constexpr int kUserDefaultLocaleId = 0x400;
constexpr int kSystemDefaultLocaleId = 0x800;

constexpr int MakeLangId(int primary, int sub)
{
    return (sub << 10) | primary;
}
constexpr int MakeLocaleId(int languageId, int sortId)
{
    return (sortId << 16) | languageId;
}
constexpr int PrimaryLangId(int localeId)
{
    return localeId & 0x3FF;
}
constexpr int SubLangId(int localeId)
{
    return (localeId >> 10) & 0x3F;
}

// 0x400 -> the platform's user default locale id, 0x800 -> the system default
// locale id, any other value unchanged.
int ResolveLocaleId(int localeId);

// ---------------------------------------------------------------------------
// Code pages, character sets, reading order, euro

// The locale's default ANSI code page from the platform; when it has none (0),
// a fallback chosen by primary (and for Chinese and Croatian/Serbian, sub) language.
int DefaultAnsiCodePage(int localeId);

// The platform's code-page bitfield position of a character set / code page
// pair; positions not listed hold character set 0 and code page 0.
struct TIvCharsetEntry
{
    std::uint8_t Charset;
    int CodePage;
};
TIvCharsetEntry CharsetTableEntry(int bit); // bit 0..31

// Character set of a code page; 1 (the default character set) for a code page
// not in the table.
std::uint8_t CharsetOfCodePage(int codePage);

// Character set of the locale's first default code page in its font signature;
// the entry of bit 0 when the platform knows no signature.
std::uint8_t LocaleCharset(int localeId);

// 2 (right to left) for Arabic, Hebrew, Farsi; 1 for Chinese, Japanese,
// Korean; 0 otherwise.
int BiDiKind(int localeId);
inline bool IsRightToLeft(int localeId)
{
    return BiDiKind(localeId) == 2;
}

// Whether the locale's country adopted the euro.
bool IsEuroCountry(int localeId);

// 1 before 1999-01-01, 2 before 2002-01-01, 3 before 2002-07-01, else 4, for
// the given date.
int EuroDatePhaseOn(std::chrono::year_month_day date);
// The same for today's local date, or for the date set by SetEuroDateForTesting.
int EuroDatePhase();
// Makes EuroDatePhase answer for this date instead of today; nullopt restores today.
void SetEuroDateForTesting(std::optional<std::chrono::year_month_day> date);

// The process-wide euro mode values (see TIvLocale::CurrencySymbol).
enum TIvEuro { iveNormal, iveBusiness, iveIgnore };

// The euro sign of code page 1252.
inline const std::string kEuroSign = "\x80";

// ---------------------------------------------------------------------------
// Platform national-language services in the layer's terms

// True for 0; else whether the platform supports converting the code page.
bool IsCodePageSupported(int codePage);

// Locale-aware comparison of two 8-bit texts: -1, 0 or 1.
int CompareTexts(const std::string& text1, const std::string& text2, int localeId);

// UTF-16 text converted to the code page (0: the active ANSI code page);
// unmappable characters become '?'. Empty for an empty input.
std::string WideToCodePage(const std::u16string& text, int codePage);

class TIvLocale;
// Fills target with the platform's data for the locale and completes it.
// Returns false, target untouched, when the platform does not know the locale.
bool ReadSystemLocale(int localeId, TIvLocale& target);

// ---------------------------------------------------------------------------
// Records

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
    // A new record equal to this one; the caller owns it.
    virtual TIvLanguage* Clone() const;
    // Fills what is missing from the platform's locale data (see the .cpp).
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
    virtual TIvLocale* Clone() const;
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

// ---------------------------------------------------------------------------
// Published properties

// Kind numbers of published properties; a kind set has bit (1 << kind).
enum TIvTypeKind {
    tkUnknown,
    tkInteger,
    tkChar,
    tkEnumeration,
    tkFloat,
    tkString,
    tkSet,
    tkClass,
    tkMethod,
    tkWChar,
    tkLString,
    tkWString,
    tkVariant,
};
using TIvTypeKinds = std::uint32_t;
constexpr TIvTypeKinds TypeKindBit(TIvTypeKind kind)
{
    return TIvTypeKinds { 1 } << kind;
}

// The kind of a Qt property: integers, characters, enumerations (and bool),
// floats, 8-bit strings (QByteArray), sets (flags), object pointers (class),
// QString (long string); anything else unknown.
TIvTypeKind TypeKindOf(const QMetaProperty& property);

// The properties of a component's class whose kind is in a set, inherited
// ones first, each in declaration order.
class TIvPropInfoList
{
public:
    TIvPropInfoList(const QObject* component, TIvTypeKinds kinds);
    virtual ~TIvPropInfoList() = default;

    int Count() const { return static_cast<int>(m_items.size()); }
    // Throws ERangeError outside 0..Count()-1.
    const QMetaProperty& Items(int index) const;

private:
    std::vector<QMetaProperty> m_items;
};

// ---------------------------------------------------------------------------
// Naming through dictionaries. The dictionary model answers these; until it
// exists no dictionary is registered.

// The first dictionary of the process-wide registry, or null.
TIvDictionary* DefaultDictionary();
// The text translated through the dictionary with its missing-translation
// policy; the text itself for a null dictionary or an empty text.
std::string TranslateText(TIvDictionary* dictionary, const std::string& text);

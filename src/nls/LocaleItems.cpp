#include "nls/LocaleItems.h"

#include "nls/CodePageTable.h"
#include "nls/CodePages.h"
#include "nls/WindowsPatterns.h"

#include <unicode/ucal.h>
#include <unicode/udat.h>
#include <unicode/uloc.h>
#include <unicode/ulocdata.h>
#include <unicode/unum.h>

#include <algorithm>
#include <array>
#include <map>
#include <memory>
#include <mutex>

namespace tankora {
namespace {

constexpr int kItemCount = static_cast<int>(LocaleItem::ItemCount);
using ItemValues = std::array<std::optional<std::u16string>, kItemCount>;

std::optional<std::u16string>& Slot(ItemValues& values, LocaleItem item)
{
    return values[static_cast<std::size_t>(item)];
}

std::u16string Ascii(std::string_view text)
{
    return std::u16string(text.begin(), text.end());
}

std::u16string Number(int value)
{
    return Ascii(std::to_string(value));
}

// ICU calls that fill a UChar buffer: grows the buffer once when it was too small.
template <typename Fill> std::optional<std::u16string> IcuText(Fill&& fill)
{
    std::u16string buffer(128, u'\0');
    UErrorCode status = U_ZERO_ERROR;
    int32_t length = fill(buffer.data(), static_cast<int32_t>(buffer.size()), &status);
    if (status == U_BUFFER_OVERFLOW_ERROR && length > 0) {
        buffer.assign(static_cast<std::size_t>(length) + 1, u'\0');
        status = U_ZERO_ERROR;
        length = fill(buffer.data(), static_cast<int32_t>(buffer.size()), &status);
    }
    if (U_FAILURE(status) || length < 0) {
        return std::nullopt;
    }
    buffer.resize(std::min(static_cast<std::size_t>(length), buffer.size()));
    return buffer;
}

// The ICU locale the items are read from: Gregorian calendar and Latin
// digits, as Windows' locale items use them.
std::string ItemLocaleName(const std::string& icuName)
{
    std::array<char, ULOC_FULLNAME_CAPACITY> buffer {};
    std::copy_n(icuName.begin(), std::min(icuName.size(), buffer.size() - 1), buffer.begin());
    UErrorCode status = U_ZERO_ERROR;
    uloc_setKeywordValue(
        "calendar", "gregorian", buffer.data(), static_cast<int32_t>(buffer.size()), &status);
    uloc_setKeywordValue(
        "numbers", "latn", buffer.data(), static_cast<int32_t>(buffer.size()), &status);
    return U_SUCCESS(status) ? std::string(buffer.data()) : icuName;
}

struct DateFormatCloser
{
    void operator()(UDateFormat* format) const { udat_close(format); }
};
struct NumberFormatCloser
{
    void operator()(UNumberFormat* format) const { unum_close(format); }
};
struct CalendarCloser
{
    void operator()(UCalendar* calendar) const { ucal_close(calendar); }
};
using DateFormatPtr = std::unique_ptr<UDateFormat, DateFormatCloser>;
using NumberFormatPtr = std::unique_ptr<UNumberFormat, NumberFormatCloser>;
using CalendarPtr = std::unique_ptr<UCalendar, CalendarCloser>;

DateFormatPtr OpenDateFormat(
    const char* locale, UDateFormatStyle timeStyle, UDateFormatStyle dateStyle)
{
    UErrorCode status = U_ZERO_ERROR;
    DateFormatPtr format(udat_open(timeStyle, dateStyle, locale, nullptr, 0, nullptr, 0, &status));
    return U_SUCCESS(status) ? std::move(format) : nullptr;
}

std::optional<std::u16string> Pattern(const UDateFormat* format)
{
    if (!format) {
        return std::nullopt;
    }
    return IcuText(
        [&](UChar* b, int32_t n, UErrorCode* s) { return udat_toPattern(format, false, b, n, s); });
}

std::optional<std::u16string> Symbol(
    const UDateFormat* format, UDateFormatSymbolType type, int32_t index)
{
    if (!format) {
        return std::nullopt;
    }
    auto text = IcuText([&](UChar* b, int32_t n, UErrorCode* s) {
        return udat_getSymbols(format, type, index, b, n, s);
    });
    if (text) {
        *text = WithoutBidiMarks(*text);
    }
    return text;
}

// Windows gives four-digit years in its date formats; CLDR's short formats
// often carry two.
std::u16string WithFullYears(std::u16string pattern)
{
    for (auto pos = pattern.find(u"yy"); pos != std::u16string::npos;
         pos = pattern.find(u"yy", pos + 4)) {
        if (pattern.compare(pos, 4, u"yyyy") != 0) {
            pattern.replace(pos, 2, u"yyyy");
        }
    }
    return pattern;
}

// Separators are single characters in Windows' records; CLDR's narrow and
// thin spaces become the no-break space that the Windows code pages hold.
std::u16string SeparatorText(std::u16string text)
{
    text = WithoutBidiMarks(text);
    for (char16_t& c : text) {
        if (c == 0x202F || c == 0x2009 || c == 0x2007) {
            c = 0x00A0;
        }
    }
    return text;
}

// Three letters: the ISO 639-2 code for a language's own country (DEU, JPN),
// else its two-letter code and the country's first letter (DEA for de_AT).
std::optional<std::u16string> AbbreviatedLanguage(const std::string& icuName)
{
    char language[ULOC_LANG_CAPACITY] = {};
    char country[ULOC_COUNTRY_CAPACITY] = {};
    char likely[ULOC_FULLNAME_CAPACITY] = {};
    char likelyCountry[ULOC_COUNTRY_CAPACITY] = {};
    UErrorCode status = U_ZERO_ERROR;
    uloc_getLanguage(icuName.c_str(), language, sizeof language, &status);
    uloc_getCountry(icuName.c_str(), country, sizeof country, &status);
    uloc_addLikelySubtags(language, likely, sizeof likely, &status);
    uloc_getCountry(likely, likelyCountry, sizeof likelyCountry, &status);
    if (U_FAILURE(status) || language[0] == 0) {
        return std::nullopt;
    }
    std::string abbreviation;
    if (country[0] == 0 || std::string_view(country) == likelyCountry) {
        abbreviation = uloc_getISO3Language(icuName.c_str());
    } else {
        abbreviation = std::string(language).substr(0, 2) + country[0];
    }
    std::transform(abbreviation.begin(), abbreviation.end(), abbreviation.begin(),
        [](char c) { return static_cast<char>(c >= 'a' && c <= 'z' ? c - 'a' + 'A' : c); });
    return abbreviation.empty() ? std::nullopt : std::optional(Ascii(abbreviation));
}

void ReadNames(ItemValues& values, const std::string& icuName)
{
    const char* name = icuName.c_str();
    Slot(values, LocaleItem::EnglishLanguageName)
        = IcuText([&](UChar* b, int32_t n, UErrorCode* s) {
              return uloc_getDisplayLanguage(name, "en", b, n, s);
          });
    Slot(values, LocaleItem::EnglishCountryName) = IcuText([&](UChar* b, int32_t n, UErrorCode* s) {
        return uloc_getDisplayCountry(name, "en", b, n, s);
    });
    Slot(values, LocaleItem::NativeLanguageName) = IcuText([&](UChar* b, int32_t n, UErrorCode* s) {
        return uloc_getDisplayLanguage(name, name, b, n, s);
    });
    Slot(values, LocaleItem::NativeCountryName) = IcuText([&](UChar* b, int32_t n, UErrorCode* s) {
        return uloc_getDisplayCountry(name, name, b, n, s);
    });
    Slot(values, LocaleItem::AbbrevLanguageName) = AbbreviatedLanguage(icuName);
    char language[ULOC_LANG_CAPACITY] = {};
    char country[ULOC_COUNTRY_CAPACITY] = {};
    UErrorCode status = U_ZERO_ERROR;
    uloc_getLanguage(name, language, sizeof language, &status);
    uloc_getCountry(name, country, sizeof country, &status);
    if (U_SUCCESS(status)) {
        Slot(values, LocaleItem::IsoLanguageName) = Ascii(language);
        Slot(values, LocaleItem::IsoCountryName) = Ascii(country);
    }
}

void ReadCurrencyAndNumbers(ItemValues& values, const char* locale)
{
    UErrorCode status = U_ZERO_ERROR;
    NumberFormatPtr currency(unum_open(UNUM_CURRENCY, nullptr, 0, locale, nullptr, &status));
    if (U_FAILURE(status)) {
        return;
    }
    const UNumberFormat* format = currency.get();
    Slot(values, LocaleItem::CurrencySymbol) = IcuText([&](UChar* b, int32_t n, UErrorCode* s) {
        return unum_getSymbol(format, UNUM_CURRENCY_SYMBOL, b, n, s);
    });
    if (auto& symbol = Slot(values, LocaleItem::CurrencySymbol)) {
        *symbol = WithoutBidiMarks(*symbol);
    }
    if (const auto pattern = IcuText([&](UChar* b, int32_t n, UErrorCode* s) {
            return unum_toPattern(format, false, b, n, s);
        })) {
        Slot(values, LocaleItem::CurrencyFormat) = Number(PositiveCurrencyFormatCode(*pattern));
        Slot(values, LocaleItem::NegativeCurrencyFormat)
            = Number(NegativeCurrencyFormatCode(*pattern));
    }
    Slot(values, LocaleItem::CurrencyDigits)
        = Number(unum_getAttribute(format, UNUM_MAX_FRACTION_DIGITS));
    const auto separator = [&](UNumberFormatSymbol which) -> std::optional<std::u16string> {
        auto text = IcuText([&](UChar* b, int32_t n, UErrorCode* s) {
            return unum_getSymbol(format, which, b, n, s);
        });
        return text ? std::optional(SeparatorText(*text)) : std::nullopt;
    };
    Slot(values, LocaleItem::ThousandSeparator) = separator(UNUM_GROUPING_SEPARATOR_SYMBOL);
    Slot(values, LocaleItem::DecimalSeparator) = separator(UNUM_DECIMAL_SEPARATOR_SYMBOL);
}

void ReadDateFormats(ItemValues& values, const char* locale)
{
    const auto shortDate = OpenDateFormat(locale, UDAT_NONE, UDAT_SHORT);
    const auto longDate = OpenDateFormat(locale, UDAT_NONE, UDAT_FULL);
    if (const auto pattern = Pattern(shortDate.get())) {
        const std::u16string windows = WithFullYears(WindowsDatePattern(*pattern));
        Slot(values, LocaleItem::ShortDateFormat) = windows;
        if (const char16_t separator = SeparatorAfterField(windows, u"dMy")) {
            Slot(values, LocaleItem::DateSeparator) = std::u16string(1, separator);
        }
    }
    if (const auto pattern = Pattern(longDate.get())) {
        Slot(values, LocaleItem::LongDateFormat) = WithFullYears(WindowsDatePattern(*pattern));
    }
    for (int month = 1; month <= 12; ++month) {
        Slot(values, LongMonthNameItem(month))
            = Symbol(shortDate.get(), UDAT_STANDALONE_MONTHS, month - 1);
        Slot(values, ShortMonthNameItem(month))
            = Symbol(shortDate.get(), UDAT_STANDALONE_SHORT_MONTHS, month - 1);
    }
    // ICU numbers the week days from Sunday = 1; the items start on Monday.
    for (int day = 1; day <= 7; ++day) {
        const int icuDay = day % 7 + 1;
        Slot(values, LongDayNameItem(day))
            = Symbol(shortDate.get(), UDAT_STANDALONE_WEEKDAYS, icuDay);
        Slot(values, ShortDayNameItem(day))
            = Symbol(shortDate.get(), UDAT_STANDALONE_SHORT_WEEKDAYS, icuDay);
    }
}

void ReadTimeFormat(ItemValues& values, const char* locale)
{
    const auto time = OpenDateFormat(locale, UDAT_MEDIUM, UDAT_NONE);
    Slot(values, LocaleItem::AmDesignator) = Symbol(time.get(), UDAT_AM_PMS, 0);
    Slot(values, LocaleItem::PmDesignator) = Symbol(time.get(), UDAT_AM_PMS, 1);
    const auto pattern = Pattern(time.get());
    if (!pattern) {
        return;
    }
    const std::u16string windows = WindowsDatePattern(*pattern);
    Slot(values, LocaleItem::TimeFormatString) = windows;
    if (const char16_t separator = SeparatorAfterField(windows, u"hH")) {
        Slot(values, LocaleItem::TimeSeparator) = std::u16string(1, separator);
    }
    const auto hour = windows.find_first_of(u"hH");
    if (hour == std::u16string::npos) {
        return;
    }
    const bool twoDigits = hour + 1 < windows.size() && windows[hour + 1] == windows[hour];
    const auto marker = windows.find(u"tt");
    Slot(values, LocaleItem::TimeLeadingZero) = Number(twoDigits ? 1 : 0);
    Slot(values, LocaleItem::TimeFormat) = Number(windows[hour] == u'H' ? 1 : 0);
    Slot(values, LocaleItem::TimeMarkerPosition)
        = Number(marker != std::u16string::npos && marker < hour ? 1 : 0);
}

void ReadCalendar(ItemValues& values, const char* locale)
{
    // Only the Gregorian calendar is offered: the program shows no other.
    Slot(values, LocaleItem::CalendarType) = Number(1);
    Slot(values, LocaleItem::OptionalCalendar) = Number(1);
    UErrorCode status = U_ZERO_ERROR;
    CalendarPtr calendar(ucal_open(nullptr, 0, locale, UCAL_GREGORIAN, &status));
    if (U_SUCCESS(status)) {
        // ICU: 1 = Sunday .. 7 = Saturday; Windows: 0 = Monday .. 6 = Sunday.
        const int firstDay = ucal_getAttribute(calendar.get(), UCAL_FIRST_DAY_OF_WEEK);
        Slot(values, LocaleItem::FirstDayOfWeek) = Number((firstDay + 5) % 7);
        const int minimalDays = ucal_getAttribute(calendar.get(), UCAL_MINIMAL_DAYS_IN_FIRST_WEEK);
        Slot(values, LocaleItem::FirstWeekOfYear) = Number(minimalDays >= 7 ? 1
                : minimalDays >= 4                                          ? 2
                                                                            : 0);
    }
    status = U_ZERO_ERROR;
    const UMeasurementSystem measure = ulocdata_getMeasurementSystem(locale, &status);
    if (U_SUCCESS(status)) {
        Slot(values, LocaleItem::Measure) = Number(measure == UMS_US ? 1 : 0);
    }
}

ItemValues ReadItems(LocaleId id, const std::string& icuName)
{
    ItemValues values;
    const std::string locale = ItemLocaleName(icuName);
    ReadNames(values, icuName);
    Slot(values, LocaleItem::DefaultAnsiCodePage) = Number(DefaultAnsiCodePageOf(id));
    ReadCurrencyAndNumbers(values, locale.c_str());
    ReadDateFormats(values, locale.c_str());
    ReadTimeFormat(values, locale.c_str());
    ReadCalendar(values, locale.c_str());
    return values;
}

// Reading all items of a locale takes some ICU work; records ask for each
// item once, so the answers are kept per locale id.
const ItemValues* CachedItems(LocaleId id)
{
    static std::mutex mutex;
    static std::map<LocaleId, std::unique_ptr<ItemValues>> cache;
    std::lock_guard lock(mutex);
    auto it = cache.find(id);
    if (it == cache.end()) {
        const std::string icuName = IcuLocaleName(id);
        auto values
            = icuName.empty() ? nullptr : std::make_unique<ItemValues>(ReadItems(id, icuName));
        it = cache.emplace(id, std::move(values)).first;
    }
    return it->second.get();
}

// The localized country name is in the language of the user default locale,
// which a test may change, so it is not cached.
std::optional<std::u16string> LocalizedCountryName(LocaleId id)
{
    const std::string name = IcuLocaleName(id);
    const std::string display = IcuLocaleName(UserDefaultLocaleId());
    if (name.empty()) {
        return std::nullopt;
    }
    return IcuText([&](UChar* b, int32_t n, UErrorCode* s) {
        return uloc_getDisplayCountry(
            name.c_str(), display.empty() ? "en" : display.c_str(), b, n, s);
    });
}

LocaleItem Offset(LocaleItem first, int number, int count)
{
    return static_cast<LocaleItem>(static_cast<int>(first) + std::clamp(number, 1, count) - 1);
}

} // namespace

LocaleItem LongMonthNameItem(int month)
{
    return Offset(LocaleItem::LongMonthName1, month, 12);
}
LocaleItem ShortMonthNameItem(int month)
{
    return Offset(LocaleItem::ShortMonthName1, month, 12);
}
LocaleItem LongDayNameItem(int day)
{
    return Offset(LocaleItem::LongDayName1, day, 7);
}
LocaleItem ShortDayNameItem(int day)
{
    return Offset(LocaleItem::ShortDayName1, day, 7);
}

std::u16string LocaleItemText(LocaleId id, LocaleItem item, std::u16string_view defaultText)
{
    const int index = static_cast<int>(item);
    if (index < 0 || index >= kItemCount) {
        return std::u16string(defaultText);
    }
    id = ResolveLocaleId(id);
    if (item == LocaleItem::CountryName) {
        return LocalizedCountryName(id).value_or(std::u16string(defaultText));
    }
    const ItemValues* values = CachedItems(id);
    if (!values || !(*values)[static_cast<std::size_t>(index)]) {
        return std::u16string(defaultText);
    }
    return *(*values)[static_cast<std::size_t>(index)];
}

std::string LocaleItemAnsi(LocaleId id, LocaleItem item, std::string_view defaultText)
{
    static constexpr std::u16string_view kMissing = u"\uFFFF";
    const std::u16string text = LocaleItemText(id, item, kMissing);
    if (text == kMissing) {
        return std::string(defaultText);
    }
    const int codePage = DefaultAnsiCodePageOf(ResolveLocaleId(id));
    return EncodeToCodePage(text, codePage != 0 ? codePage : ActiveAnsiCodePage());
}

std::optional<std::uint32_t> LocaleCodePageBits(LocaleId id)
{
    id = ResolveLocaleId(id);
    if (IcuLocaleName(id).empty()) {
        return std::nullopt;
    }
    const int bit = CodePageSignatureBit(DefaultAnsiCodePageOf(id));
    return bit < 0 ? 0u : std::uint32_t { 1 } << bit;
}

} // namespace tankora

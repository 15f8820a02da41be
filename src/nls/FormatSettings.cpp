#include "nls/FormatSettings.h"

#include "nls/CodePages.h"
#include "nls/LocaleItems.h"

#include <charconv>
#include <optional>

namespace tankora {
namespace {

// Items of a locale as 8-bit texts in the active ANSI code page.
class ItemReader
{
public:
    explicit ItemReader(LocaleId id)
        : m_id(id)
    { }

    std::optional<std::string> Text(LocaleItem item) const
    {
        static constexpr std::u16string_view kMissing = u"\uFFFF";
        const std::u16string text = LocaleItemText(m_id, item, kMissing);
        if (text == kMissing) {
            return std::nullopt;
        }
        return EncodeToCodePage(text, 0);
    }

    void Read(LocaleItem item, std::string& target) const
    {
        if (auto text = Text(item)) {
            target = std::move(*text);
        }
    }

    void Read(LocaleItem item, char& target) const
    {
        const auto text = Text(item);
        if (text && !text->empty()) {
            target = text->front();
        }
    }

    void Read(LocaleItem item, int& target) const
    {
        const auto text = Text(item);
        int value = 0;
        if (text
            && std::from_chars(text->data(), text->data() + text->size(), value).ec
                == std::errc()) {
            target = value;
        }
    }

    int Number(LocaleItem item, int fallback) const
    {
        Read(item, fallback);
        return fallback;
    }

private:
    LocaleId m_id;
};

std::string TimeFormat(
    bool leadingZero, int clock, int markerPosition, const char* minutesAndSeconds)
{
    const std::string hour = leadingZero ? "hh" : "h";
    if (clock != 0) {
        return hour + minutesAndSeconds;
    }
    return markerPosition == 1 ? "AMPM " + hour + minutesAndSeconds
                               : hour + minutesAndSeconds + " AMPM";
}

} // namespace

FormatSettings FormatSettingsForLocale(LocaleId id)
{
    id = ResolveLocaleId(id);
    if (!IsLocaleIdKnown(id)) {
        id = kLocaleEnglishUs;
    }
    const ItemReader items(id);
    FormatSettings settings;
    items.Read(LocaleItem::CurrencySymbol, settings.CurrencyString);
    items.Read(LocaleItem::CurrencyFormat, settings.CurrencyFormat);
    items.Read(LocaleItem::NegativeCurrencyFormat, settings.NegCurrFormat);
    items.Read(LocaleItem::CurrencyDigits, settings.CurrencyDecimals);
    items.Read(LocaleItem::ThousandSeparator, settings.ThousandSeparator);
    items.Read(LocaleItem::DecimalSeparator, settings.DecimalSeparator);
    items.Read(LocaleItem::DateSeparator, settings.DateSeparator);
    items.Read(LocaleItem::ShortDateFormat, settings.ShortDateFormat);
    items.Read(LocaleItem::LongDateFormat, settings.LongDateFormat);
    items.Read(LocaleItem::TimeSeparator, settings.TimeSeparator);
    items.Read(LocaleItem::AmDesignator, settings.TimeAMString);
    items.Read(LocaleItem::PmDesignator, settings.TimePMString);
    const bool leadingZero = items.Number(LocaleItem::TimeLeadingZero, 1) != 0;
    const int clock = items.Number(LocaleItem::TimeFormat, 1);
    const int markerPosition = items.Number(LocaleItem::TimeMarkerPosition, 0);
    settings.ShortTimeFormat = TimeFormat(leadingZero, clock, markerPosition, ":mm");
    settings.LongTimeFormat = TimeFormat(leadingZero, clock, markerPosition, ":mm:ss");
    for (int month = 1; month <= 12; ++month) {
        const auto index = static_cast<std::size_t>(month - 1);
        items.Read(ShortMonthNameItem(month), settings.ShortMonthNames[index]);
        items.Read(LongMonthNameItem(month), settings.LongMonthNames[index]);
    }
    // The items start on Monday; these lists start on Sunday.
    for (int day = 1; day <= 7; ++day) {
        const auto index = static_cast<std::size_t>(day % 7);
        items.Read(ShortDayNameItem(day), settings.ShortDayNames[index]);
        items.Read(LongDayNameItem(day), settings.LongDayNames[index]);
    }
    settings.DefaultLocaleId = id;
    settings.PrimaryLanguageId = PrimaryLanguageOf(id);
    settings.SubLanguageId = SubLanguageOf(id);
    settings.FarEast = IsMultiByteSystem();
    return settings;
}

namespace {

std::optional<FormatSettings>& StoredSettings()
{
    static std::optional<FormatSettings> settings;
    return settings;
}

} // namespace

FormatSettings& ProcessFormatSettings()
{
    auto& settings = StoredSettings();
    if (!settings) {
        settings = FormatSettingsForLocale(UserDefaultLocaleId());
    }
    return *settings;
}

void ResetProcessFormatSettings()
{
    StoredSettings() = FormatSettingsForLocale(UserDefaultLocaleId());
}

} // namespace tankora

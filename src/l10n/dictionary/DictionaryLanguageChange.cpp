// What a dictionary does when its language or locale changes: the reading
// direction, the thread locale and the process format settings, then the
// attached translators and the two events.

#include "l10n/dictionary/Dictionary.h"

#include "framework/app/Application.h"
#include "framework/app/ExceptionHandler.h"
#include "nls/FormatSettings.h"
#include "nls/Nls.h"

#include <algorithm>

namespace {

// "dd/MM/yy" -> "dd/MM/yyyy"; a format that holds "yyyy" or no "yy" stays.
std::string WidenYear(const std::string& format)
{
    if (format.find("yyyy") != std::string::npos)
        return format;
    std::string widened = format;
    const std::size_t at = widened.find("yy");
    if (at != std::string::npos)
        widened.insert(at, "yy");
    return widened;
}

void ApplyLocaleToFormatSettings(const TIvLocale& locale, TIvDictionaryOptions options)
{
    tankora::FormatSettings& settings = tankora::ProcessFormatSettings();
    settings.DefaultLocaleId = locale.LocaleId();
    settings.PrimaryLanguageId = locale.PrimaryLanguage;
    settings.SubLanguageId = locale.SubLanguage;
    settings.FarEast = tankora::IsMultiByteSystem();

    settings.CurrencyString = locale.CurrencySymbol(EuroMode());
    settings.CurrencyFormat = locale.CurrencyFormat;
    settings.NegCurrFormat = locale.NegCurrFormat;
    settings.ThousandSeparator = locale.ThousandSeparator;
    settings.DecimalSeparator = locale.DecimalSeparator;
    settings.CurrencyDecimals = locale.CurrencyDecimals;
    settings.DateSeparator = locale.DateSeparator;
    settings.ShortDateFormat = locale.ShortDateFormat;
    settings.LongDateFormat = locale.LongDateFormat;
    if (options.testFlag(ivdoYear2000)) {
        settings.ShortDateFormat = WidenYear(settings.ShortDateFormat);
        settings.LongDateFormat = WidenYear(settings.LongDateFormat);
    }

    settings.TimeSeparator = locale.TimeSeparator;
    settings.TimeAMString = locale.TimeAMString;
    settings.TimePMString = locale.TimePMString;
    const std::string hour = locale.TimeLeadingZero ? "hh" : "h";
    std::string prefix;
    std::string suffix;
    if (locale.TimeFormat == 0) {
        if (locale.TimeMarkerPosition == 0)
            suffix = " AMPM";
        else
            prefix = "AMPM ";
    }
    settings.ShortTimeFormat = prefix + hour + ":mm" + suffix;
    settings.LongTimeFormat = prefix + hour + ":mm:ss" + suffix;

    settings.ShortMonthNames = locale.ShortMonthNames;
    settings.LongMonthNames = locale.LongMonthNames;
    // The locale lists days from Monday, the process settings from Sunday.
    for (std::size_t monday = 0; monday < 7; ++monday) {
        const std::size_t sunday = (monday + 1) % 7;
        settings.ShortDayNames[sunday] = locale.ShortDayNames[monday];
        settings.LongDayNames[sunday] = locale.LongDayNames[monday];
    }
}

} // namespace

// A maximized child window of a multiple-document parent would be recreated
// here so its menus follow the language; this framework has no such windows.
void TIvDictionary::Change(bool languageChanged, bool localeChanged)
{
    SetApplicationBiDiMode(
        m_currentLanguage->BiDiKind() == 2 ? tankora::bdRightToLeft : tankora::bdLeftToRight);
    if (localeChanged) {
        tankora::SetThreadLocale(m_activeLocale);
        if (m_options.testFlag(ivdoUpdateLocaleVariables))
            ApplyLocaleToFormatSettings(*m_currentLocale, m_options);
    }
    if (m_options.testFlag(ivdoAutoTranslate)) {
        // A translator may detach (or close another) while it is told.
        const std::vector<TIvDictionaryListener*> listeners = m_translators;
        for (TIvDictionaryListener* listener : listeners) {
            if (std::find(m_translators.begin(), m_translators.end(), listener)
                != m_translators.end())
                listener->DictionaryChanged(languageChanged, localeChanged);
        }
    }
    if (languageChanged)
        CallHandler([this] { emit OnLanguageChange(this); });
    if (localeChanged)
        CallHandler([this] { emit OnLocaleChange(this); });
}

// How a dictionary chooses among its languages and locales: the searches,
// the support checks and the lists offered to the user.

#include "l10n/dictionary/Dictionary.h"
#include "l10n/dictionary/NlsServices_p.h"

#include "nls/Nls.h"

#include <algorithm>
#include <set>

namespace {

bool IsScriptNeutral(int primaryLanguage)
{
    // The native language, English and Indonesian pass every check.
    return primaryLanguage == 0 || primaryLanguage == 9 || primaryLanguage == 33;
}

bool ListsSubLanguage(const TIvLanguage& language, int sub)
{
    for (int i = 0; i < language.SubLanguageCount(); ++i) {
        if (language.SubLanguageAt(i) == sub)
            return true;
    }
    return false;
}

// -1 when no language of the list satisfies matches.
template <typename Predicate> int FirstIndexWhere(const TIvLanguageList& list, Predicate matches)
{
    const auto found = std::find_if(
        list.begin(), list.end(), [&](const auto& language) { return matches(*language); });
    return found == list.end() ? -1 : static_cast<int>(found - list.begin());
}

} // namespace

bool TIvDictionary::IsLanguageSupportedBySystem(const TIvLanguage& language)
{
    if (IsScriptNeutral(language.PrimaryLanguage) || (language.Flags & kFlagCodePageIndependent))
        return true;
    return IsCodePageSupported(language.CodePage);
}

bool TIvDictionary::IsLanguageSupportedByCodePage(const TIvLanguage& language)
{
    if (IsScriptNeutral(language.PrimaryLanguage) || (language.Flags & kFlagCodePageIndependent)
        || language.CodePage == 0)
        return true;
    return language.CodePage == tankora::ActiveAnsiCodePage();
}

bool TIvDictionary::IsLocaleSupportedByCodePage(const TIvLocale& locale)
{
    return IsScriptNeutral(locale.PrimaryLanguage)
        || locale.CodePage == tankora::ActiveAnsiCodePage();
}

bool TIvDictionary::FindLocale(int localeId, TIvLocale& target)
{
    TIvLocaleList locales;
    GetLocales(locales);
    for (const auto& locale : locales) {
        if (locale->LocaleId() == localeId) {
            target.Assign(*locale);
            return true;
        }
    }
    return ReadSystemLocale(localeId, target);
}

int TIvDictionary::FindLanguageForLocale(int localeId)
{
    if (localeId == kNativeLocaleId)
        return 0;
    const int resolved = ResolveLocale(localeId);
    const int primary = PrimaryLangId(resolved);
    const int sub = SubLangId(resolved);
    TIvLanguageList languages;
    GetLanguages(languages);

    int index = FirstIndexWhere(languages, [&](const TIvLanguage& language) {
        return language.PrimaryLanguage == primary
            && (language.DefaultSubLanguage == sub || ListsSubLanguage(language, sub));
    });
    if (index < 0) {
        index = FirstIndexWhere(languages, [&](const TIvLanguage& language) {
            return language.PrimaryLanguage == primary
                && (language.SubLanguageCount() == 0 || language.SubLanguageAt(0) == 0);
        });
    }
    if (index < 0) {
        index = FirstIndexWhere(languages,
            [&](const TIvLanguage& language) { return language.PrimaryLanguage == primary; });
    }
    return index;
}

int TIvDictionary::FirstSupportedLanguage()
{
    // One pass over the list: asking for each language by index would make a
    // file dictionary re-read every record before it, quadratic in the file.
    TIvLanguageList languages;
    GetLanguages(languages);
    const std::size_t first = !languages.empty() && languages[0]->PrimaryLanguage == 0 ? 1 : 0;
    for (std::size_t i = first; i < languages.size(); ++i) {
        const TIvLanguage& language = *languages[i];
        const bool passes = m_checkLevel == ivclNone
            || (m_checkLevel == ivclSystem && IsLanguageSupportedBySystem(language))
            || (m_checkLevel == ivclCodePage && IsLanguageSupportedByCodePage(language));
        if (passes)
            return static_cast<int>(i);
    }
    return -1;
}

void TIvDictionary::GetLanguageNames(std::vector<TIvLanguageName>& names, bool native)
{
    TIvLanguageList languages;
    GetLanguages(languages);
    std::set<int> seen;
    for (const auto& language : languages) {
        if (seen.insert(language->PrimaryLanguage).second)
            names.push_back({ native ? language->NativeName : language->EnglishName,
                language->PrimaryLanguage });
    }
}

bool TIvDictionary::IsLocaleAvailable(int localeId)
{
    const std::vector<tankora::LocaleId>& supported = tankora::SupportedLocaleIds();
    if (std::binary_search(supported.begin(), supported.end(), localeId))
        return true;
    TIvLocaleList locales;
    GetLocales(locales);
    return std::any_of(locales.begin(), locales.end(),
        [&](const auto& locale) { return locale->LocaleId() == localeId; });
}

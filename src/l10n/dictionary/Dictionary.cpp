#include "l10n/dictionary/Dictionary.h"

#include "framework/core/AssignIfChanged.h"

#include "l10n/dictionary/DictionaryHooks_p.h"

#include "framework/app/ExceptionHandler.h"
#include "l10n/dictionary/NlsServices_p.h"

#include "nls/FormatSettings.h"
#include "nls/GuiText.h"

#include <algorithm>

namespace {

TIvEuro g_euroMode = iveNormal;

// The locale a translator in collect mode compares native texts under,
// chosen by the native language's code page.
int NativeSortLocaleOf(int codePage)
{
    switch (codePage) {
    case 932:
        return MakeLangId(17, 0);
    case 936:
        return MakeLangId(4, 2);
    case 949:
        return MakeLangId(18, 1);
    case 950:
        return MakeLangId(4, 1);
    case 1361:
        return MakeLangId(18, 2);
    default:
        return MakeLangId(9, 0);
    }
}

// Appends count new records, each filled by read(index, record).
template <typename Record, typename Read>
void AppendEach(int count, std::vector<std::unique_ptr<Record>>& list, Read read)
{
    for (int i = 0; i < count; ++i) {
        auto record = std::make_unique<Record>();
        read(i, *record);
        list.push_back(std::move(record));
    }
}

std::string LocaleMessage(const char* what, int localeId)
{
    return "The locale (" + std::to_string(PrimaryLangId(localeId)) + ", "
        + std::to_string(SubLangId(localeId)) + ") is not supported by " + what;
}

// Installs or removes the translated resource strings unless they already are
// in that state.
void SwitchResourceHook(bool on)
{
    const TIvDictionaryHooks& hooks = DictionaryHooks();
    if (!hooks.resourceHookInstalled || hooks.resourceHookInstalled() == on)
        return;
    if (on)
        hooks.installResourceHook();
    else
        hooks.removeResourceHook();
}

} // namespace

TIvEuro EuroMode()
{
    return g_euroMode;
}

TIvDictionary::TIvDictionary(TComponentBase* owner)
    : TComponent(owner)
    , m_currentLanguage(std::make_unique<TIvLanguage>())
    , m_currentLocale(std::make_unique<TIvLocale>())
{
    if (TIvDictionaries* registry = Dictionaries())
        registry->Register(this);
    if (!HasApplicationExceptionHandler() && DictionaryHooks().showException)
        SetApplicationExceptionHandler(DictionaryHooks().showException);
}

TIvDictionary::~TIvDictionary()
{
    Destroying();
    CloseTranslators();
    if (TIvDictionaries* registry = Dictionaries())
        registry->Unregister(this);
}

int TIvDictionary::GetTranslationCount()
{
    return 0;
}

bool TIvDictionary::CanOpen()
{
    return true;
}

void TIvDictionary::GetLanguages(TIvLanguageList& list)
{
    AppendEach(GetLanguageCount(), list,
        [this](int index, TIvLanguage& language) { GetLanguage(index, language); });
}

void TIvDictionary::GetLocales(TIvLocaleList& list)
{
    AppendEach(
        GetLocaleCount(), list, [this](int index, TIvLocale& locale) { GetLocale(index, locale); });
}

bool TIvDictionary::Translate(const std::string& nativeText, std::string& translation)
{
    return TranslateWithContext(nativeText, {}, {}, translation);
}

void TIvDictionary::CollectEntries(std::vector<TIvTranslation>& entries)
{
    (void)entries; // no dictionary of this system collects
}

int TIvDictionary::GetCollectMode()
{
    return 0;
}

void TIvDictionary::Open()
{
    if (m_active || !CanOpen())
        return;
    try {
        m_requestedLanguage = m_language;
        switch (m_binding) {
        case ivbiNone:
            SelectLanguage(m_language);
            SetActiveLocale(m_localeId);
            break;
        case ivbiLocaleToLanguage:
            SelectLanguage(m_language);
            SetActiveLocale(m_currentLanguage->SelectedLocaleId());
            break;
        case ivbiLanguageToLocale:
            SetActiveLocale(m_localeId);
            LetLanguageFollowLocale();
            break;
        }
        if (m_options.testFlag(ivdoTranslateResourceStrings) && !IsDesigning())
            SwitchResourceHook(true);
        m_active = true;
        Change(true, true);
    } catch (...) {
        Close();
        throw;
    }
}

void TIvDictionary::Close()
{
    if (!IsDesigning())
        SwitchResourceHook(false);
    CloseTranslators();
    m_active = false;
}

void TIvDictionary::CloseTranslators()
{
    while (!m_translators.empty()) {
        TIvDictionaryListener* first = m_translators.front();
        first->Close();
        // A listener that did not detach itself must not keep this loop going.
        if (!m_translators.empty() && m_translators.front() == first)
            m_translators.erase(m_translators.begin());
    }
}

void TIvDictionary::LetLanguageFollowLocale()
{
    const int index = FindLanguageForLocale(m_activeLocale);
    if (index < 0) {
        SelectLanguage(FirstSupportedLanguage());
    } else {
        SelectLanguage(index);
        m_languageLocale = m_activeLocale;
    }
}

void TIvDictionary::SelectLanguage(int index)
{
    if (index == -2)
        m_languageIndex = FindLanguageForLocale(kSystemDefaultLocaleId);
    else if (index == -1)
        m_languageIndex = FindLanguageForLocale(kUserDefaultLocaleId);
    else
        m_languageIndex = index;
    if (m_languageIndex < 0) {
        m_languageIndex = FirstSupportedLanguage();
        if (m_languageIndex == -1)
            throw EIvNotSupported("System does not support any language of the dicitonary!");
    }

    m_currentLanguage = std::make_unique<TIvLanguage>();
    if (GetLanguageCount() > 0) {
        GetLanguage(0, *m_currentLanguage);
        m_nativeSortLocale = NativeSortLocaleOf(m_currentLanguage->CodePage);
        GetLanguage(m_languageIndex, *m_currentLanguage);
        if (m_binding == ivbiLocaleToLanguage) {
            const int machine = ResolveLocale(
                m_requestedLanguage == -2 ? kSystemDefaultLocaleId : kUserDefaultLocaleId);
            const int languageDefault = m_currentLanguage->DefaultLocaleId();
            const int chosen = PrimaryLangId(machine) == PrimaryLangId(languageDefault)
                ? machine
                : languageDefault;
            m_currentLanguage->SelectSubLanguage(SubLangId(chosen));
        }
    }
    m_languageLocale = m_currentLanguage->SelectedLocaleId();
    CheckLanguage();
}

void TIvDictionary::CheckLanguage() const
{
    if (m_checkLevel == ivclSystem && !IsLanguageSupportedBySystem(*m_currentLanguage))
        throw EIvNotSupported(m_currentLanguage->EnglishName + " is not supported by the system");
    if (m_checkLevel == ivclCodePage && !IsLanguageSupportedByCodePage(*m_currentLanguage))
        throw EIvNotSupported(
            m_currentLanguage->EnglishName + " is not supported by the code page");
}

void TIvDictionary::SetActiveLocale(int localeId)
{
    m_activeLocale = ResolveLocale(localeId);
    m_currentLocale = std::make_unique<TIvLocale>();
    m_localeFilled = FindLocale(m_activeLocale, *m_currentLocale);
    if (m_checkLevel == ivclSystem && !IsCodePageSupported(m_currentLocale->CodePage))
        throw EIvNotSupported(LocaleMessage("the system", localeId));
    if (m_checkLevel == ivclCodePage && !IsLocaleSupportedByCodePage(*m_currentLocale))
        throw EIvNotSupported(LocaleMessage("the current code page", localeId));
}

int TIvDictionary::ResolveLocale(int localeId)
{
    return ResolveLocaleId(localeId);
}

void TIvDictionary::SetPrimaryLanguage(int primary)
{
    SetLocale(MakeLocaleId(MakeLangId(primary, SubLanguage()), 0));
}

void TIvDictionary::SetSubLanguage(int sub)
{
    SetLocale(MakeLocaleId(MakeLangId(PrimaryLanguage(), sub), 0));
}

void TIvDictionary::SetLanguage(int language)
{
    if (!m_active) {
        m_language = language;
        return;
    }
    if (language < -2 || language >= GetLanguageCount())
        throw ERangeError("Language index " + std::to_string(language) + " is out of range");
    if (!AssignIfChanged(m_language, language))
        return;
    SelectLanguage(language);
    const int oldLocale = m_activeLocale;
    if (m_binding == ivbiLocaleToLanguage)
        SetActiveLocale(m_currentLanguage->SelectedLocaleId());
    Change(true, oldLocale != m_activeLocale);
}

void TIvDictionary::SetLocale(int localeId)
{
    if (!m_active) {
        m_localeId = localeId;
        return;
    }
    if (!AssignIfChanged(m_localeId, localeId))
        return;
    SetActiveLocale(localeId);
    const int oldIndex = m_languageIndex;
    if (m_binding == ivbiLanguageToLocale)
        LetLanguageFollowLocale();
    Change(oldIndex != m_languageIndex, true);
}

void TIvDictionary::UpdateLocale()
{
    if (!m_active)
        return;
    const int oldLocale = m_activeLocale;
    SetActiveLocale(m_currentLanguage->DefaultLocaleId());
    if (oldLocale != m_activeLocale)
        Change(false, true);
}

void TIvDictionary::UpdateLanguage()
{
    if (!m_active)
        return;
    const int oldIndex = m_languageIndex;
    SelectLanguage(FindLanguageForLocale(m_activeLocale));
    if (oldIndex != m_languageIndex)
        Change(true, false);
}

void TIvDictionary::SetEuro(TIvEuro euro)
{
    m_euro = euro;
    g_euroMode = euro;
    // A dictionary that never resolved a locale has none to take the symbol
    // from; writing its empty record would blank the process currency string.
    if (m_localeFilled)
        tankora::ProcessFormatSettings().CurrencyString = m_currentLocale->CurrencySymbol(euro);
}

const TIvLanguage& TIvDictionary::GetLanguageInfo(int index)
{
    if (index < 0 || index >= GetLanguageCount())
        throw ERangeError("Out of language range");
    if (index == m_languageIndex)
        return *m_currentLanguage;
    m_scratchLanguage = std::make_unique<TIvLanguage>();
    GetLanguage(index, *m_scratchLanguage);
    return *m_scratchLanguage;
}

void TIvDictionary::AttachTranslator(TIvDictionaryListener* translator)
{
    if (std::find(m_translators.begin(), m_translators.end(), translator) == m_translators.end())
        m_translators.push_back(translator);
}

void TIvDictionary::DetachTranslator(TIvDictionaryListener* translator)
{
    std::erase(m_translators, translator);
}

QString TIvDictionary::PublishedDictionaryName() const
{
    return tankora::AnsiToQString(m_dictionaryName);
}

void TIvDictionary::SetPublishedDictionaryName(const QString& name)
{
    m_dictionaryName = tankora::QStringToAnsi(name);
}

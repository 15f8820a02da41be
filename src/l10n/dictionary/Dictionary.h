#pragma once
// The dictionary model: the abstract dictionary and the process-wide registry
// of dictionaries. The records they fill are in Records.h.
//
// A dictionary knows a list of languages and a list of locales, decides which
// of them are active, applies the active locale to the process's number, date
// and currency settings, answers lookups and tells the translators attached
// to it when the language or the locale changes. It stores no translations
// itself: a concrete dictionary (the file dictionaries) supplies languages,
// locales and entries through the virtual operations below.
//
// Language index 0 is the native language (the texts as written in the
// program). Texts are 8-bit in the active ANSI code page. GUI thread only.

#include "l10n/dictionary/DictionaryEnums.h"
#include "l10n/dictionary/Records.h"

#include "framework/core/Component.h"
#include "framework/core/Exceptions.h"

#include <memory>
#include <string>
#include <vector>

using TIvLanguageList = std::vector<std::unique_ptr<TIvLanguage>>;
using TIvLocaleList = std::vector<std::unique_ptr<TIvLocale>>;

// One item of GetLanguageNames: a language's display name and its primary
// language id.
struct TIvLanguageName
{
    std::string Name;
    int PrimaryLanguage = 0;
    bool operator==(const TIvLanguageName&) const = default;
};

// Dictionary and translator errors.
class EIvMulti : public Exception
{
public:
    using Exception::Exception;
};

// What a dictionary tells the translators attached to it. A translator
// attaches itself (AttachTranslator) when it opens and detaches
// (DetachTranslator) when it closes.
class TIvDictionaryListener
{
public:
    virtual ~TIvDictionaryListener() = default;
    // The dictionary's language and/or locale changed; told to every attached
    // listener, first to last, while the dictionary has ivdoAutoTranslate.
    virtual void DictionaryChanged(bool languageChanged, bool localeChanged) = 0;
    // The dictionary closes or is destroyed: stop using it and detach. A
    // listener that stays attached is detached by the dictionary.
    virtual void Close() = 0;
};

class TIvDictionary : public TComponent
{
    Q_OBJECT
    Q_PROPERTY(QString DictionaryName READ PublishedDictionaryName WRITE SetPublishedDictionaryName)
    Q_PROPERTY(int PrimaryLanguage READ PrimaryLanguage WRITE SetPrimaryLanguage)
    Q_PROPERTY(int SubLanguage READ SubLanguage WRITE SetSubLanguage)
    Q_PROPERTY(int Language READ Language WRITE SetLanguage)
    Q_PROPERTY(IvDictioEnums::TIvBinding Binding READ Binding WRITE SetBinding)
    Q_PROPERTY(IvDictioEnums::TIvDictionaryOptions Options READ Options WRITE SetOptions)
    Q_PROPERTY(IvDictioEnums::TIvMissingTranslation MissingTranslation READ MissingTranslation WRITE
            SetMissingTranslation)
    Q_PROPERTY(IvDictioEnums::TIvEuro Euro READ Euro WRITE SetEuro)
    Q_PROPERTY(IvDictioEnums::TIvCheckLevel CheckLevel READ CheckLevel WRITE SetCheckLevel)

public:
    // Registers the dictionary (naming it "Dictionary" + n) and installs the
    // translating exception display when the application has none.
    explicit TIvDictionary(TComponentBase* owner = nullptr);
    // Closes every attached translator and leaves the registry. The resource
    // hook is left as it is.
    ~TIvDictionary() override;

    // ---- Virtual operations, in order of responsibility

    virtual int GetLanguageCount() = 0;
    // Fills target with language index (0: the native language). An index out
    // of range is the concrete dictionary's error to raise.
    virtual void GetLanguage(int index, TIvLanguage& target) = 0;
    virtual int GetLocaleCount() = 0;
    virtual void GetLocale(int index, TIvLocale& target) = 0;
    // The number of entries loaded for the active language; 0 here.
    virtual int GetTranslationCount();
    // Applies and announces a change of the active language and/or locale:
    // reading direction, thread locale and process format settings,
    // attached translators, OnLanguageChange and OnLocaleChange.
    virtual void Change(bool languageChanged, bool localeChanged);
    // Looks up the translation of nativeText in the given context.
    virtual bool TranslateWithContext(const std::string& nativeText, const std::string& context,
        const std::string& subContext, std::string& translation)
        = 0;
    // Resolves language and locale and activates the dictionary; an error
    // closes it again before it propagates. Nothing when already active or
    // when CanOpen is false.
    virtual void Open();
    // Restores the resource hook, closes every attached translator and
    // deactivates the dictionary; the active language and locale remain.
    virtual void Close();
    virtual bool CanOpen();
    // Append every language (locale) in index order. The base asks
    // GetLanguage (GetLocale) once per index; a dictionary that can read its
    // list in one pass overrides these, and every scan of the model over all
    // languages goes through GetLanguages, so it costs one pass.
    virtual void GetLanguages(TIvLanguageList& list);
    virtual void GetLocales(TIvLocaleList& list);
    // TranslateWithContext without context.
    virtual bool Translate(const std::string& nativeText, std::string& translation);
    // Receives a translator's entries in collect mode; nothing here.
    virtual void CollectEntries(std::vector<TIvTranslation>& entries);
    // 1 makes translators hand their entries to CollectEntries; 0 here.
    virtual int GetCollectMode();
    // While active: the locale follows the active language's default locale.
    virtual void UpdateLocale();
    // While active: the language follows the active locale.
    virtual void UpdateLanguage();
    // One item per primary language, in index order (first occurrence).
    virtual void GetLanguageNames(std::vector<TIvLanguageName>& names, bool native);
    // Whether the platform supports the locale or the dictionary lists it.
    virtual bool IsLocaleAvailable(int localeId);

    // ---- Published properties

    const std::string& DictionaryName() const { return m_dictionaryName; }
    void SetDictionaryName(const std::string& name) { m_dictionaryName = name; }
    int PrimaryLanguage() const { return PrimaryLangId(m_localeId); }
    void SetPrimaryLanguage(int primary);
    int SubLanguage() const { return SubLangId(m_localeId); }
    void SetSubLanguage(int sub);
    int Language() const { return m_language; }
    // While active the index must be -2, -1 or a language index (else
    // ERangeError "Language index <v> is out of range"); a new value selects
    // the language and announces the change.
    void SetLanguage(int language);
    TIvBinding Binding() const { return m_binding; }
    void SetBinding(TIvBinding binding) { m_binding = binding; }
    TIvDictionaryOptions Options() const { return m_options; }
    void SetOptions(TIvDictionaryOptions options) { m_options = options; }
    TIvMissingTranslation MissingTranslation() const { return m_missingTranslation; }
    void SetMissingTranslation(TIvMissingTranslation policy) { m_missingTranslation = policy; }
    TIvEuro Euro() const { return m_euro; }
    // Also sets the process-wide euro mode and currency string at once.
    void SetEuro(TIvEuro euro);
    TIvCheckLevel CheckLevel() const { return m_checkLevel; }
    void SetCheckLevel(TIvCheckLevel level) { m_checkLevel = level; }

    // ---- Unpublished state

    bool ContextSensitive() const { return m_contextSensitive; }
    bool Active() const { return m_active; }
    int LanguageIndex() const { return m_languageIndex; }
    int RequestedLanguage() const { return m_requestedLanguage; }
    int LocaleId() const { return m_localeId; }
    int ActiveLocale() const { return m_activeLocale; }
    int LanguageLocale() const { return m_languageLocale; }
    int NativeSortLocale() const { return m_nativeSortLocale; }
    const TIvLanguage& CurrentLanguage() const { return *m_currentLanguage; }
    const TIvLocale& CurrentLocale() const { return *m_currentLocale; }
    const std::vector<TIvDictionaryListener*>& Translators() const { return m_translators; }

    // ---- Operations

    // While active and different from LocaleId: makes the locale active and,
    // with ivbiLanguageToLocale, lets the language follow; announces the change.
    void SetLocale(int localeId);
    // Makes language index active (-1: the user's, -2: the system's default
    // locale's language); raises EIvMulti when none can be selected or the
    // language fails the check level.
    void SelectLanguage(int index);
    // Makes the locale active (0x400/0x800 resolved); raises EIvMulti when it
    // fails the check level.
    void SetActiveLocale(int localeId);
    // The dictionary's own locale with the id, else the platform's data.
    bool FindLocale(int localeId, TIvLocale& target);
    // The best language for the locale in three passes, or -1; 0 for locale 0.
    int FindLanguageForLocale(int localeId);
    // The first language (after the native one) that passes the check level, or -1.
    int FirstSupportedLanguage();
    static int ResolveLocale(int localeId);
    // The language record of index, borrowed: CurrentLanguage for the active
    // index, else a scratch record valid until the next call. ERangeError
    // "Out of language range" for an index at or beyond the count.
    const TIvLanguage& GetLanguageInfo(int index);
    static bool IsLanguageSupportedBySystem(const TIvLanguage& language);
    static bool IsLanguageSupportedByCodePage(const TIvLanguage& language);
    static bool IsLocaleSupportedByCodePage(const TIvLocale& locale);

    // Attach once / detach a translator; the dictionary never owns it.
    void AttachTranslator(TIvDictionaryListener* translator);
    void DetachTranslator(TIvDictionaryListener* translator);

    // What a lookup yields under the dictionary's missing-translation policy
    // (TranslateText in Dictionary.h looks up and applies it).
    static std::string ApplyMissingTranslation(TIvDictionary* dictionary,
        const std::string& nativeText, const std::string& translation, bool found);

signals:
    void OnLanguageChange(QObject* Sender);
    void OnLocaleChange(QObject* Sender);

protected:
    // For concrete dictionaries whose entries carry context texts.
    void SetContextSensitive(bool sensitive) { m_contextSensitive = sensitive; }

private:
    QString PublishedDictionaryName() const;
    void SetPublishedDictionaryName(const QString& name);
    void CheckLanguage() const;
    void LetLanguageFollowLocale();
    void CloseTranslators();

    std::string m_dictionaryName;
    int m_language = -1;
    TIvBinding m_binding = ivbiLocaleToLanguage;
    TIvDictionaryOptions m_options = kAllDictionaryOptions;
    TIvMissingTranslation m_missingTranslation = ivmtUseNative;
    TIvEuro m_euro = iveNormal;
    TIvCheckLevel m_checkLevel = ivclCodePage;

    bool m_contextSensitive = false;
    bool m_active = false;
    int m_languageIndex = 0;
    int m_requestedLanguage = -1;
    int m_localeId = kUserDefaultLocaleId;
    int m_activeLocale = 0;
    int m_languageLocale = 0;
    int m_nativeSortLocale = 0;
    std::unique_ptr<TIvLanguage> m_currentLanguage;
    std::unique_ptr<TIvLocale> m_currentLocale;
    std::vector<TIvDictionaryListener*> m_translators;
    std::unique_ptr<TIvLanguage> m_scratchLanguage;
    bool m_localeFilled = false; // CurrentLocale holds a resolved locale
};

// The process-wide ordered registry of dictionaries; it refers to them and
// never owns them. The first one is the default dictionary.
class TIvDictionaries
{
public:
    int Count() const { return static_cast<int>(m_items.size()); }
    // ERangeError outside 0 .. Count()-1.
    TIvDictionary* Items(int index) const;
    // The first dictionary whose name equals name exactly, or null.
    TIvDictionary* FindByName(const std::string& name) const;
    // Names an unnamed dictionary "Dictionary" + n (the first free n above
    // the count) and appends it.
    void Register(TIvDictionary* dictionary);
    // Removes the dictionary; one that is not registered is ignored.
    void Unregister(TIvDictionary* dictionary);

private:
    std::vector<TIvDictionary*> m_items;
};

// The registry; null only after the layer has shut down.
TIvDictionaries* Dictionaries();

// The first dictionary of the registry, or null.
TIvDictionary* DefaultDictionary();
// The text translated through the dictionary with its missing-translation
// policy; the text itself for a null dictionary or an empty text (no lookup).
std::string TranslateText(TIvDictionary* dictionary, const std::string& text);

// The process-wide euro mode: the last value any dictionary's Euro was set to.
TIvEuro EuroMode();

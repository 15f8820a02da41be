#pragma once
// A dictionary that serves languages, locales and entries from memory: a
// real concrete dictionary for tests of the dictionary model and of what is
// built on it. It counts the reads, so tests can tell how the model asks.

#include "l10n/dictionary/Dictionary.h"

#include <map>
#include <string>
#include <utility>
#include <vector>

class TMemoryDictionary : public TIvDictionary
{
    Q_OBJECT

public:
    explicit TMemoryDictionary(TComponentBase* owner = nullptr);

    void AddLanguage(const TIvLanguage& language) { m_languages.push_back(language); }
    void AddLocale(const TIvLocale& locale) { m_locales.push_back(locale); }
    // An entry of every language; an empty translation is a found, empty one.
    void AddEntry(const std::string& nativeText, const std::string& translation)
    {
        m_entries[nativeText] = translation;
    }

    int GetLanguageCount() override { return static_cast<int>(m_languages.size()); }
    // ERangeError for an index outside the list.
    void GetLanguage(int index, TIvLanguage& target) override;
    int GetLocaleCount() override { return static_cast<int>(m_locales.size()); }
    void GetLocale(int index, TIvLocale& target) override;
    bool TranslateWithContext(const std::string& nativeText, const std::string& context,
        const std::string& subContext, std::string& translation) override;
    void GetLanguages(TIvLanguageList& list) override;

    int LanguageReads() const { return m_languageReads; }
    int LanguageListReads() const { return m_languageListReads; }
    int Lookups() const { return m_lookups; }
    void ResetCounts() { m_languageReads = m_languageListReads = m_lookups = 0; }

private:
    std::vector<TIvLanguage> m_languages;
    std::vector<TIvLocale> m_locales;
    std::map<std::string, std::string> m_entries;
    int m_languageReads = 0;
    int m_languageListReads = 0;
    int m_lookups = 0;
};

// The native language (primary 0, code page 1252).
TIvLanguage NativeLanguage();
// A language with a code page, listed sub-languages and an English name.
TIvLanguage MakeLanguage(int primary, int defaultSub, int codePage, const std::string& subLanguages,
    const std::string& englishName, const std::string& nativeName = {});

// Records what a dictionary tells an attached translator. Like a translator
// it detaches when it closes (unless made stubborn) and when it goes.
class TRecordingListener : public TIvDictionaryListener
{
public:
    explicit TRecordingListener(bool detachOnClose = true)
        : m_detachOnClose(detachOnClose)
    { }
    ~TRecordingListener() override
    {
        if (m_dictionary)
            m_dictionary->DetachTranslator(this);
    }
    TRecordingListener(const TRecordingListener&) = delete;
    TRecordingListener& operator=(const TRecordingListener&) = delete;

    void AttachTo(TIvDictionary& dictionary)
    {
        m_dictionary = &dictionary;
        dictionary.AttachTranslator(this);
    }
    void DictionaryChanged(bool languageChanged, bool localeChanged) override
    {
        changes.emplace_back(languageChanged, localeChanged);
    }
    void Close() override
    {
        ++closes;
        if (m_detachOnClose && m_dictionary)
            m_dictionary->DetachTranslator(this);
        m_dictionary = nullptr;
    }

    std::vector<std::pair<bool, bool>> changes;
    int closes = 0;

private:
    TIvDictionary* m_dictionary = nullptr;
    bool m_detachOnClose;
};

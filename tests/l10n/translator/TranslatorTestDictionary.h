#pragma once
// A dictionary held in memory whose entries belong to one language each (and
// optionally to a context), for tests that switch a translated window from
// language to language. Languages: 0 native, 1 English, 2 German, 3 Arabic,
// 4 Japanese. It applies no process settings, so tests stay independent.

#include "../dictionary/MemoryDictionary.h"

#include <map>
#include <string>
#include <tuple>

class TTranslatorTestDictionary : public TMemoryDictionary
{
    Q_OBJECT

public:
    enum TLanguage { Native, English, German, Arabic, Japanese };

    explicit TTranslatorTestDictionary(TComponentBase* owner = nullptr);

    void Add(int language, const std::string& nativeText, const std::string& translation,
        const std::string& context = {});
    // Entries with a context are only found by a look-up with that context.
    void MakeContextSensitive() { SetContextSensitive(true); }

    bool TranslateWithContext(const std::string& nativeText, const std::string& context,
        const std::string& subContext, std::string& translation) override;

    int ContextLookups() const { return m_contextLookups; }

private:
    std::map<std::tuple<int, std::string, std::string>, std::string> m_entries;
    int m_contextLookups = 0;
};

#include "MemoryDictionary.h"

TMemoryDictionary::TMemoryDictionary(TComponentBase* owner)
    : TIvDictionary(owner)
{ }

void TMemoryDictionary::GetLanguage(int index, TIvLanguage& target)
{
    if (index < 0 || index >= GetLanguageCount())
        throw ERangeError("No language " + std::to_string(index));
    ++m_languageReads;
    target.Assign(m_languages[static_cast<std::size_t>(index)]);
}

void TMemoryDictionary::GetLocale(int index, TIvLocale& target)
{
    if (index < 0 || index >= GetLocaleCount())
        throw ERangeError("No locale " + std::to_string(index));
    target.Assign(m_locales[static_cast<std::size_t>(index)]);
}

bool TMemoryDictionary::TranslateWithContext(const std::string& nativeText,
    const std::string& context, const std::string& subContext, std::string& translation)
{
    (void)context; // entries here carry no context
    (void)subContext;
    ++m_lookups;
    const auto found = m_entries.find(nativeText);
    if (found == m_entries.end())
        return false;
    translation = found->second;
    return true;
}

void TMemoryDictionary::GetLanguages(TIvLanguageList& list)
{
    ++m_languageListReads;
    for (const TIvLanguage& language : m_languages)
        list.push_back(std::make_unique<TIvLanguage>(language));
}

TIvLanguage NativeLanguage()
{
    return MakeLanguage(0, 0, 1252, "", "Native");
}

TIvLanguage MakeLanguage(int primary, int defaultSub, int codePage, const std::string& subLanguages,
    const std::string& englishName, const std::string& nativeName)
{
    return TIvLanguage(primary, defaultSub, codePage, subLanguages, englishName,
        nativeName.empty() ? englishName : nativeName, "", 0, 0);
}

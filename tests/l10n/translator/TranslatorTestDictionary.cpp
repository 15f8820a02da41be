#include "TranslatorTestDictionary.h"

TTranslatorTestDictionary::TTranslatorTestDictionary(TComponentBase* owner)
    : TMemoryDictionary(owner)
{
    AddLanguage(NativeLanguage());
    AddLanguage(MakeLanguage(9, 1, 1252, "1", "English"));
    AddLanguage(MakeLanguage(7, 1, 1252, "1", "German"));
    AddLanguage(MakeLanguage(1, 1, 1256, "1", "Arabic"));
    AddLanguage(MakeLanguage(0x11, 1, 932, "1", "Japanese"));
    SetCheckLevel(ivclNone);
    SetOptions(TIvDictionaryOptions(ivdoAutoTranslate));
}

void TTranslatorTestDictionary::Add(int language, const std::string& nativeText,
    const std::string& translation, const std::string& context)
{
    m_entries[{ language, nativeText, context }] = translation;
}

bool TTranslatorTestDictionary::TranslateWithContext(const std::string& nativeText,
    const std::string& context, const std::string& subContext, std::string& translation)
{
    (void)subContext; // the component name; these entries name only a class
    if (!context.empty())
        ++m_contextLookups;
    const auto found = m_entries.find({ LanguageIndex(), nativeText, context });
    if (found == m_entries.end())
        return false;
    translation = found->second;
    return true;
}

// The process-wide registry of dictionaries and lookups through a dictionary.

#include "l10n/dictionary/Dictionary.h"

#include <algorithm>

namespace {

TIvDictionaries* g_registry = nullptr;

// The registry exists from the layer's start to its shutdown; a dictionary
// destroyed after that finds no registry to leave.
struct RegistryLifetime
{
    RegistryLifetime() { g_registry = &registry; }
    ~RegistryLifetime() { g_registry = nullptr; }
    RegistryLifetime(const RegistryLifetime&) = delete;
    RegistryLifetime& operator=(const RegistryLifetime&) = delete;
    TIvDictionaries registry;
};

RegistryLifetime g_registryLifetime;

} // namespace

TIvDictionaries* Dictionaries()
{
    return g_registry;
}

TIvDictionary* TIvDictionaries::Items(int index) const
{
    if (index < 0 || index >= Count())
        throw ERangeError();
    return m_items[static_cast<std::size_t>(index)];
}

TIvDictionary* TIvDictionaries::FindByName(const std::string& name) const
{
    const auto found = std::find_if(m_items.begin(), m_items.end(),
        [&](const TIvDictionary* dictionary) { return dictionary->DictionaryName() == name; });
    return found == m_items.end() ? nullptr : *found;
}

void TIvDictionaries::Register(TIvDictionary* dictionary)
{
    if (dictionary->DictionaryName().empty()) {
        int n = Count();
        std::string name;
        do {
            ++n;
            name = "Dictionary" + std::to_string(n);
        } while (FindByName(name));
        dictionary->SetDictionaryName(name);
    }
    m_items.push_back(dictionary);
}

void TIvDictionaries::Unregister(TIvDictionary* dictionary)
{
    std::erase(m_items, dictionary);
}

TIvDictionary* DefaultDictionary()
{
    const TIvDictionaries* registry = Dictionaries();
    return registry && registry->Count() > 0 ? registry->Items(0) : nullptr;
}

std::string TranslateText(TIvDictionary* dictionary, const std::string& text)
{
    if (!dictionary || text.empty())
        return text;
    std::string translation;
    const bool found = dictionary->Translate(text, translation);
    return TIvDictionary::ApplyMissingTranslation(dictionary, text, translation, found);
}

std::string TIvDictionary::ApplyMissingTranslation(TIvDictionary* dictionary,
    const std::string& nativeText, const std::string& translation, bool found)
{
    if (found && !translation.empty())
        return translation;
    switch (dictionary ? dictionary->MissingTranslation() : ivmtUseNative) {
    case ivmtUseNative:
        return nativeText;
    case ivmtUseNull:
        return {};
    case ivmtTagNative:
        return "@" + nativeText + "@";
    case ivmtRaiseException:
        if (found)
            throw EIvMulti("Translation for the word \"" + nativeText + "\" is missing");
        throw EIvMulti(
            "Dictionary does not contain a translation for the word \"" + nativeText + "\"");
    }
    return nativeText;
}

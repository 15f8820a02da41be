// Tankora's binary dictionary over the MLD image built from the corpus, one
// system per image form (8-bit: German 1252 and Japanese 932 columns; UTF-16).
// Each open is a new TIvBinaryDictionary reading the file afresh (the
// dictionary keeps no cache between instances) on the language's column;
// lookups go through the dictionary's own Translate.

#include "TranslationSystem.h"

#include "l10n/dictionary/BinaryDictionary.h"

#include <benchmark/benchmark.h>

#include <stdexcept>

namespace tankora::peers {

namespace {

// The image's language columns: 0 is the native language.
int ColumnOf(const std::string& language)
{
    if (language == "de")
        return 1;
    if (language == "ja")
        return 2;
    throw std::invalid_argument("no column for language " + language);
}

class TankoraSystem final : public TranslationSystem
{
public:
    TankoraSystem(std::string folder, bool ansiStrings)
        : m_folder(std::move(folder))
        , m_ansiStrings(ansiStrings)
    { }

    std::string Name() const override { return m_ansiStrings ? "Tankora-8bit" : "Tankora-UTF16"; }

    // Both languages are columns of the one image: its bytes are the floor.
    std::string CataloguePath(const std::string&) const override
    {
        return m_folder + (m_ansiStrings ? "/peers-8bit.mld" : "/peers-utf16.mld");
    }

    void Open(const std::string& language) override
    {
        m_dictionary = std::make_unique<TIvBinaryDictionary>();
        m_dictionary->SetFileName(CataloguePath(language));
        // The machine's code pages are not what is measured.
        m_dictionary->SetCheckLevel(ivclNone);
        m_dictionary->SetLanguage(ColumnOf(language));
        m_dictionary->Open();
    }

    bool Lookup(const std::string& text) override
    {
        const bool found = m_dictionary->Translate(text, m_translation);
        benchmark::DoNotOptimize(m_translation.data());
        return found;
    }

    void Close() override { m_dictionary.reset(); }

private:
    std::string m_folder;
    bool m_ansiStrings;
    std::unique_ptr<TIvBinaryDictionary> m_dictionary;
    std::string m_translation;
};

} // namespace

std::unique_ptr<TranslationSystem> MakeTankoraSystem(const std::string& folder, bool ansiStrings)
{
    return std::make_unique<TankoraSystem>(folder, ansiStrings);
}

} // namespace tankora::peers

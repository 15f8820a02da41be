#pragma once
// TIvBinaryDictionary: the concrete dictionary component. It reads MLD data
// from one of three places, chosen by Storage:
//   ivsFile      the MLD file named by FileName;
//   ivsResource  the MLD image linked into the program as ":/LANGBUNDLE/
//                MlDictionary" (tankora_add_dictionary); FileName must still
//                not be empty;
//   ivsEmbedded  the properties "Languages", "Translations" and "Locales" of
//                this component in its owner form's stored layout (the
//                resource RCDATA/<owner class>), written at design time from
//                the MLD file named by FileName (8-bit images only).
// At design time, ivsEmbedded and ivsResource read the file named by FileName
// when it exists.
//
// The MLD source is never held open: each operation opens a reader, reads and
// frees it again, also on failure. Only the entries of the active language
// stay in memory; counts, languages and locales are read on every request.
// Languages and locales index from 0; an index outside the data raises
// ERangeError "Language index <i> is out of range" ("Locale index ...").
//
// Failures: "No FileName property set" when the MLD source is needed and the
// stored FileName is empty; the stream layer's "Cannot open file <name>",
// "Resource <name> not found", "Invalid stream format"; EResNotFound "Could
// not find the property"; "Unknown language data version: N" (translation,
// locale); EIvMulti "No dictionary data! Set the FileName property." for any
// failure to read a stored locale; the MLD reader's errors.

#include "l10n/dictionary/FileDictionary.h"

#include <memory>
#include <string>

class TIvMLDFile;
class TIvReader;
class TReader;
class TWriter;

inline constexpr const char* kNoFileNameSet = "No FileName property set";
inline constexpr const char* kNoDictionaryData = "No dictionary data! Set the FileName property.";
// Type and name of the linked-in MLD image.
inline constexpr const char* kDictionaryResourceType = "LANGBUNDLE";
inline constexpr const char* kDictionaryResourceName = "MlDictionary";

class TIvBinaryDictionary : public TIvCustomFileDictionary
{
    Q_OBJECT

public:
    explicit TIvBinaryDictionary(TComponentBase* owner = nullptr);
    ~TIvBinaryDictionary() override;

    // With Storage ivsEmbedded: "Languages", "Translations", "Locales", in
    // this order. Storing shows "File not found" or "Unicode not supported"
    // and stores none of them when the file is missing or holds UTF-16.
    void DefineProperties(TFiler& filer) override;

    int GetLanguageCount() override;
    void GetLanguage(int index, TIvLanguage& target) override;
    int GetLocaleCount() override;
    void GetLocale(int index, TIvLocale& target) override;
    int GetTranslationCount() override;
    void GetLanguages(TIvLanguageList& list) override;
    void GetLocales(TIvLocaleList& list) override;
    void LoadEntries() override;

    // Readers of the stored properties while the form is loaded: they keep
    // only the counts.
    virtual void ReadStoredLanguages(TReader& reader);
    virtual void ReadStoredTranslations(TReader& reader);
    virtual void ReadStoredLocales(TReader& reader);
    // Writers of the stored properties from the MLD file named by FileName.
    void WriteStoredLanguages(TWriter& writer);
    void WriteStoredTranslations(TWriter& writer);
    void WriteStoredLocales(TWriter& writer);

    int StoredLanguageCount() const { return m_storedLanguageCount; }
    int StoredTranslationCount() const { return m_storedTranslationCount; }
    int StoredLocaleCount() const { return m_storedLocaleCount; }

    // Whether the MLD source (file or resource) is read, else the form data.
    bool UseMldSource();

private:
    void OpenSource();
    void CloseSource();
    // Runs read with the MLD source open; the source is closed however it ends.
    template <typename Read> auto WithSource(Read read);
    // Runs read on a reader standing at the stored property's value.
    template <typename Read> auto WithStoredProperty(const char* property, Read read);
    // Whether the design-time state reads the file named by FileName.
    bool DesignTimeFile();

    std::unique_ptr<TIvMLDFile> m_reader;
    int m_storedLanguageCount = 0;
    int m_storedTranslationCount = 0;
    int m_storedLocaleCount = 0;
};

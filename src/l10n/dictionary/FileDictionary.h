#pragma once
// TIvCustomFileDictionary: the base of dictionaries whose data lives outside
// the program's code. It adds to the abstract dictionary the name of the data
// file, where the data is kept (Storage), and the entries of the active
// language in memory (an entry table sorted for lookups), reloaded through
// LoadEntries whenever the language changes.
//
// Lookups: Translate and TranslateWithContext answer through the table's
// hash index; FindEntry and FindEntryWithContext are the binary searches over
// the sorted entries (index in, index out), whose answers the index gives.
// Entries are compared ordinally as unsigned bytes, a proper prefix first; the
// key is the native text, or native text + character 127 + context +
// sub-context in a context-sensitive dictionary.

#include "l10n/dictionary/Dictionary.h"
#include "l10n/dictionary/EntryTable.h"

#include <QObject>
#include <QString>

#include <cstdint>
#include <string>

namespace IvAMultiEnums {
Q_NAMESPACE

// Where a file dictionary's data is kept.
enum TIvStorage : std::uint8_t {
    ivsFile, // the MLD file named by FileName
    ivsEmbedded, // data stored in the owner form's stored layout
    ivsResource, // an MLD image linked into the program
};
Q_ENUM_NS(TIvStorage)

} // namespace IvAMultiEnums

using IvAMultiEnums::TIvStorage;
using enum IvAMultiEnums::TIvStorage;

class TIvCustomFileDictionary : public TIvDictionary
{
    Q_OBJECT
    Q_PROPERTY(QString FileName READ PublishedFileName WRITE SetPublishedFileName)
    Q_PROPERTY(IvAMultiEnums::TIvStorage Storage READ Storage WRITE SetStorage)

public:
    explicit TIvCustomFileDictionary(TComponentBase* owner = nullptr);
    ~TIvCustomFileDictionary() override;

    // With ivsFile: name expanded to a full path when a file exists under
    // that path; otherwise (and for the other storages) name unchanged.
    std::string ResolveFileName(const std::string& name) const;
    // The stored name, resolved and kept resolved (ResolveFileName) outside
    // the design-time state, so that a relative name that named an existing
    // file stays absolute; at design time the text as typed.
    std::string FileName();
    // Stores the text as given.
    void SetFileName(const std::string& fileName) { m_fileName = fileName; }
    // The stored text, never resolved.
    const std::string& StoredFileName() const { return m_fileName; }
    TIvStorage Storage() const { return m_storage; }
    void SetStorage(TIvStorage storage) { m_storage = storage; }

    // The number of entries loaded.
    int GetTranslationCount() override;
    // A language change loads the entries first, then the change is applied.
    void Change(bool languageChanged, bool localeChanged) override;
    bool TranslateWithContext(const std::string& nativeText, const std::string& context,
        const std::string& subContext, std::string& translation) override;
    // ivsFile: only with a FileName that names an existing file; else true.
    bool CanOpen() override;
    // The translation of nativeText into translation (left as it was when
    // there is none).
    bool Translate(const std::string& nativeText, std::string& translation) override;

    int EntryCount() const { return m_entries.Count(); }
    // Entry index, 0 .. EntryCount()-1 (EListError outside), in sorted order.
    TIvTranslation Entry(int index) const;
    void ClearEntries() { m_entries.Clear(); }
    // Sorts the entries by the key the dictionary's context sensitivity calls for.
    void SortEntries() { m_entries.SortEntries(ContextSensitive()); }
    int FindEntry(const std::string& text) const { return m_entries.FindEntry(text); }
    int FindEntryWithContext(
        const std::string& text, const std::string& context, const std::string& subContext) const
    {
        return m_entries.FindEntryWithContext(text, context, subContext);
    }
    // Bytes held by the entries (their texts, records and index).
    std::size_t EntryMemoryUsage() const { return m_entries.MemoryUsage(); }
    // Bytes of the entries' texts (native texts, contexts, translations).
    std::size_t EntryTextBytes() const { return m_entries.TextBytes(); }

    // Fills the entries with those of the language at LanguageIndex, sets
    // ContextSensitive and sorts them. A failure leaves the entries as they
    // were before the call.
    virtual void LoadEntries() = 0;

protected:
    // Makes loaded the entries (sorted by contextSensitive): all or nothing.
    void ReplaceEntries(TIvEntryTable& loaded, bool contextSensitive);

private:
    QString PublishedFileName();
    void SetPublishedFileName(const QString& fileName);

    std::string m_fileName;
    TIvStorage m_storage = ivsFile;
    TIvEntryTable m_entries;
};

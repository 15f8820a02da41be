#include "l10n/dictionary/FileDictionary.h"

#include "framework/core/Exceptions.h"
#include "framework/streams/FileNames.h"

#include <QFile>

TIvCustomFileDictionary::TIvCustomFileDictionary(TComponentBase* owner)
    : TIvDictionary(owner)
{ }

TIvCustomFileDictionary::~TIvCustomFileDictionary() = default;

std::string TIvCustomFileDictionary::ResolveFileName(const std::string& name) const
{
    if (m_storage != ivsFile)
        return name;
    const std::string expanded = ExpandFileName(name);
    return FileExists(expanded) ? expanded : name;
}

std::string TIvCustomFileDictionary::FileName()
{
    if (!IsDesigning())
        m_fileName = ResolveFileName(m_fileName);
    return m_fileName;
}

// A path is bytes of the file system's encoding, not a text of the ANSI code page.
QString TIvCustomFileDictionary::PublishedFileName()
{
    return QFile::decodeName(QByteArray::fromStdString(FileName()));
}

void TIvCustomFileDictionary::SetPublishedFileName(const QString& fileName)
{
    SetFileName(QFile::encodeName(fileName).toStdString());
}

int TIvCustomFileDictionary::GetTranslationCount()
{
    return m_entries.Count();
}

void TIvCustomFileDictionary::Change(bool languageChanged, bool localeChanged)
{
    if (languageChanged)
        LoadEntries();
    TIvDictionary::Change(languageChanged, localeChanged);
}

bool TIvCustomFileDictionary::CanOpen()
{
    if (m_storage != ivsFile)
        return true;
    const std::string name = FileName();
    return !name.empty() && FileExists(name);
}

bool TIvCustomFileDictionary::Translate(const std::string& nativeText, std::string& translation)
{
    const int index = m_entries.Lookup(nativeText);
    if (index < 0)
        return false;
    translation.assign(m_entries.At(index).Translation);
    return true;
}

bool TIvCustomFileDictionary::TranslateWithContext(const std::string& nativeText,
    const std::string& context, const std::string& subContext, std::string& translation)
{
    const int index = m_entries.LookupWithContext(nativeText, context, subContext);
    if (index < 0)
        return false;
    translation.assign(m_entries.At(index).Translation);
    return true;
}

TIvTranslation TIvCustomFileDictionary::Entry(int index) const
{
    if (index < 0 || index >= m_entries.Count())
        throw EListError::IndexOutOfBounds(index);
    const TIvEntryView view = m_entries.At(index);
    TIvTranslation entry(
        std::string(view.NativeText), std::string(view.Context), std::string(view.SubContext));
    entry.Translation.assign(view.Translation);
    return entry;
}

void TIvCustomFileDictionary::ReplaceEntries(TIvEntryTable& loaded, bool contextSensitive)
{
    SetContextSensitive(contextSensitive);
    loaded.SortEntries(contextSensitive);
    m_entries.Swap(loaded);
    loaded.Clear();
}

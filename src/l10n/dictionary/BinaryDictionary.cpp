#include "l10n/dictionary/BinaryDictionary.h"

#include "l10n/dictionary/StoredDataReader.h"
#include "l10n/mld/MldFile.h"

#include "framework/app/MessageBoxes.h"
#include "framework/core/Exceptions.h"
#include "framework/layout/Filer.h"
#include "framework/layout/Writer.h"
#include "framework/streams/FileNames.h"
#include "framework/streams/FileStream.h"
#include "framework/streams/ResourceStream.h"

namespace {

[[noreturn]] void IndexOutOfRange(const char* what, int index)
{
    throw ERangeError(std::string(what) + " index " + std::to_string(index) + " is out of range");
}

} // namespace

TIvBinaryDictionary::TIvBinaryDictionary(TComponentBase* owner)
    : TIvCustomFileDictionary(owner)
{ }

TIvBinaryDictionary::~TIvBinaryDictionary() = default;

// ---------------------------------------------------------------------------
// Sources

bool TIvBinaryDictionary::DesignTimeFile()
{
    return IsDesigning() && FileExists(FileName());
}

bool TIvBinaryDictionary::UseMldSource()
{
    return Storage() != ivsEmbedded || DesignTimeFile();
}

void TIvBinaryDictionary::OpenSource()
{
    if (StoredFileName().empty())
        throw Exception(kNoFileNameSet);
    m_reader = std::make_unique<TIvMLDFile>();
    try {
        if (Storage() == ivsFile || DesignTimeFile()) {
            m_reader->AttachStream(
                std::make_unique<TFileStream>(FileName(), TFileStream::TMode::fmOpenRead));
        } else {
            m_reader->AttachStream(std::make_unique<TResourceStream>(
                kDictionaryResourceName, kDictionaryResourceType));
        }
        m_reader->ReadHeader();
        SetContextSensitive(m_reader->ContextFlags() != 0);
    } catch (...) {
        m_reader.reset();
        throw;
    }
}

void TIvBinaryDictionary::CloseSource()
{
    m_reader.reset();
}

template <typename Read> auto TIvBinaryDictionary::WithSource(Read read)
{
    OpenSource();
    struct TCloser
    {
        TIvBinaryDictionary* Dictionary;
        ~TCloser() { Dictionary->CloseSource(); }
    } closer { this };
    return read(*m_reader);
}

template <typename Read>
auto TIvBinaryDictionary::WithStoredProperty(const char* property, Read read)
{
    const std::string form = Owner() ? Owner()->ClassName().toStdString() : std::string {};
    TResourceStream stream(form, kRcData);
    TIvReader reader(stream);
    reader.FindStoredProperty(ClassName().toStdString(), Name().toStdString(), property);
    return read(reader);
}

// ---------------------------------------------------------------------------
// Counts, languages, locales

int TIvBinaryDictionary::GetLanguageCount()
{
    if (!UseMldSource())
        return m_storedLanguageCount;
    return WithSource([](TIvMLDFile& reader) { return reader.LanguageCount(); });
}

int TIvBinaryDictionary::GetTranslationCount()
{
    if (!UseMldSource())
        return m_storedTranslationCount;
    return WithSource([](TIvMLDFile& reader) { return reader.TranslationCount(); });
}

int TIvBinaryDictionary::GetLocaleCount()
{
    if (!UseMldSource())
        return m_storedLocaleCount;
    return WithSource([](TIvMLDFile& reader) { return reader.LocaleCount(); });
}

void TIvBinaryDictionary::GetLanguage(int index, TIvLanguage& target)
{
    if (UseMldSource()) {
        WithSource([&](TIvMLDFile& reader) {
            // Past the table the reader would take other tables for languages.
            if (index < 0 || index >= reader.LanguageCount())
                IndexOutOfRange("Language", index);
            target.Assign(*reader.LanguageAt(index));
        });
        return;
    }
    WithStoredProperty("Languages", [&](TReader& reader) {
        int version = 0;
        const int count = ReadStoredListHeader(reader, "language", version);
        if (index < 0 || index >= count)
            IndexOutOfRange("Language", index);
        TIvLanguage item;
        for (int i = 0; i <= index; ++i)
            ReadStoredLanguageItem(reader, version, item);
        target.Assign(item);
    });
}

void TIvBinaryDictionary::GetLocale(int index, TIvLocale& target)
{
    if (UseMldSource()) {
        WithSource([&](TIvMLDFile& reader) {
            reader.SeekLocales();
            if (index < 0 || index >= reader.LocaleCount())
                IndexOutOfRange("Locale", index);
            target.Assign(*reader.LocaleAt(index));
        });
        return;
    }
    try {
        WithStoredProperty("Locales", [&](TReader& reader) {
            int version = 0;
            const int count = ReadStoredListHeader(reader, "locale", version);
            if (index < 0 || index >= count)
                IndexOutOfRange("Locale", index);
            TIvLocale item;
            for (int i = 0; i <= index; ++i)
                ReadStoredLocaleItem(reader, version, item);
            target.Assign(item);
        });
    } catch (const std::exception&) {
        throw EIvMulti(kNoDictionaryData);
    }
}

void TIvBinaryDictionary::GetLanguages(TIvLanguageList& list)
{
    // Read whole before anything is appended: a failure leaves list as it was.
    TIvLanguageList read;
    if (UseMldSource()) {
        WithSource([&](TIvMLDFile& reader) {
            reader.SeekLanguages();
            for (int i = 0; i < reader.LanguageCount(); ++i) {
                read.push_back(std::make_unique<TIvLanguage>());
                read.back()->Assign(reader.ReadLanguage());
            }
        });
    } else {
        WithStoredProperty("Languages", [&](TReader& reader) {
            int version = 0;
            const int count = ReadStoredListHeader(reader, "language", version);
            for (int i = 0; i < count; ++i) {
                read.push_back(std::make_unique<TIvLanguage>());
                ReadStoredLanguageItem(reader, version, *read.back());
            }
            reader.ReadListEnd();
        });
    }
    for (auto& language : read)
        list.push_back(std::move(language));
}

void TIvBinaryDictionary::GetLocales(TIvLocaleList& list)
{
    TIvLocaleList read;
    if (UseMldSource()) {
        WithSource([&](TIvMLDFile& reader) {
            if (reader.LocaleCount() == 0)
                return;
            reader.SeekLocales();
            for (int i = 0; i < reader.LocaleCount(); ++i) {
                read.push_back(std::make_unique<TIvLocale>());
                read.back()->Assign(reader.ReadLocale());
            }
        });
    } else if (m_storedLocaleCount > 0) {
        WithStoredProperty("Locales", [&](TReader& reader) {
            int version = 0;
            const int count = ReadStoredListHeader(reader, "locale", version);
            for (int i = 0; i < count; ++i) {
                read.push_back(std::make_unique<TIvLocale>());
                ReadStoredLocaleItem(reader, version, *read.back());
            }
            reader.ReadListEnd();
        });
    }
    for (auto& locale : read)
        list.push_back(std::move(locale));
}

// ---------------------------------------------------------------------------
// Entries

void TIvBinaryDictionary::LoadEntries()
{
    // Loaded aside and swapped in whole: a failure keeps the entries in use.
    TIvEntryTable loaded;
    bool contextSensitive = false;
    if (UseMldSource()) {
        WithSource([&](TIvMLDFile& reader) {
            contextSensitive = reader.ContextFlags() != 0;
            reader.ReadColumn(loaded, LanguageIndex(), CurrentLanguage().CodePage);
        });
    } else {
        const int languages = GetLanguageCount();
        WithStoredProperty("Translations", [&](TReader& reader) {
            int flags = 0;
            const int count = ReadStoredTranslationsHeader(reader, flags);
            for (int i = 0; i < count; ++i)
                ReadStoredTranslationItem(reader, flags, languages, LanguageIndex(), &loaded);
            reader.ReadListEnd();
            contextSensitive = flags != 0;
        });
    }
    ReplaceEntries(loaded, contextSensitive);
}

// ---------------------------------------------------------------------------
// Stored properties

void TIvBinaryDictionary::DefineProperties(TFiler& filer)
{
    TIvCustomFileDictionary::DefineProperties(filer);
    if (Storage() != ivsEmbedded)
        return;
    bool hasData = true;
    if (!filer.IsReading()) {
        const std::string name = FileName();
        if (StoredFileName().empty()) {
            hasData = false;
        } else if (!FileExists(name)) {
            ShowMessageBox(
                "Can not find the file name " + name + ". No dictionary data was stored!",
                "File not found", TMsgDlgType::mtWarning);
            hasData = false;
        } else {
            TIvMLDFile file;
            file.OpenFile(name);
            if (!file.AnsiStrings()) {
                ShowMessageBox(
                    "Can not use a Unicode MLD file " + name + ". No dictionary data was stored!",
                    "Unicode not supported", TMsgDlgType::mtWarning);
                hasData = false;
            }
        }
    }
    // The order matters: reading "Translations" needs the language count.
    filer.DefineProperty(
        "Languages", [this](TReader& reader) { ReadStoredLanguages(reader); },
        [this](TWriter& writer) { WriteStoredLanguages(writer); }, hasData);
    filer.DefineProperty(
        "Translations", [this](TReader& reader) { ReadStoredTranslations(reader); },
        [this](TWriter& writer) { WriteStoredTranslations(writer); }, hasData);
    filer.DefineProperty(
        "Locales", [this](TReader& reader) { ReadStoredLocales(reader); },
        [this](TWriter& writer) { WriteStoredLocales(writer); }, hasData);
}

void TIvBinaryDictionary::ReadStoredLanguages(TReader& reader)
{
    int version = 0;
    const int count = ReadStoredListHeader(reader, "language", version);
    TIvLanguage item;
    for (int i = 0; i < count; ++i)
        ReadStoredLanguageItem(reader, version, item);
    reader.ReadListEnd();
    m_storedLanguageCount = count;
}

void TIvBinaryDictionary::ReadStoredTranslations(TReader& reader)
{
    int flags = 0;
    const int count = ReadStoredTranslationsHeader(reader, flags);
    for (int i = 0; i < count; ++i)
        ReadStoredTranslationItem(reader, flags, m_storedLanguageCount, 0, nullptr);
    reader.ReadListEnd();
    m_storedTranslationCount = count;
}

void TIvBinaryDictionary::ReadStoredLocales(TReader& reader)
{
    int version = 0;
    const int count = ReadStoredListHeader(reader, "locale", version);
    TIvLocale item;
    for (int i = 0; i < count; ++i)
        ReadStoredLocaleItem(reader, version, item);
    reader.ReadListEnd();
    m_storedLocaleCount = count;
}

void TIvBinaryDictionary::WriteStoredLanguages(TWriter& writer)
{
    TIvMLDFile file;
    file.OpenFile(FileName());
    writer.WriteListBegin();
    writer.WriteInteger(kStoredDataVersion);
    writer.WriteInteger(file.LanguageCount());
    file.SeekLanguages();
    for (int i = 0; i < file.LanguageCount(); ++i)
        WriteLanguageItem(writer, file.ReadLanguage());
    writer.WriteListEnd();
}

void TIvBinaryDictionary::WriteStoredTranslations(TWriter& writer)
{
    TIvMLDFile file;
    file.OpenFile(FileName());
    writer.WriteListBegin();
    writer.WriteInteger(kStoredDataVersion);
    writer.WriteInteger(file.ContextKind());
    writer.WriteInteger(file.TranslationCount());
    file.SeekTranslations();
    TIvContext pair;
    std::vector<std::string> strings;
    for (int i = 0; i < file.TranslationCount(); ++i) {
        strings.clear();
        file.ReadRawTranslation(pair, strings);
        writer.WriteListBegin();
        for (std::size_t s = 0; s < strings.size(); ++s) {
            writer.WriteString(strings[s]);
            if (s == 0 && file.HasContext())
                writer.WriteString(pair.Context);
            if (s == 0 && file.HasSubContext())
                writer.WriteString(pair.SubContext);
        }
        writer.WriteListEnd();
    }
    writer.WriteListEnd();
}

void TIvBinaryDictionary::WriteStoredLocales(TWriter& writer)
{
    TIvMLDFile file;
    file.OpenFile(FileName());
    writer.WriteListBegin();
    writer.WriteInteger(kStoredDataVersion);
    writer.WriteInteger(file.LocaleCount());
    if (file.LocaleCount() > 0) {
        file.SeekLocales();
        for (int i = 0; i < file.LocaleCount(); ++i)
            WriteLocaleItem(writer, file.ReadLocale());
    }
    writer.WriteListEnd();
}

#include "ExerciseStoredDictionary.h"

#include "l10n/dictionary/Dictionary.h"
#include "l10n/dictionary/EntryTable.h"
#include "l10n/dictionary/StoredDataReader.h"

#include "framework/core/Exceptions.h"
#include "framework/streams/MemoryStream.h"

#include <QByteArray>

#include <algorithm>

namespace {

// Keeps a run short on data whose counts lie.
constexpr int kMaxItems = 64;

template <typename Operation> void Try(std::vector<std::string>& messages, Operation operation)
{
    try {
        operation();
    } catch (const Exception& error) {
        messages.emplace_back(error.what());
    }
}

// A stored list of items of one kind, as the dictionary reads it whole.
template <typename Item, void (*ReadItem)(TReader&, int, Item&)>
void ReadList(TReader& reader, const char* kind)
{
    int version = 0;
    const int count = std::min(ReadStoredListHeader(reader, kind, version), kMaxItems);
    Item item;
    for (int i = 0; i < count; ++i)
        ReadItem(reader, version, item);
    reader.ReadListEnd();
}

void ReadLanguages(TReader& reader)
{
    ReadList<TIvLanguage, ReadStoredLanguageItem>(reader, "language");
}

void ReadLocales(TReader& reader)
{
    ReadList<TIvLocale, ReadStoredLocaleItem>(reader, "locale");
}

void ReadTranslations(TReader& reader)
{
    int flags = 0;
    const int count = std::min(ReadStoredTranslationsHeader(reader, flags), kMaxItems);
    TIvEntryTable table;
    for (int i = 0; i < count; ++i)
        ReadStoredTranslationItem(reader, flags, 3, 1, &table);
    reader.ReadListEnd();
    table.SortEntries(flags != 0);
}

} // namespace

std::vector<std::string> ExerciseStoredDictionary(const std::string& bytes)
{
    std::vector<std::string> messages;
    TCustomMemoryStream stream(QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size())));
    const auto inLayout = [&](const char* property, void (*read)(TReader&)) {
        Try(messages, [&] {
            stream.SetPosition(0);
            TIvReader reader(stream);
            reader.FindStoredProperty("TIvBinaryDictionary", "Dictionary1", property);
            read(reader);
        });
    };
    inLayout("Languages", ReadLanguages);
    inLayout("Translations", ReadTranslations);
    inLayout("Locales", ReadLocales);
    for (void (*read)(TReader&) : { ReadLanguages, ReadTranslations, ReadLocales }) {
        Try(messages, [&] {
            stream.SetPosition(0);
            TIvReader reader(stream);
            read(reader);
        });
    }
    return messages;
}

#include "ExerciseMldReader.h"

#include "framework/core/Exceptions.h"
#include "framework/streams/MemoryStream.h"
#include "l10n/mld/MldFile.h"

#include <QByteArray>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

namespace {

// Each operation on its own, so one failing table does not hide the others.
// Only the reader's own errors are expected; the reader may be used again after them.
template <typename Operation> void Try(std::vector<std::string>& messages, Operation operation)
{
    try {
        operation();
    } catch (const Exception& error) {
        messages.emplace_back(error.what());
    }
}

// Keeps a run short on images whose counts lie.
constexpr int kMaxRecords = 64;

} // namespace

std::vector<std::string> ExerciseMldReader(const std::string& bytes)
{
    std::vector<std::string> messages;
    TIvMLDFile reader;
    reader.AttachStream(std::make_unique<TCustomMemoryStream>(
        QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size()))));
    Try(messages, [&] { reader.ReadHeader(); });
    if (!messages.empty())
        return messages;

    const int languages = std::min(reader.LanguageCount(), kMaxRecords);
    Try(messages, [&] { reader.LanguageAt(-1); });
    Try(messages, [&] { reader.LanguageAt(languages - 1); });
    Try(messages, [&] {
        reader.SeekLanguages();
        for (int i = 0; i < languages; ++i)
            reader.ReadStoredLanguage();
    });
    Try(messages, [&] { reader.LocaleAt(std::min(reader.LocaleCount(), kMaxRecords) - 1); });
    for (int column : { 0, languages - 1, languages / 2 }) {
        Try(messages, [&] {
            reader.SeekTranslations();
            TIvTranslation entry({}, {}, {});
            for (int i = 0; i < std::min(reader.TranslationCount(), kMaxRecords); ++i)
                reader.ReadTranslation(entry, column, 1251);
        });
    }
    Try(messages, [&] {
        reader.SeekTranslations();
        TIvContext pair;
        std::vector<std::string> strings;
        for (int i = 0; i < std::min(reader.TranslationCount(), kMaxRecords); ++i) {
            strings.clear();
            reader.ReadRawTranslation(pair, strings);
        }
    });
    return messages;
}

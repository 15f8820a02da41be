#include "ExerciseMldReader.h"

#include "IvMLDFil.h"
#include "MemoryStream.h"

#include <QByteArray>

#include <algorithm>
#include <exception>
#include <memory>

namespace {

// Each operation on its own, so one failing table does not hide the others.
template <typename Operation> void Try(Operation operation)
{
    try {
        operation();
    } catch (const std::exception&) {
        // The specified errors; the reader may be used again after them.
    }
}

// Keeps a run short on images whose counts lie.
constexpr int kMaxRecords = 64;

} // namespace

void ExerciseMldReader(const std::string& bytes)
{
    TIvMLDFile reader;
    reader.AttachStream(std::make_unique<TCustomMemoryStream>(
        QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size()))));
    reader.ReadHeader();

    const int languages = std::min(reader.LanguageCount(), kMaxRecords);
    Try([&] { reader.LanguageAt(-1); });
    Try([&] { reader.LanguageAt(languages - 1); });
    Try([&] {
        reader.SeekLanguages();
        for (int i = 0; i < languages; ++i)
            reader.ReadStoredLanguage();
    });
    Try([&] { reader.LocaleAt(std::min(reader.LocaleCount(), kMaxRecords) - 1); });
    for (int column : { 0, languages - 1, languages / 2 }) {
        Try([&] {
            reader.SeekTranslations();
            TIvTranslation entry({}, {}, {});
            for (int i = 0; i < std::min(reader.TranslationCount(), kMaxRecords); ++i)
                reader.ReadTranslation(entry, column, 1251);
        });
    }
    Try([&] {
        reader.SeekTranslations();
        TIvContext pair;
        std::vector<std::string> strings;
        for (int i = 0; i < std::min(reader.TranslationCount(), kMaxRecords); ++i) {
            strings.clear();
            reader.ReadRawTranslation(pair, strings);
        }
    });
}

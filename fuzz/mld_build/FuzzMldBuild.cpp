// libFuzzer entry: mldtool build's writer over the fuzzer's bytes as the JSON
// source. The writer may refuse the source (not JSON, a member missing or out
// of range, a text its code page cannot hold); an image it writes must read
// back with the program's own reader, with the tables the source gave.

#include "MldWriter.h"
#include "framework/core/Exceptions.h"
#include "framework/streams/MemoryStream.h"
#include "l10n/mld/MldFile.h"

#include <nlohmann/json.hpp>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <memory>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const nlohmann::json source = nlohmann::json::parse(data, data + size, nullptr, false);
    if (source.is_discarded())
        return 0;
    std::string image;
    try {
        image = tankora::mld::BuildMldImage(source);
    } catch (const tankora::mld::MldBuildError&) {
        return 0;
    }
    TIvMLDFile reader;
    reader.AttachStream(std::make_unique<TCustomMemoryStream>(
        QByteArray(image.data(), static_cast<qsizetype>(image.size()))));
    try {
        reader.ReadHeader();
    } catch (const Exception&) {
        std::abort(); // a written image the reader refuses
    }
    const auto count = [&](const char* table) {
        const auto it = source.find(table);
        return it == source.end() ? 0 : static_cast<int>(it->size());
    };
    if (reader.LanguageCount() != count("languages")
        || reader.TranslationCount() != count("entries")
        || reader.LocaleCount() != count("locales"))
        std::abort(); // the header's counts are not the source's
    return 0;
}

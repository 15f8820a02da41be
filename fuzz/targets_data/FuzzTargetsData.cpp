// Feeds arbitrary bytes to the reader of a translator's stored target list
// ("TargetsData"), then asks the list read so far about a property. The
// reader may refuse the bytes with an Exception; nothing else may happen.

#include "framework/core/Exceptions.h"
#include "framework/layout/Reader.h"
#include "framework/streams/MemoryStream.h"
#include "l10n/translator/TargetProperties.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    TIvTargetProperties targets;
    try {
        TMemoryStream stream(bytes);
        TReader reader(stream);
        targets.ReadTargetsData(reader);
    } catch (const Exception&) { }
    (void)targets.IsTarget("TButton", "Caption");
    return 0;
}

// Feeds arbitrary bytes to every reader of stored layouts: the binary to
// text printer, the skipping of a whole object, and the text form parser.
// Each may refuse the bytes with an Exception; nothing else may happen.
#include "framework/core/Exceptions.h"
#include "framework/layout/FormText.h"
#include "framework/layout/Reader.h"
#include "framework/streams/MemoryStream.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    try {
        TMemoryStream stream(bytes);
        FormBinaryToText(stream);
    } catch (const Exception&) { }
    try {
        TMemoryStream stream(bytes);
        TReader reader(stream);
        reader.ReadSignature();
        reader.SkipObject();
    } catch (const Exception&) { }
    try {
        TMemoryStream out;
        FormTextToBinary(std::string_view(bytes.constData(), size), out);
    } catch (const Exception&) { }
    return 0;
}

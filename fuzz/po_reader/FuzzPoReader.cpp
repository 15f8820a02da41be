// libFuzzer entry: the PO reader over the fuzzer's bytes, and the writer over
// what it read, which the reader must take back unchanged. A syntax error is
// an expected outcome; any other exception escapes and is reported as a crash.

#include "PoReader.h"
#include "PoWriter.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace tankora::po;
    PoCatalog catalog;
    try {
        catalog = ReadPo(std::string_view(reinterpret_cast<const char*>(data), size), "fuzz.po");
    } catch (const PoSyntaxError&) {
        return 0;
    }
    const std::string written = WritePo(catalog);
    const PoCatalog again = ReadPo(written, "written.po");
    if (again.entries.size() != catalog.entries.size() || WritePo(again) != written)
        std::abort();
    return 0;
}

// libFuzzer entry: the PO reader and writer over the fuzzer's bytes.

#include "ExercisePoReader.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    ExercisePoReader(std::string_view(reinterpret_cast<const char*>(data), size));
    return 0;
}

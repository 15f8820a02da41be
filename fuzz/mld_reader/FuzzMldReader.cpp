// libFuzzer entry: every reader operation over the fuzzer's bytes.

#include "ExerciseMldReader.h"

#include <cstddef>
#include <cstdint>
#include <exception>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    try {
        ExerciseMldReader(std::string(reinterpret_cast<const char*>(data), size));
    } catch (const std::exception&) {
        // A refused header is an expected outcome.
    }
    return 0;
}

// libFuzzer entry: the stored-dictionary reader over the fuzzer's bytes. The
// reader's own errors are expected outcomes; any other exception escapes and
// is reported as a crash.

#include "ExerciseStoredDictionary.h"

#include <cstddef>
#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    ExerciseStoredDictionary(std::string(reinterpret_cast<const char*>(data), size));
    return 0;
}

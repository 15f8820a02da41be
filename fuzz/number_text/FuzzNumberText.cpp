// Arbitrary text through ParseNumber with both separators; every accepted
// finite number must survive formatting in all three forms and read back.

#include "nls/NumberText.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    for (const char separator : { '.', ',' }) {
        const auto value = tankora::ParseNumber(text, separator);
        if (!value) {
            continue;
        }
        if (!std::isfinite(*value)) {
            std::abort(); // overflow must be refused, never given as infinity
        }
        const auto general
            = tankora::ParseNumber(tankora::FormatGeneral15(*value, separator), separator);
        const auto fixed
            = tankora::ParseNumber(tankora::FormatFixed15(*value, 15, separator), separator);
        const auto result
            = tankora::ParseNumber(tankora::FormatDecimals(*value, 4, separator), separator);
        if (!general || !fixed || !result) {
            std::abort();
        }
    }
    return 0;
}

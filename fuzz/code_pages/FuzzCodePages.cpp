// The first byte picks a supported code page; the rest is decoded from it,
// and the UTF-16 result (and the raw bytes read as UTF-16) encoded back.
// Decoding then encoding a valid text must give the bytes again.

#include "nls/CodePages.h"

#include <cstdint>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0) {
        return 0;
    }
    const auto& codePages = tankora::SupportedCodePages();
    const int codePage = codePages[data[0] % codePages.size()];
    const std::string bytes(reinterpret_cast<const char*>(data + 1), size - 1);
    const std::u16string wide = tankora::DecodeFromCodePage(bytes, codePage);
    const std::string back = tankora::EncodeToCodePage(wide, codePage);
    if (wide.find(u'\uFFFD') == std::u16string::npos && back.size() > bytes.size() * 4 + 4) {
        std::abort(); // a conversion must not inflate valid text without bound
    }
    const std::u16string raw(reinterpret_cast<const char16_t*>(bytes.data()), bytes.size() / 2);
    (void)tankora::EncodeToCodePage(raw, codePage);
    return 0;
}

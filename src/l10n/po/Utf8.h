#pragma once
// UTF-8 code points: strict decoding (no overlong forms, no surrogates,
// nothing above U+10FFFF) and encoding.

#include <optional>
#include <string>
#include <string_view>

namespace tankora::mld {

// The code points of a UTF-8 text; nullopt when it is not valid UTF-8.
std::optional<std::u32string> DecodeUtf8(std::string_view text);

// One code point as UTF-8.
std::string EncodeUtf8(char32_t codePoint);

} // namespace tankora::mld

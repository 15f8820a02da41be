#pragma once
// The entry table's own encoding of an entry, shared by its files: in the
// arena, a header of four LEB128 numbers (native text, context, sub-context,
// and the translation's length + 1, or 0 for a translation equal to the
// native text), then native text, the character 127, context, sub-context
// and translation; in a referenced image, a 16-bit length word before each
// text.

#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string_view>

namespace tankora::entries {

struct TLayout
{
    const char* Native;
    std::uint32_t NativeLength;
    std::uint32_t ContextLength;
    std::uint32_t SubContextLength;
    const char* Translation;
    std::uint32_t TranslationLength;

    // The arena's contexts; empty for a referenced entry, whose key is its native text.
    const char* Contexts() const { return Native + NativeLength + 1; }
    std::size_t ContextsLength() const { return std::size_t { ContextLength } + SubContextLength; }
    std::size_t KeyLength(bool contextSensitive) const
    {
        return contextSensitive ? NativeLength + 1 + ContextsLength() : NativeLength;
    }
    std::string_view NativeText() const { return { Native, NativeLength }; }
    std::string_view Key(bool contextSensitive) const
    {
        return { Native, KeyLength(contextSensitive) };
    }
};

// An arena entry's layout from its header.
inline TLayout DecodeArenaEntry(const char* entry)
{
    const auto* p = reinterpret_cast<const unsigned char*>(entry);
    std::uint32_t values[4];
    // Nearly every header is four one-byte numbers.
    if (((p[0] | p[1] | p[2] | p[3]) & 0x80) == 0) {
        for (int i = 0; i < 4; ++i)
            values[i] = p[i];
        p += 4;
    } else {
        for (std::uint32_t& value : values) {
            value = 0;
            for (int shift = 0;; shift += 7) {
                const unsigned char byte = *p++;
                value |= static_cast<std::uint32_t>(byte & 0x7F) << shift;
                if ((byte & 0x80) == 0)
                    break;
            }
        }
    }
    const char* native = reinterpret_cast<const char*>(p);
    TLayout layout { native, values[0], values[1], values[2], native, values[0] };
    if (values[3] != 0) {
        layout.Translation = layout.Contexts() + layout.ContextsLength();
        layout.TranslationLength = values[3] - 1;
    }
    return layout;
}

// A counted text of an image: its 16-bit length word, then its bytes.
inline std::string_view ImageText(const char* lengthWord, bool bigEndian)
{
    const auto* p = reinterpret_cast<const unsigned char*>(lengthWord);
    const std::size_t length = bigEndian ? (p[0] << 8) | p[1] : p[0] | (p[1] << 8);
    return { lengthWord + 2, length };
}

inline std::size_t EncodedSize(std::uint32_t value)
{
    return static_cast<std::size_t>(std::bit_width(value | 1u) + 6) / 7;
}

// Eight key bytes from depth on, zero-padded, as a big-endian number, so
// numbers order as the bytes do. Bytes past the key up to storageEnd may be
// read; they are masked off.
inline std::uint64_t Chunk(std::string_view key, std::size_t depth, const char* storageEnd)
{
    if (depth >= key.size())
        return 0;
    const std::size_t left = key.size() - depth;
    const char* p = key.data() + depth;
    std::uint64_t value = 0;
    if (storageEnd - p >= 8)
        std::memcpy(&value, p, 8);
    else
        std::memcpy(&value, p, left < 8 ? left : 8);
    if constexpr (std::endian::native == std::endian::little)
        value = __builtin_bswap64(value);
    if (left < 8)
        value &= ~std::uint64_t { 0 } << (8 * (8 - left));
    return value;
}

} // namespace tankora::entries

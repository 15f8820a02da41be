#pragma once
// Integers of a fixed byte order in byte buffers: stored layouts are
// little-endian, MLD images say in their header which order they use. Every
// reader and writer of those bytes goes through these two functions.

#include <concepts>
#include <cstddef>
#include <cstdint>
#include <type_traits>

namespace tankora {

enum class ByteOrder { LittleEndian, BigEndian };

// The sizeof(T) bytes at `bytes` as a T stored in `order`.
template <std::integral T>
T LoadInteger(const unsigned char* bytes, ByteOrder order = ByteOrder::LittleEndian)
{
    std::uint64_t value = 0;
    for (std::size_t i = 0; i < sizeof(T); ++i) {
        const std::size_t at = order == ByteOrder::LittleEndian ? i : sizeof(T) - 1 - i;
        value |= static_cast<std::uint64_t>(bytes[at]) << (8 * i);
    }
    return static_cast<T>(value);
}

// Stores value as sizeof(T) bytes at `bytes` in `order` (two's complement for
// a negative value).
template <std::integral T>
void StoreInteger(T value, unsigned char* bytes, ByteOrder order = ByteOrder::LittleEndian)
{
    const auto bits = static_cast<std::uint64_t>(static_cast<std::make_unsigned_t<T>>(value));
    for (std::size_t i = 0; i < sizeof(T); ++i) {
        const std::size_t at = order == ByteOrder::LittleEndian ? i : sizeof(T) - 1 - i;
        bytes[at] = static_cast<unsigned char>(bits >> (8 * i));
    }
}

} // namespace tankora

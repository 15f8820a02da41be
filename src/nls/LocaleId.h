#pragma once
// The Windows locale id and its parts. A header of its own so that the code
// page table can name the type without the whole locale service.
//
// Layout: bits 0..9 primary language, bits 10..15 sub-language, bits 16..19
// sort id.

#include <cstdint>

namespace tankora {

using LocaleId = std::int32_t;

inline constexpr LocaleId kLocaleEnglishUs = 0x0409;
inline constexpr LocaleId kLocaleUserDefault = 0x0400;
inline constexpr LocaleId kLocaleSystemDefault = 0x0800;

inline constexpr LocaleId ComposeLanguageId(int primary, int sub)
{
    return (sub << 10) | primary;
}
inline constexpr LocaleId ComposeLocaleId(LocaleId languageId, int sortId)
{
    return (sortId << 16) | languageId;
}
inline constexpr int PrimaryLanguageOf(LocaleId id)
{
    return id & 0x3FF;
}
inline constexpr int SubLanguageOf(LocaleId id)
{
    return (id >> 10) & 0x3F;
}

} // namespace tankora

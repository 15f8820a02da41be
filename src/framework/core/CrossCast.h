// dynamic_cast between the two bases of a component class (its QObject and
// its component interface), remembered per class. A cross-cast walks the
// class hierarchy's type information on every call, and a pass over a window
// makes several per control. Where one base lies from the other depends only
// on the class of the whole object and on which subobject the pointer is, so
// the first cast of each class is remembered and later ones add an offset.
// The classes use no virtual inheritance, which is what keeps that offset
// fixed (a virtual base can lie elsewhere in another object of the class).
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <typeinfo>
#include <unordered_map>

namespace tankora {
namespace detail {

// A subobject: the class of the whole object as the subobject sees it (also
// while it is being built or destroyed) and its distance from the start.
struct TSubobjectKey
{
    const std::type_info* type;
    std::ptrdiff_t offset;
    bool operator==(const TSubobjectKey&) const = default;
};

struct TSubobjectKeyHash
{
    std::size_t operator()(const TSubobjectKey& key) const
    {
        return std::hash<const void*> {}(key.type) ^ static_cast<std::size_t>(key.offset);
    }
};

} // namespace detail

// The same as dynamic_cast<To*>(from).
template <typename To, typename From> To* CrossCast(From* from)
{
    if (!from)
        return nullptr;
    constexpr std::ptrdiff_t kNoBase = PTRDIFF_MIN;
    thread_local std::unordered_map<detail::TSubobjectKey, std::ptrdiff_t,
        detail::TSubobjectKeyHash>
        offsets;

    const char* at = reinterpret_cast<const char*>(from);
    const auto* whole = static_cast<const char*>(dynamic_cast<const void*>(from));
    const detail::TSubobjectKey key { &typeid(*from), at - whole };
    auto found = offsets.find(key);
    if (found == offsets.end()) {
        To* to = dynamic_cast<To*>(from);
        found = offsets.emplace(key, to ? reinterpret_cast<const char*>(to) - at : kNoBase).first;
    }
    if (found->second == kNoBase)
        return nullptr;
    return reinterpret_cast<To*>(const_cast<char*>(at) + found->second);
}

} // namespace tankora

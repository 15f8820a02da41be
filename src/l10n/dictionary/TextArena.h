#pragma once
// TIvTextArena: the bytes of a loaded language's texts, written in place by
// the loaders.
//
// A block of the recycled pool rather than a std::string: room handed out is
// not zero-filled first, and the block of the previous load is taken back
// with its pages resident. The slack of an estimate is given back by
// releasing its pages, never by a shrinking remap of the C allocator (which
// resets its mapping threshold and makes every later open map afresh).

#include "l10n/dictionary/RecycledBlocks.h"

#include <cstddef>
#include <cstring>
#include <utility>

class TIvTextArena
{
public:
    TIvTextArena() = default;
    TIvTextArena(const TIvTextArena&) = delete;
    TIvTextArena& operator=(const TIvTextArena&) = delete;
    ~TIvTextArena() { tankora::recycled::Release(m_bytes, m_capacity); }

    void Swap(TIvTextArena& other) noexcept
    {
        std::swap(m_bytes, other.m_bytes);
        std::swap(m_size, other.m_size);
        std::swap(m_capacity, other.m_capacity);
    }

    std::size_t Size() const { return m_size; }
    std::size_t Capacity() const { return m_capacity; }
    const char* Data() const { return m_bytes; }
    char* Data() { return m_bytes; }

    // Where the next bytes go; the caller has made room for them (Reserve).
    char* End() { return m_bytes + m_size; }
    std::size_t Room() const { return m_capacity - m_size; }
    // Takes count bytes written at End() into the arena.
    void Commit(std::size_t count) { m_size += count; }
    void Truncate(std::size_t size) { m_size = size; }

    // Capacity of exactly capacity bytes (never below Size()).
    void Reserve(std::size_t capacity)
    {
        if (capacity < m_size)
            capacity = m_size;
        if (capacity == m_capacity)
            return;
        char* bytes
            = capacity == 0 ? nullptr : static_cast<char*>(tankora::recycled::Acquire(capacity));
        if (m_size > 0)
            std::memcpy(bytes, m_bytes, m_size);
        tankora::recycled::Release(m_bytes, m_capacity);
        m_bytes = bytes;
        m_capacity = capacity;
    }

    void ShrinkToFit()
    {
        if (m_size == 0) {
            Reserve(0);
            return;
        }
        m_bytes = static_cast<char*>(tankora::recycled::Shrink(m_bytes, m_capacity, m_size));
        m_capacity = m_size;
    }

private:
    char* m_bytes = nullptr;
    std::size_t m_size = 0;
    std::size_t m_capacity = 0;
};

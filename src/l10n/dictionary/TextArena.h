#pragma once
// TIvTextArena: the bytes of a loaded language's texts, written in place by
// the loaders.
//
// A plain malloc'd block rather than a std::string: room handed out is not
// zero-filled first, and trimming the slack of an estimated reservation
// (realloc to a smaller size) keeps the block where it is instead of copying
// megabytes of texts.

#include <cstddef>
#include <cstdlib>
#include <cstring>
#include <new>
#include <utility>

class TIvTextArena
{
public:
    TIvTextArena() = default;
    TIvTextArena(const TIvTextArena&) = delete;
    TIvTextArena& operator=(const TIvTextArena&) = delete;
    ~TIvTextArena() { std::free(m_bytes); }

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
        if (capacity == 0) {
            std::free(m_bytes);
            m_bytes = nullptr;
            m_capacity = 0;
            return;
        }
        void* bytes = std::realloc(m_bytes, capacity);
        if (!bytes)
            throw std::bad_alloc();
        m_bytes = static_cast<char*>(bytes);
        m_capacity = capacity;
    }

    void ShrinkToFit() { Reserve(m_size); }

private:
    char* m_bytes = nullptr;
    std::size_t m_size = 0;
    std::size_t m_capacity = 0;
};

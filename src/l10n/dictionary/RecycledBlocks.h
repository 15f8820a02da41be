#pragma once
// Large blocks of memory that stay mapped between uses.
//
// A dictionary's entries take a few large blocks (the image or the copied
// texts, the entry offsets, the hash index), freed and taken again on every
// language switch and reopen. Given back to the C allocator, a block of that
// size is unmapped, and the next open maps a fresh one and faults every page
// again; kept here, the next open of a similar size takes it back with its
// pages already resident. The pool keeps a few blocks only (kMaxSpareBlocks,
// kMaxSpareBytes); small requests go straight to malloc.

#include <cstddef>
#include <new>

namespace tankora::recycled {

// At least bytes of memory (not cleared), aligned for any scalar.
// std::bad_alloc when there is none.
void* Acquire(std::size_t bytes);
// Gives back a block Acquire returned for bytes.
void Release(void* block, std::size_t bytes) noexcept;
// The block cut to newBytes (at most bytes, above 0): the pages past them are
// given back to the system (they stay mapped, for the block's next use); a
// small block may move. Returns the block's address.
void* Shrink(void* block, std::size_t bytes, std::size_t newBytes);

// What the pool holds right now, for the benchmarks.
struct TPoolState
{
    std::size_t SpareBlocks = 0;
    std::size_t SpareBytes = 0;
};
TPoolState PoolState();
// Unmaps every spare block (a test starts from nothing).
void DropSpareBlocks();

// A standard allocator over Acquire / Release, for the tables' vectors.
template <typename T> struct TAllocator
{
    using value_type = T;
    TAllocator() = default;
    template <typename U> TAllocator(const TAllocator<U>&) noexcept { }
    T* allocate(std::size_t n)
    {
        if (n > static_cast<std::size_t>(-1) / sizeof(T))
            throw std::bad_alloc();
        return static_cast<T*>(Acquire(n * sizeof(T)));
    }
    void deallocate(T* p, std::size_t n) noexcept { Release(p, n * sizeof(T)); }
    template <typename U> bool operator==(const TAllocator<U>&) const noexcept { return true; }
};

} // namespace tankora::recycled

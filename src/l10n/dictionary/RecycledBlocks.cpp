#include "l10n/dictionary/RecycledBlocks.h"

#include <sys/mman.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <mutex>
#include <vector>

namespace tankora::recycled {

namespace {

// Below this a request is the C allocator's: its own free lists reuse it.
constexpr std::size_t kSmallest = std::size_t { 64 } * 1024;
// A spare block serves a request it exceeds by at most a quarter, so that a
// small table does not hold a large image's block.
constexpr std::size_t kSlackDivisor = 4;
constexpr std::size_t kMaxSpareBlocks = 8;
constexpr std::size_t kMaxSpareBytes = 96u << 20;

struct TBlock
{
    void* Address;
    std::size_t Size; // mapped bytes, a multiple of the page size
};

class TPool
{
public:
    void* Take(std::size_t bytes)
    {
        const std::size_t size = RoundToPages(bytes);
        {
            const std::lock_guard lock(m_mutex);
            // The smallest spare block that fits without much slack.
            auto best = m_spare.end();
            for (auto it = m_spare.begin(); it != m_spare.end(); ++it) {
                if (it->Size >= size && it->Size <= size + size / kSlackDivisor
                    && (best == m_spare.end() || it->Size < best->Size))
                    best = it;
            }
            if (best != m_spare.end()) {
                const TBlock block = *best;
                m_spare.erase(best);
                m_spareBytes -= block.Size;
                m_live.push_back(block);
                return block.Address;
            }
        }
        void* address
            = ::mmap(nullptr, size, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
        if (address == MAP_FAILED)
            throw std::bad_alloc();
        const std::lock_guard lock(m_mutex);
        m_live.push_back({ address, size });
        return address;
    }

    void Give(void* address) noexcept
    {
        std::vector<TBlock> unmap;
        {
            const std::lock_guard lock(m_mutex);
            const auto it = std::find_if(m_live.begin(), m_live.end(),
                [address](const TBlock& block) { return block.Address == address; });
            if (it == m_live.end())
                return; // not ours: nothing sane to do with it
            const TBlock block = *it;
            m_live.erase(it);
            try {
                m_spare.push_back(block);
            } catch (...) {
                ::munmap(block.Address, block.Size);
                return;
            }
            m_spareBytes += block.Size;
            // Over the limits: the oldest spare blocks go first.
            while (m_spare.size() > kMaxSpareBlocks || m_spareBytes > kMaxSpareBytes) {
                unmap.push_back(m_spare.front());
                m_spareBytes -= m_spare.front().Size;
                m_spare.erase(m_spare.begin());
            }
        }
        for (const TBlock& block : unmap)
            ::munmap(block.Address, block.Size);
    }

    // The pages past bytes are given back to the system but stay mapped, so
    // that the block still serves a request of its old size when it is
    // spare (an unmapped tail would make the next open map afresh).
    void Cut(void* address, std::size_t bytes)
    {
        const std::size_t size = RoundToPages(bytes);
        const std::lock_guard lock(m_mutex);
        const auto it = std::find_if(m_live.begin(), m_live.end(),
            [address](const TBlock& block) { return block.Address == address; });
        if (it != m_live.end() && size < it->Size)
            ::madvise(static_cast<char*>(address) + size, it->Size - size, MADV_DONTNEED);
    }

    TPoolState State()
    {
        const std::lock_guard lock(m_mutex);
        return { m_spare.size(), m_spareBytes };
    }

    void Drop()
    {
        std::vector<TBlock> unmap;
        {
            const std::lock_guard lock(m_mutex);
            unmap.swap(m_spare);
            m_spareBytes = 0;
        }
        for (const TBlock& block : unmap)
            ::munmap(block.Address, block.Size);
    }

private:
    static std::size_t RoundToPages(std::size_t bytes)
    {
        static const auto page = static_cast<std::size_t>(::sysconf(_SC_PAGESIZE));
        return (bytes + page - 1) / page * page;
    }

    std::mutex m_mutex;
    std::vector<TBlock> m_live;
    std::vector<TBlock> m_spare; // oldest first
    std::size_t m_spareBytes = 0;
};

// Never destroyed: blocks may be given back by objects destroyed at exit.
TPool& Pool()
{
    static TPool* pool = new TPool;
    return *pool;
}

} // namespace

void* Acquire(std::size_t bytes)
{
    if (bytes < kSmallest) {
        void* block = std::malloc(bytes == 0 ? 1 : bytes);
        if (!block)
            throw std::bad_alloc();
        return block;
    }
    return Pool().Take(bytes);
}

void Release(void* block, std::size_t bytes) noexcept
{
    if (!block)
        return;
    if (bytes < kSmallest)
        std::free(block);
    else
        Pool().Give(block);
}

void* Shrink(void* block, std::size_t bytes, std::size_t newBytes)
{
    if (bytes < kSmallest) {
        void* moved = std::realloc(block, newBytes);
        return moved ? moved : block;
    }
    if (newBytes < kSmallest) {
        void* small = Acquire(newBytes);
        std::memcpy(small, block, newBytes);
        Release(block, bytes);
        return small;
    }
    Pool().Cut(block, newBytes);
    return block;
}

TPoolState PoolState()
{
    return Pool().State();
}

void DropSpareBlocks()
{
    Pool().Drop();
}

} // namespace tankora::recycled

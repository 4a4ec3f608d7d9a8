#include "platform/rtl/BulkMemory.h"

#include <sys/mman.h>

#include <algorithm>
#include <cstdint>
#include <mutex>
#include <new>
#include <utility>
#include <vector>

namespace {

constexpr size_t kHugePage = size_t{2} << 20;
// Below this a block would waste most of its huge page, and the heap serves it well.
constexpr size_t kBulkBlock = size_t{256} << 10;
// Given-back blocks kept for the next operation: enough for the lists of a sort of a few
// hundred thousand rows, so that sorting again touches no fresh page.
constexpr size_t kKeptBytes = size_t{16} << 20;

size_t MappedSize(size_t Bytes) { return (Bytes + kHugePage - 1) / kHugePage * kHugePage; }

void* MapHugeBlock(size_t Size)
{
    // Mapped one huge page larger, so that a huge-page boundary can start the block; the
    // rest is given back.
    void* mapped = mmap(nullptr, Size + kHugePage, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (mapped == MAP_FAILED) throw std::bad_alloc();
    const auto start = reinterpret_cast<std::uintptr_t>(mapped);
    const std::uintptr_t aligned = (start + kHugePage - 1) / kHugePage * kHugePage;
    if (aligned > start) munmap(mapped, aligned - start);
    const std::uintptr_t end = start + Size + kHugePage;
    if (end > aligned + Size) munmap(reinterpret_cast<void*>(aligned + Size), end - aligned - Size);
    // Only advice: where the system has no huge pages the block works with small ones.
    madvise(reinterpret_cast<void*>(aligned), Size, MADV_HUGEPAGE);
    return reinterpret_cast<void*>(aligned);
}

class TBulkMemory final : public std::pmr::memory_resource {
public:
    ~TBulkMemory() override
    {
        for (const auto& [block, size] : FKept)
            munmap(block, size);
    }

private:
    void* do_allocate(size_t Bytes, size_t Alignment) override
    {
        if (Bytes < kBulkBlock || Alignment > kHugePage) return ::operator new(Bytes, std::align_val_t{Alignment});
        const size_t size = MappedSize(Bytes);
        {
            const std::lock_guard lock(FMutex);
            const auto kept = std::find_if(FKept.begin(), FKept.end(), [&](const auto& K) { return K.second == size; });
            if (kept != FKept.end()) {
                void* block = kept->first;
                FKeptBytes -= size;
                FKept.erase(kept);
                return block;
            }
        }
        return MapHugeBlock(size);
    }

    void do_deallocate(void* Block, size_t Bytes, size_t Alignment) override
    {
        if (Bytes < kBulkBlock || Alignment > kHugePage) {
            ::operator delete(Block, std::align_val_t{Alignment});
            return;
        }
        const size_t size = MappedSize(Bytes);
        {
            const std::lock_guard lock(FMutex);
            if (FKeptBytes + size <= kKeptBytes) {
                FKept.emplace_back(Block, size);
                FKeptBytes += size;
                return;
            }
        }
        munmap(Block, size);
    }

    bool do_is_equal(const std::pmr::memory_resource& Other) const noexcept override { return this == &Other; }

    std::mutex FMutex;
    // Blocks by their mapped size.
    std::vector<std::pair<void*, size_t>> FKept;
    size_t FKeptBytes = 0;
};

} // namespace

std::pmr::memory_resource* BulkMemory()
{
    static TBulkMemory memory;
    return &memory;
}

#include "platform/rtl/BulkMemory.h"

#include <sys/mman.h>

#include <cstdint>
#include <new>

namespace {

constexpr size_t kHugePage = size_t{2} << 20;
// Below this a block would waste most of its huge page, and the heap serves it well.
constexpr size_t kBulkBlock = size_t{256} << 10;

size_t MappedSize(size_t Bytes) { return (Bytes + kHugePage - 1) / kHugePage * kHugePage; }

class TBulkMemory final : public std::pmr::memory_resource {
    void* do_allocate(size_t Bytes, size_t Alignment) override
    {
        if (Bytes < kBulkBlock || Alignment > kHugePage) return ::operator new(Bytes, std::align_val_t{Alignment});
        const size_t size = MappedSize(Bytes);
        // Mapped one huge page larger, so that a huge-page boundary can start the block; the
        // rest is given back.
        void* mapped = mmap(nullptr, size + kHugePage, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
        if (mapped == MAP_FAILED) throw std::bad_alloc();
        const auto start = reinterpret_cast<std::uintptr_t>(mapped);
        const std::uintptr_t aligned = (start + kHugePage - 1) / kHugePage * kHugePage;
        if (aligned > start) munmap(mapped, aligned - start);
        const std::uintptr_t end = start + size + kHugePage;
        if (end > aligned + size) munmap(reinterpret_cast<void*>(aligned + size), end - aligned - size);
        // Only advice: where the system has no huge pages the block works with small ones.
        madvise(reinterpret_cast<void*>(aligned), size, MADV_HUGEPAGE);
        return reinterpret_cast<void*>(aligned);
    }

    void do_deallocate(void* Block, size_t Bytes, size_t Alignment) override
    {
        if (Bytes < kBulkBlock || Alignment > kHugePage) {
            ::operator delete(Block, std::align_val_t{Alignment});
            return;
        }
        munmap(Block, MappedSize(Bytes));
    }

    bool do_is_equal(const std::pmr::memory_resource& Other) const noexcept override { return this == &Other; }
};

} // namespace

std::pmr::memory_resource* BulkMemory()
{
    static TBulkMemory memory;
    return &memory;
}

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <string>

#include "platform/rtl/BulkMemory.h"

namespace {

// Small and large blocks, the large ones of an odd size and over a huge page, hold what is
// written into every byte, at the alignment asked for, and go back without a trace.
TEST(BulkMemoryTest, BlocksOfEverySizeHoldTheirBytesAtTheirAlignment)
{
    std::pmr::memory_resource* memory = BulkMemory();
    for (const size_t bytes : {size_t{1}, size_t{4096}, size_t{300} << 10, (size_t{3} << 20) + 1})
        for (const size_t alignment : {alignof(std::max_align_t), size_t{64}}) {
            SCOPED_TRACE(std::to_string(bytes) + " bytes at " + std::to_string(alignment));
            void* block = memory->allocate(bytes, alignment);
            ASSERT_NE(block, nullptr);
            EXPECT_EQ(reinterpret_cast<std::uintptr_t>(block) % alignment, 0u);
            auto* chars = static_cast<unsigned char*>(block);
            for (size_t i = 0; i < bytes; ++i)
                chars[i] = static_cast<unsigned char>(i * 7);
            bool kept = true;
            for (size_t i = 0; i < bytes && kept; ++i)
                kept = chars[i] == static_cast<unsigned char>(i * 7);
            EXPECT_TRUE(kept);
            memory->deallocate(block, bytes, alignment);
        }
    // A block given back serves the next of its size, and takes what that one writes.
    for (int round = 0; round < 3; ++round) {
        auto* block = static_cast<unsigned char*>(memory->allocate(size_t{3} << 20));
        block[0] = block[(size_t{3} << 20) - 1] = static_cast<unsigned char>(round);
        EXPECT_EQ(block[(size_t{3} << 20) - 1], round);
        memory->deallocate(block, size_t{3} << 20);
    }
    EXPECT_TRUE(memory->is_equal(*BulkMemory()));
    EXPECT_FALSE(memory->is_equal(*std::pmr::new_delete_resource()));
}

} // namespace

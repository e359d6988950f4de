#include "text/BulkMemory.h"

#include <cstdint>
#include <numeric>
#include <vector>

#include <gtest/gtest.h>

namespace nudgely {
namespace {

TEST(BulkMemoryTest, LargeBlocksStartOnAHugePageAndEverySizeHoldsItsValues)
{
    for (const std::size_t count : {std::size_t{10}, std::size_t{300'000}, std::size_t{1'500'000}}) {
        std::vector<int, BulkAllocator<int>> values(count);
        std::iota(values.begin(), values.end(), 0);
        values.push_back(-1); // grows into a new block, the old one given back
        EXPECT_EQ(values[count - 1], static_cast<int>(count) - 1);
        EXPECT_EQ(values.back(), -1);
        if (values.capacity() * sizeof(int) >= 2 * 1024 * 1024) { // else the heap's
            EXPECT_EQ(reinterpret_cast<std::uintptr_t>(values.data()) % (2 * 1024 * 1024), 0u) << count;
        }
    }
}

} // namespace
} // namespace nudgely

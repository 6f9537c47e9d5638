#include "reader/large_block.h"

#include <gtest/gtest.h>

#include <cstdint>

namespace kestrel {
namespace {

TEST(LargeBlockTest, BlocksAreZeroedAndLargeOnesAlignedToHugePages) {
  for (std::size_t bytes : {std::size_t{0}, std::size_t{100}, kHugePageSize - 8, kHugePageSize, 5 * kHugePageSize + 3}) {
    LargeBlock block = allocateLargeBlock(bytes);
    ASSERT_NE(block.get(), nullptr);
    if (bytes >= kHugePageSize) {
      EXPECT_EQ(reinterpret_cast<std::uintptr_t>(block.get()) % kHugePageSize, 0u);
    }
    for (std::size_t i = 0; i < bytes; i += 4093) ASSERT_EQ(block[i], std::byte{0}) << bytes << " " << i;
    if (bytes > 0) {
      EXPECT_EQ(block[bytes - 1], std::byte{0});
    }
  }
}

TEST(LargeBlockTest, ArraysStartAtZeroAndSwap) {
  struct Pair {
    std::uint32_t a;
    std::uint32_t b;
  };
  LargeArray<Pair> small(3);
  LargeArray<Pair> large(kHugePageSize / sizeof(Pair) + 1);
  for (const Pair& pair : large) ASSERT_TRUE(pair.a == 0 && pair.b == 0);
  large[large.size() - 1] = {7, 8};
  small.swap(large);
  EXPECT_EQ(large.size(), 3u);
  EXPECT_EQ(small[small.size() - 1].b, 8u);
  EXPECT_EQ(LargeArray<Pair>().size(), 0u);
}

}  // namespace
}  // namespace kestrel

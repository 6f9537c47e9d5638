#include "codegen/literals.h"

#include <gtest/gtest.h>

namespace kestrel {
namespace {

TEST(LiteralTableTest, EntriesAreSharedAndTheTableHoldsAtMost256) {
  LiteralTable table;
  EXPECT_EQ(table.indexFor(300), 0);
  EXPECT_EQ(table.indexFor(-1), 1);
  EXPECT_EQ(table.indexFor(65535), 2);  // equal 16 bits, different value
  EXPECT_EQ(table.indexFor(300), 0);
  for (int v = 1000; table.entries().size() < LiteralTable::kCapacity; ++v) table.indexFor(v);
  EXPECT_EQ(table.indexFor(99999), -1);
  EXPECT_EQ(table.indexFor(-1), 1);
  EXPECT_EQ(table.entries().size(), 256u);
}

}  // namespace
}  // namespace kestrel

#include "words/ram_banks.h"

#include <gtest/gtest.h>

namespace kestrel {
namespace {

TEST(RamBanksTest, FirstFitFromBankZeroEveryTime) {
  RamBanks banks;
  for (int i = 0; i < 15; ++i) ASSERT_EQ(banks.allocate(2), 0x26 + 2 * i);
  EXPECT_EQ(banks.allocate(4), 0x120);   // 2 bytes left in bank 0: too few
  EXPECT_EQ(banks.allocate(2), 0x44);    // ends exactly at the limit
  EXPECT_EQ(banks.allocate(0), 0x46);    // an empty area fits at the limit
  EXPECT_EQ(banks.allocate(224 - 4), 0x124);
  EXPECT_EQ(banks.allocate(224), 0x220);
  EXPECT_EQ(banks.allocate(225), std::nullopt);
}

TEST(RamBanksTest, HugeSizesFitNowhereAndChangeNothing) {
  RamBanks banks;
  EXPECT_EQ(banks.allocate(0xFFFFFFFEu), std::nullopt);
  EXPECT_EQ(banks.allocate(0xFFFFFFFFu), std::nullopt);
  EXPECT_EQ(banks.banks()[0].next, 0x26u);
  EXPECT_EQ(banks.allocate(1), 0x26);
}

TEST(RamBanksTest, StackSizeMovesBankZeroLimit) {
  RamBanks banks;
  EXPECT_EQ(banks.stackAreaStart(), 0x46u);
  banks.setStackSize(217);
  EXPECT_EQ(banks.stackAreaStart(), 0x27u);
  EXPECT_EQ(banks.allocate(1), 0x26);
  EXPECT_EQ(banks.allocate(1), 0x120);
}

}  // namespace
}  // namespace kestrel

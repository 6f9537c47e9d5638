#include "codegen/value_labels.h"

#include <gtest/gtest.h>

#include <string>

namespace kestrel {
namespace {

TEST(ValueLabelsTest, KeepsTheFirstShortLabelOfEachValueInRange) {
  ValueLabels labels;
  EXPECT_EQ(labels.find(5), std::nullopt);
  labels.add(5, "FIVE");
  labels.add(5, "CINQ");
  labels.add(-32768, "LOWEST");
  labels.add(65535, std::string(15, 'h'));
  labels.add(-32769, "BELOW");
  labels.add(65536, "ABOVE");
  labels.add(7, std::string(16, 'l'));
  labels.add(8, "");
  EXPECT_EQ(labels.find(5), "FIVE");
  EXPECT_EQ(labels.find(-32768), "LOWEST");
  EXPECT_EQ(labels.find(65535), std::string(15, 'h'));
  for (std::int32_t value : {-32769, 65536, 7, 8, 6, 0, -1}) {
    EXPECT_EQ(labels.find(value), std::nullopt) << value;
  }
}

}  // namespace
}  // namespace kestrel

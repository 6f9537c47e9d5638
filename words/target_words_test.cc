#include "words/target_words.h"

#include <gtest/gtest.h>

#include <string>

#include "reader/dictionary.h"

namespace kestrel {
namespace {

TEST(ValueListTest, KeepsTheFirstWordOfEachValue) {
  Dictionary words;
  ValueList list;
  const std::int32_t values[] = {-32769, -1, 0, 5, 65535, 65536, -2147483647 - 1, 2147483647};
  for (std::int32_t value : values) {
    EXPECT_EQ(list.find(value), nullptr);
    list.add(words.define<ValueWord>("v" + std::to_string(value), value));
    // A later word of the same value does not replace the first.
    list.add(words.define<ValueWord>("w" + std::to_string(value), value));
  }
  for (std::int32_t value : values) {
    ValueWord* word = list.find(value);
    ASSERT_NE(word, nullptr) << value;
    EXPECT_EQ(word->name(), "v" + std::to_string(value));
  }
  for (std::int32_t value : {-32768, -2, 1, 4, 6, 65534}) EXPECT_EQ(list.find(value), nullptr) << value;
}

// The table grows many times; values that share their low or high bits
// still come back, and values never entered are missed.
TEST(ValueListTest, FindsEveryValueThroughGrowth) {
  Dictionary words;
  ValueList list;
  auto valueOf = [](std::int32_t i) { return static_cast<std::int32_t>(static_cast<std::uint32_t>(i) * 65536u + 3u * static_cast<std::uint32_t>(i)); };
  for (std::int32_t i = 0; i < 5000; ++i) {
    list.add(words.define<ValueWord>("v" + std::to_string(i), valueOf(i)));
    list.add(words.define<ValueWord>("again" + std::to_string(i), valueOf(i)));
  }
  for (std::int32_t i = 0; i < 5000; ++i) {
    ValueWord* word = list.find(valueOf(i));
    ASSERT_NE(word, nullptr) << i;
    EXPECT_EQ(word->name(), "v" + std::to_string(i));
    EXPECT_EQ(list.find(valueOf(i) + 1), nullptr) << i;
  }
}

}  // namespace
}  // namespace kestrel

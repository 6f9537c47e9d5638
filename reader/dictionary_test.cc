#include "reader/dictionary.h"

#include <gtest/gtest.h>

#include "codegen/target_words.h"

namespace kestrel {
namespace {

TEST(DictionaryTest, FindsNamesInAnyLetterCaseAndRefusesDuplicates) {
  Dictionary words;
  EXPECT_EQ(words.find("dup"), nullptr);
  Word* dup = words.insert(std::make_unique<ColonWord>("dup"));
  ASSERT_NE(dup, nullptr);
  EXPECT_EQ(words.find("dUp"), dup);
  EXPECT_EQ(words.mostRecent(), dup);
  EXPECT_EQ(words.insert(std::make_unique<ColonWord>("DUP")), nullptr);
  EXPECT_EQ(words.mostRecent(), dup);
  EXPECT_EQ(words.count(), 1u);
  EXPECT_EQ(words.find("du"), nullptr);
  EXPECT_EQ(words.find("dupe"), nullptr);
  // Only ASCII letters fold.
  words.insert(std::make_unique<ColonWord>("\xe9"));
  EXPECT_EQ(words.find("\xc9"), nullptr);
}

TEST(DictionaryTest, ValueListKeepsTheFirstWordOfEachValue) {
  Dictionary words;
  auto* five = static_cast<ValueWord*>(words.insert(std::make_unique<ValueWord>("five", 5)));
  words.addValueWord(five, 5);
  auto* cinq = static_cast<ValueWord*>(words.insert(std::make_unique<ValueWord>("cinq", 5)));
  words.addValueWord(cinq, 5);
  EXPECT_EQ(words.findByValue(5), five);
  EXPECT_EQ(words.findByValue(6), nullptr);
}

TEST(DictionaryTest, ValueListHoldsValuesOfEveryRange) {
  Dictionary words;
  const std::int32_t values[] = {-32769, -32768, -1, 0, 63, 64, 65535, 65536, -2147483647 - 1, 2147483647};
  for (std::int32_t value : values) {
    EXPECT_EQ(words.findByValue(value), nullptr);
    auto word = std::make_unique<ValueWord>("v" + std::to_string(value), value);
    words.addValueWord(static_cast<ValueWord*>(words.insert(std::move(word))), value);
  }
  for (std::int32_t value : values) {
    ValueWord* word = words.findByValue(value);
    ASSERT_NE(word, nullptr) << value;
    EXPECT_EQ(word->name(), "v" + std::to_string(value));
  }
  for (std::int32_t value : {-32767, -2, 1, 62, 65, 65534, 65537}) EXPECT_EQ(words.findByValue(value), nullptr) << value;
}

}  // namespace
}  // namespace kestrel

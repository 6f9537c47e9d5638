#include "reader/text.h"

#include <gtest/gtest.h>

namespace kestrel {
namespace {

TEST(TextTest, EqualityFoldsOnlyAsciiLetters) {
  EXPECT_TRUE(equalsNoCase("DUP", "dup"));
  EXPECT_TRUE(equalsNoCase("Dup", "dUP"));
  EXPECT_TRUE(equalsNoCase("", ""));
  EXPECT_FALSE(equalsNoCase("dup", "dup "));
  // 0xE9 and 0xC9 are e-acute in Latin-1 lower and upper case: not folded.
  EXPECT_FALSE(equalsNoCase("\xe9", "\xc9"));
  // '[' and '{' differ by 0x20 like letters do, but are not letters.
  EXPECT_FALSE(equalsNoCase("[", "{"));
}

TEST(TextTest, OrderComparesFoldedBytesUnsigned) {
  EXPECT_TRUE(lessNoCase("abc", "ABD"));
  EXPECT_TRUE(lessNoCase("ab", "abc"));
  EXPECT_FALSE(lessNoCase("abc", "ab"));
  EXPECT_FALSE(lessNoCase("_x", "ax"));  // '_' (0x5F) sorts after folded 'A'
  EXPECT_TRUE(lessNoCase("ax", "_x"));
  EXPECT_TRUE(lessNoCase("", "a"));
  EXPECT_FALSE(lessNoCase("", ""));
  EXPECT_TRUE(lessNoCase("z", "\x80"));  // high bytes sort after letters
  EXPECT_FALSE(lessNoCase("Dup", "dup"));
}

TEST(TextTest, FoldedKeepsNonLetters) {
  EXPECT_EQ(folded("c@x_{}\xe9"), "C@X_{}\xe9");
}

}  // namespace
}  // namespace kestrel

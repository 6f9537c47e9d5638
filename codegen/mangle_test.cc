#include "codegen/mangle.h"

#include <gtest/gtest.h>

namespace kestrel {
namespace {

TEST(MangleTest, PlainNamesStayUnchanged) {
  EXPECT_EQ(mangle("dup"), "dup");
  EXPECT_EQ(mangle("Blink_2"), "Blink_2");
  EXPECT_EQ(mangle("_x"), "_x");
  EXPECT_EQ(mangle(""), "");
}

TEST(MangleTest, EachPunctuationRangeHasItsOwnMarker) {
  EXPECT_EQ(mangle("2>r"), "2TXr_QZX_");
  EXPECT_EQ(mangle("+!"), "KZAZ_QZX_");
  EXPECT_EQ(mangle("c@"), "cVX_QZX_");
  EXPECT_EQ(mangle("[']"), "aQGZcQ_QZX_");
  EXPECT_EQ(mangle("->"), "MZTX_QZX_");
  EXPECT_EQ(mangle("+"), "KZ_QZX_");
  EXPECT_EQ(mangle("/"), "OZ_QZX_");    // last of the first range
  EXPECT_EQ(mangle(":"), "PX_QZX_");
  EXPECT_EQ(mangle("`"), "fQ_QZX_");    // grave accent, last of the third range
}

TEST(MangleTest, CharactersNoAssemblerTakesInALabelAreReplacedToo) {
  EXPECT_EQ(mangle("a|b"), "ahQb_QZX_");
  EXPECT_EQ(mangle("{~}"), "gQjQiQ_QZX_");
  EXPECT_EQ(mangle("\xe9t\xe9"), "E9YtE9Y_QZX_");
  EXPECT_EQ(mangle(std::string_view("\x01\x7f\x80\xff\t\0", 6)), "01Y7FY80YFFY09Y00Y_QZX_");
  EXPECT_EQ(mangle("Dup?"), "DupUX_QZX_");  // letter case is kept
}

}  // namespace
}  // namespace kestrel

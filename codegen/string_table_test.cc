#include "codegen/string_table.h"

#include <gtest/gtest.h>

namespace kestrel {
namespace {

std::string dataLines(std::string_view text) {
  std::string lines;
  appendStringData(lines, text);
  return lines;
}

TEST(StringDataTest, TextGpasmReadsAsWrittenKeepsTheQuotedForm) {
  EXPECT_EQ(dataLines(""), "\tDATA \"\"\n");
  EXPECT_EQ(dataLines("a;b 'c'"), "\tDATA \"a;b 'c'\"\n");
  EXPECT_EQ(dataLines("\t\x01\x7f\xe9"), "\tDATA \"\t\x01\x7f\xe9\"\n");
}

TEST(StringDataTest, OtherTextIsPackedAsGpasmPacksQuotedText) {
  // Two bytes to a word, the first one high; an odd last byte gets a 0.
  EXPECT_EQ(dataLines("c:\\temp"), "\tDATA 0x633a, 0x5c74, 0x656d, 0x7000\n");
  EXPECT_EQ(dataLines("\\"), "\tDATA 0x5c00\n");
  EXPECT_EQ(dataLines("a\nb\r"), "\tDATA 0x610a, 0x620d\n");
  EXPECT_EQ(dataLines(std::string_view("\0\xff", 2)), "\tDATA 0xff\n");
  // Eight words to a line.
  EXPECT_EQ(dataLines("0123456789abcdef\\"),
            "\tDATA 0x3031, 0x3233, 0x3435, 0x3637, 0x3839, 0x6162, 0x6364, 0x6566\n"
            "\tDATA 0x5c00\n");
  EXPECT_EQ(dataLines("0123456789abcde\\"),
            "\tDATA 0x3031, 0x3233, 0x3435, 0x3637, 0x3839, 0x6162, 0x6364, 0x655c\n");
}

}  // namespace
}  // namespace kestrel

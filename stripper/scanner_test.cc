#include "stripper/scanner.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

namespace kestrel::strip {
namespace {

using Strings = std::vector<std::string>;

Strings allLines(const std::string& text) {
  std::istringstream in(text);
  Scanner scanner(in);
  Strings lines;
  while (!scanner.atEnd()) lines.push_back(scanner.takeRestOfLine());
  return lines;
}

TEST(ScannerTest, OnlyCarriageReturnBeforeLineFeedBelongsToLineEnd) {
  EXPECT_EQ(allLines("a\r\nb\nc"), (Strings{"a", "b", "c"}));
  EXPECT_EQ(allLines("a\rb\r\r\n"), (Strings{"a\rb\r"}));
  EXPECT_EQ(allLines("last\r"), (Strings{"last\r"}));
  EXPECT_EQ(allLines("\n\r\n"), (Strings{"", ""}));
  EXPECT_EQ(allLines(""), Strings{});
}

TEST(ScannerTest, LineEndSplitAcrossBufferRefill) {
  // The CR is the last byte of the first 64 KiB read, its LF the first of the next.
  std::string first(64 * 1024 - 1, 'x');
  std::string second(70 * 1024, 'y');
  EXPECT_EQ(allLines(first + "\r\n" + second + "\r\n" + "z"), (Strings{first, second, "z"}));
}

TEST(ScannerTest, TokensSpanLinesAndStopBeforeTheirSeparator) {
  std::istringstream in(" \tcall\r\n\n  _x\v\f;c\rlongtoken\nrest\n");
  Scanner scanner(in);
  Strings tokens;
  std::string token;
  for (int i = 0; i < 4 && scanner.nextToken(token, 4); ++i) tokens.push_back(token);
  EXPECT_EQ(tokens, (Strings{"call", "_x", ";c", "long"}));
  EXPECT_EQ(scanner.takeRestOfLine(), "");  // the cut token was consumed whole
  EXPECT_TRUE(scanner.nextToken(token));
  EXPECT_EQ(token, "rest");
  EXPECT_FALSE(scanner.nextToken(token));
  EXPECT_EQ(token, "");
}

}  // namespace
}  // namespace kestrel::strip

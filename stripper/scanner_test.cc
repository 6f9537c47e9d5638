#include "stripper/scanner.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

namespace kestrel::strip {
namespace {

std::vector<std::string> allLines(const std::string& text) {
  std::istringstream in(text);
  Scanner scanner(in);
  std::vector<std::string> lines;
  while (!scanner.atEnd()) lines.push_back(scanner.takeRestOfLine());
  return lines;
}

std::vector<std::string> allTokens(const std::string& text, std::size_t keep = std::string::npos) {
  std::istringstream in(text);
  Scanner scanner(in);
  std::vector<std::string> tokens;
  std::string token;
  while (scanner.nextToken(token, keep)) tokens.push_back(token);
  EXPECT_EQ(token, "");
  return tokens;
}

using Lines = std::vector<std::string>;

TEST(ScannerTest, OnlyCarriageReturnBeforeLineFeedBelongsToLineEnd) {
  EXPECT_EQ(allLines("a\r\nb\nc"), (Lines{"a", "b", "c"}));
  EXPECT_EQ(allLines("a\rb\r\r\n"), (Lines{"a\rb\r"}));
  EXPECT_EQ(allLines("last\r"), (Lines{"last\r"}));
  EXPECT_EQ(allLines("\n\r\n"), (Lines{"", ""}));
  EXPECT_EQ(allLines(""), Lines{});
}

TEST(ScannerTest, LineEndSplitAcrossBufferRefill) {
  // The CR is the last byte of the first 64 KiB read, its LF the first of
  // the next one.
  std::string first(64 * 1024 - 1, 'x');
  std::string second(70 * 1024, 'y');
  EXPECT_EQ(allLines(first + "\r\n" + second + "\r\n" + "z"), (Lines{first, second, "z"}));
}

TEST(ScannerTest, BinaryBytesAreOrdinaryCharacters) {
  std::string line("a\0b\xff\x80", 5);
  EXPECT_EQ(allLines(line + "\n"), (Lines{line}));
  EXPECT_EQ(allTokens(line + " \x01"), (Lines{line, "\x01"}));
}

TEST(ScannerTest, CopyWritesLineWithLineFeedAndKeepsLongLines) {
  std::string longLine(100 * 1000, 'q');
  std::istringstream in(longLine + "\r\nshort\r\nlast");
  Scanner scanner(in);
  std::ostringstream out;
  while (!scanner.atEnd()) scanner.copyRestOfLine(out);
  EXPECT_EQ(out.str(), longLine + "\nshort\nlast\n");
}

TEST(ScannerTest, TokensSpanLinesAndStopBeforeTheirSeparator) {
  EXPECT_EQ(allTokens(" \tcall\r\n\n  _x\v\f;c\rd "), (Lines{"call", "_x", ";c", "d"}));
  EXPECT_EQ(allTokens("   \n\r\n"), Lines{});

  std::istringstream in("_label\nnext line\r\n");
  Scanner scanner(in);
  std::string token;
  ASSERT_TRUE(scanner.nextToken(token));
  EXPECT_EQ(token, "_label");
  EXPECT_EQ(scanner.takeRestOfLine(), "");
  EXPECT_EQ(scanner.takeRestOfLine(), "next line");
  EXPECT_TRUE(scanner.atEnd());
}

TEST(ScannerTest, TokenCutToKeptLengthIsStillConsumedWhole) {
  EXPECT_EQ(allTokens("abcdefgh ij", 3), (Lines{"abc", "ij"}));
}

TEST(ScannerTest, ConsumePrefixStopsAtFirstMismatchAndAtLineEnd) {
  std::istringstream in(";!#x\n;!\r\n;!###y");
  Scanner scanner(in);
  EXPECT_EQ(scanner.consumePrefix(";!###"), 3u);
  EXPECT_EQ(scanner.takeRestOfLine(), "x");
  EXPECT_EQ(scanner.consumePrefix(";!###"), 2u);
  EXPECT_EQ(scanner.takeRestOfLine(), "");
  EXPECT_EQ(scanner.consumePrefix(";!###"), 5u);
  EXPECT_EQ(scanner.takeRestOfLine(), "y");
  EXPECT_EQ(scanner.consumePrefix(";!###"), 0u);
  EXPECT_FALSE(scanner.readFailed());
}

}  // namespace
}  // namespace kestrel::strip

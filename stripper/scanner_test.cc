#include "stripper/scanner.h"

#include <gtest/gtest.h>

#include <random>
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

// The scanner's operations written plainly on a whole text.
class PlainScanner {
 public:
  explicit PlainScanner(std::string text) : text_(std::move(text)) {}

  bool linesUntil(std::string_view prefix, std::string* copy) {
    for (;;) {
      if (std::string_view(text_).substr(at_).starts_with(prefix)) {
        at_ += prefix.size();
        return true;
      }
      if (at_ == text_.size()) return false;
      std::string line = restOfLine();
      if (copy) *copy += line + "\n";
    }
  }
  std::string restOfLine() {
    std::size_t end = text_.find('\n', at_);
    std::size_t next = end == std::string::npos ? text_.size() : end + 1;
    if (end == std::string::npos) end = text_.size();
    if (end > at_ && end < text_.size() && text_[end - 1] == '\r') --end;
    std::string line = text_.substr(at_, end - at_);
    at_ = next;
    return line;
  }
  bool nextToken(std::string& token, std::size_t keep) {
    while (at_ < text_.size() && isTokenSeparator(static_cast<unsigned char>(text_[at_]))) ++at_;
    std::size_t start = at_;
    while (at_ < text_.size() && !isTokenSeparator(static_cast<unsigned char>(text_[at_]))) ++at_;
    token = text_.substr(start, std::min(at_ - start, keep));
    return at_ > start;
  }
  bool atEnd() const { return at_ == text_.size(); }

 private:
  std::string text_;
  std::size_t at_ = 0;
};

std::string randomText(std::mt19937& random) {
  const std::vector<std::string> pieces = {";!###", ";!##", ";!#", ";", "\r", "\n", "\r\n", "x", "call",
                                           " ", "\t", std::string(37, 'y'), std::string("\0", 1)};
  std::uniform_int_distribution<std::size_t> pick(0, pieces.size() - 1);
  std::uniform_int_distribution<int> length(0, 60);
  std::string text;
  for (int n = length(random); n > 0; --n) text += pieces[pick(random)];
  return text;
}

// Random texts and random sequences of operations, read through buffers of
// many sizes, so that line ends, prefixes and tokens fall across refills.
TEST(ScannerTest, BufferedOperationsAgreeWithPlainOnes) {
  std::mt19937 random(31337);
  std::uniform_int_distribution<int> operation(0, 3);
  std::uniform_int_distribution<std::size_t> keep(1, 8);
  for (int round = 0; round < 3000; ++round) {
    std::string text = randomText(random);
    std::size_t bufferSize = 1 + round % 24;
    std::istringstream in(text);
    Scanner scanner(in, bufferSize);
    PlainScanner plain(text);
    std::string log, plainLog;
    for (int step = 0; step < 200 && !plain.atEnd(); ++step) {
      switch (operation(random)) {
        case 0: {
          std::ostringstream copy;
          bool found;
          {
            OutputBuffer out(copy, 1 + step % 5);
            found = scanner.copyLinesUntil(";!###", out);
          }
          std::string plainCopy;
          bool plainFound = plain.linesUntil(";!###", &plainCopy);
          log += copy.str() + (found ? "|found|" : "|end|");
          plainLog += plainCopy + (plainFound ? "|found|" : "|end|");
          break;
        }
        case 1:
          log += scanner.skipLinesUntil(";!#") ? "|skip|" : "|skip end|";
          plainLog += plain.linesUntil(";!#", nullptr) ? "|skip|" : "|skip end|";
          break;
        case 2:
          log += scanner.takeRestOfLine() + "|line|";
          plainLog += plain.restOfLine() + "|line|";
          break;
        default: {
          std::size_t kept = keep(random);
          std::string token, plainToken;
          log += (scanner.nextToken(token, kept) ? "|token " : "|no token ") + token;
          plainLog += (plain.nextToken(plainToken, kept) ? "|token " : "|no token ") + plainToken;
          break;
        }
      }
      ASSERT_EQ(log, plainLog) << "round " << round << ", buffer " << bufferSize;
    }
    EXPECT_TRUE(scanner.atEnd()) << "round " << round;
  }
}

TEST(ScannerTest, LinesLongerThanTheBufferAreCopiedWhole) {
  std::string longLine(5000, 'z');
  std::istringstream in(longLine + "\r\n" + longLine + "\r\r\n;!###rest");
  Scanner scanner(in, 16);
  std::ostringstream copy;
  {
    OutputBuffer out(copy, 7);
    EXPECT_TRUE(scanner.copyLinesUntil(";!###", out));
  }
  EXPECT_EQ(copy.str(), longLine + "\n" + longLine + "\r\n");
  EXPECT_EQ(scanner.takeRestOfLine(), "rest");
  EXPECT_TRUE(scanner.atEnd());
}

}  // namespace
}  // namespace kestrel::strip

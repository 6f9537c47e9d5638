#include "reader/source_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "reader/source_stack.h"
#include "reader/tokenizer.h"

namespace kestrel {
namespace {

namespace fs = std::filesystem;

class SourceFileTest : public testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() / ("kestrel-source-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
                                        testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::create_directories(dir_);
  }
  void TearDown() override { fs::remove_all(dir_); }

  std::string write(const std::string& name, const std::string& contents) {
    std::string path = (dir_ / name).string();
    std::ofstream(path, std::ios::binary) << contents;
    return path;
  }

  std::string readAll(SourceFile& file) {
    std::string text;
    for (int c; (c = file.get()) != SourceFile::kEnd;) text.push_back(static_cast<char>(c));
    return text;
  }

  fs::path dir_;
};

TEST_F(SourceFileTest, CarriageReturnBeforeLineFeedReadsAsLineFeed) {
  auto file = SourceFile::open(write("a.f", "a\r\nb\rc\r\r\n\r"), "a.f");
  ASSERT_TRUE(file);
  EXPECT_EQ(readAll(*file), "a\nb\rc\r\n\r");
  EXPECT_EQ(file->line(), 3);
  EXPECT_FALSE(file->good());
}

TEST_F(SourceFileTest, CarriageReturnLineFeedAcrossBufferBoundary) {
  // The pair straddles the 64 KiB read buffer.
  std::string text(65535, 'x');
  text += "\r\nend";
  auto file = SourceFile::open(write("big.f", text), "big.f");
  std::string read = readAll(*file);
  EXPECT_EQ(read.size(), 65535u + 4u);
  EXPECT_EQ(read.substr(65535), "\nend");
  EXPECT_EQ(file->line(), 2);
}

TEST_F(SourceFileTest, PeekDoesNotTakeOrCountLines) {
  auto file = SourceFile::open(write("a.f", "\nx"), "a.f");
  EXPECT_EQ(file->peek(), '\n');
  EXPECT_EQ(file->peek(), '\n');
  EXPECT_EQ(file->line(), 1);
  EXPECT_EQ(file->get(), '\n');
  EXPECT_EQ(file->line(), 2);
  EXPECT_EQ(file->get(), 'x');
  EXPECT_TRUE(file->good());  // the end has not been met yet
  EXPECT_EQ(file->peek(), SourceFile::kEnd);
  EXPECT_FALSE(file->good());
}

TEST_F(SourceFileTest, SuspendedFileResumesWhereItStopped) {
  std::string text;
  for (int i = 0; i < 30000; ++i) text.append("w").append(std::to_string(i)).append(" ");
  auto file = SourceFile::open(write("a.f", text), "a.f");
  std::string head;
  for (int i = 0; i < 70000; ++i) head.push_back(static_cast<char>(file->get()));
  file->suspend();
  file->resume();
  EXPECT_EQ(head + readAll(*file), text);
}

// A suspended file is read on only when its name still leads to the same
// file, holding at least what was read: otherwise old and new texts would
// be spliced.
TEST_F(SourceFileTest, ResumeRefusesAFileRenamedReplacedOrShortened) {
  std::string text(200000, 'x');
  enum Change { kRenamed, kReplaced, kShortened, kGrown };
  for (Change change : {kRenamed, kReplaced, kShortened, kGrown}) {
    std::string path = write("a.f", text);
    auto file = SourceFile::open(path, "a.f");
    for (int i = 0; i < 100000; ++i) file->get();
    file->suspend();
    switch (change) {
      case kRenamed: fs::rename(path, path + ".old"); break;
      case kReplaced:
        fs::rename(path, path + ".old");
        write("a.f", text);
        break;
      case kShortened: fs::resize_file(path, 99999); break;
      case kGrown: write("a.f", text + "yz"); break;  // the same file, written over
    }
    bool resumed = file->resume();
    EXPECT_EQ(resumed, change == kGrown) << change;
    if (resumed) {
      EXPECT_EQ(readAll(*file), std::string(100000, 'x') + "yz");
    } else {
      EXPECT_FALSE(file->good()) << change;
    }
    fs::remove(path + ".old");
  }
}

TEST_F(SourceFileTest, TokensAreCutAtBlanksAndLineFeedsOnly) {
  SourceStack sources;
  sources.push(SourceFile::open(write("a.f", "  dup\tdrop\n\x01\xff swap\r\nover\rrot " + std::string(200, 'a') + " last"), "a.f"));
  Tokenizer tokens(sources);
  EXPECT_EQ(tokens.next(), "dup\tdrop");
  EXPECT_EQ(sources.positionLine(), 1);  // the line feed is not read yet
  EXPECT_EQ(tokens.next(), "swap");
  EXPECT_EQ(sources.positionLine(), 2);
  EXPECT_EQ(tokens.peek(), "over\rrot");
  EXPECT_EQ(tokens.peek(), "over\rrot");
  EXPECT_EQ(tokens.next(), "over\rrot");
  EXPECT_EQ(tokens.next(), std::string(199, 'a'));
  EXPECT_EQ(tokens.next(), "a");
  EXPECT_EQ(tokens.peek(), "last");
  tokens.dropLookahead();
  EXPECT_EQ(tokens.next(), "");
  EXPECT_FALSE(sources.good());
}

TEST(NumberTest, RecognisesDecimalIntegersOnly) {
  for (const char* yes : {"0", "-0", "007", "-12", "4294967295"}) EXPECT_TRUE(isNumber(yes)) << yes;
  for (const char* no : {"", "-", "-x", "0x10", "$10", "10h", "+5", "1.5", "5-"}) EXPECT_FALSE(isNumber(no)) << no;
}

TEST(NumberTest, ValuesWrapModulo2To32AndLongTokensAreRefused) {
  EXPECT_EQ(tokenValue("4294967295"), -1);
  EXPECT_EQ(tokenValue("2147483648"), INT32_MIN);
  EXPECT_EQ(tokenValue("12345678901234"), 1942892530);
  EXPECT_EQ(tokenValue("-7"), -7);
  EXPECT_EQ(tokenValue("abc"), 0);
  EXPECT_EQ(tokenValue("+5"), 5);
  EXPECT_EQ(tokenValue("123456789012345"), std::nullopt);
  EXPECT_EQ(tokenValue("-12345678901234"), std::nullopt);
  EXPECT_EQ(parseDecimal(" \t-300x"), -300);
  EXPECT_EQ(parseDecimal("0x100"), 0);
}

}  // namespace
}  // namespace kestrel

namespace kestrel {
namespace {

std::optional<std::int32_t> prefixedValue(std::string_view token) {
  PrefixedNumber number = prefixedNumber(token);
  if (!number.isNumber) return std::nullopt;
  EXPECT_TRUE(number.fits) << token;
  return number.value;
}

TEST(NumberTest, PrefixesSelectTheRadixWithAnOptionalMinusAfterThem) {
  EXPECT_EQ(prefixedValue("$ff"), 255);
  EXPECT_EQ(prefixedValue("$FfFf"), 65535);
  EXPECT_EQ(prefixedValue("$-10"), -16);
  EXPECT_EQ(prefixedValue("#-12"), -12);
  EXPECT_EQ(prefixedValue("#0079"), 79);
  EXPECT_EQ(prefixedValue("%1010"), 10);
  EXPECT_EQ(prefixedValue("%-1"), -1);
  EXPECT_EQ(prefixedValue("$ffffffff"), -1);
  EXPECT_EQ(prefixedValue("$-80000000"), INT32_MIN);
  EXPECT_EQ(prefixedValue("%00000000000000000000000000000000000001"), 1);  // leading zeros do not overflow
}

TEST(NumberTest, QuotedCharacterIsItsCode) {
  EXPECT_EQ(prefixedValue("'a'"), 97);
  EXPECT_EQ(prefixedValue("'''"), 39);
  EXPECT_EQ(prefixedValue("'\xe9'"), 0xe9);  // a byte above 0x7F is not negative
}

TEST(NumberTest, OtherTokensAreNoPrefixedNumbers) {
  for (const char* no : {"", "$", "#", "%", "$-", "-$10", "$fg", "#1a", "%102", "$1-", "$+1", "'", "''",
                         "'ab'", "'a", "a'", "0x10", "10"}) {
    EXPECT_FALSE(prefixedNumber(no).isNumber) << no;
  }
}

TEST(NumberTest, PrefixedNumberPast32BitsDoesNotFit) {
  for (const char* big : {"$100000000", "#4294967296", "$-100000000", "%111111111111111111111111111111111"}) {
    PrefixedNumber number = prefixedNumber(big);
    EXPECT_TRUE(number.isNumber) << big;
    EXPECT_FALSE(number.fits) << big;
  }
  EXPECT_FALSE(prefixedNumber("$100000000g").isNumber);  // a bad digit still makes it no number
}

}  // namespace
}  // namespace kestrel

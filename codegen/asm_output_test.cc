// The output file must hold exactly what was written, in order, whether it
// is small, spans many buffers (written in the background), is written over
// an older and longer file, or receives text larger than a buffer.
#include "codegen/asm_output.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <random>
#include <fstream>
#include <sstream>

namespace kestrel {
namespace {

namespace fs = std::filesystem;

class AsmOutputTest : public testing::Test {
 protected:
  void SetUp() override {
    path_ = (fs::temp_directory_path() /
             ("kestrel-asm-output-" + std::to_string(std::random_device{}()) + "-" +
              std::string(testing::UnitTest::GetInstance()->current_test_info()->name())))
                .string();
    fs::remove(path_);
  }
  void TearDown() override { fs::remove(path_); }

  std::string contents() const {
    std::ifstream in(path_, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
  }
  void writeFile(const std::string& text) const { std::ofstream(path_, std::ios::binary) << text; }

  // Writes lines of varied length and numbers through `out`, keeping a copy.
  static std::string writeLines(AsmOutput& out, int count) {
    std::string expected;
    for (int i = 0; i < count; ++i) {
      std::string word(static_cast<std::size_t>(i % 37), static_cast<char>('a' + i % 26));
      out.text("\tcall _").text(word).text(" ").hex(i).text(" ").decimal(-i).endLine();
      expected += "\tcall _" + word + " " + hexNumber(i) + " " + std::to_string(-i) + "\n";
    }
    return expected;
  }

  std::string path_;
};

TEST_F(AsmOutputTest, SmallOutputIsWrittenOnClose) {
  AsmOutput out;
  ASSERT_TRUE(out.open(path_));
  std::string expected = writeLines(out, 10);
  EXPECT_TRUE(out.close());
  EXPECT_EQ(contents(), expected);
}

// A full device takes nothing: closing says so, whether the text went out
// in line or through the background writer.
TEST_F(AsmOutputTest, CloseReportsTextThatCouldNotBeWritten) {
  if (!fs::exists("/dev/full")) GTEST_SKIP() << "no /dev/full here";
  for (int lines : {10, 10000, 200000}) {
    AsmOutput out;
    ASSERT_TRUE(out.open("/dev/full"));
    writeLines(out, lines);
    EXPECT_FALSE(out.close()) << lines;
    EXPECT_TRUE(out.close());  // nothing open any more
  }
}

// Pieces of every short length are copied by size class: each byte lands
// in its place, whatever the length and the place in the buffer.
TEST_F(AsmOutputTest, TextOfEveryShortLengthIsCopiedWhole) {
  AsmOutput out;
  ASSERT_TRUE(out.open(path_));
  std::string expected;
  for (int round = 0; round < 3; ++round) {
    for (std::size_t size = 0; size <= 40; ++size) {
      std::string piece;
      for (std::size_t i = 0; i < size; ++i) piece += static_cast<char>('a' + (i + size + round) % 26);
      out.text(piece);
      expected += piece;
    }
    out.endLine();
    expected += '\n';
  }
  ASSERT_TRUE(out.close());
  EXPECT_EQ(contents(), expected);
}

TEST_F(AsmOutputTest, OutputOfManyBuffersKeepsItsOrder) {
  AsmOutput out;
  ASSERT_TRUE(out.open(path_));
  std::string expected = writeLines(out, 400000);  // about 12 MB
  EXPECT_TRUE(out.close());
  EXPECT_EQ(contents().size(), expected.size());
  EXPECT_TRUE(contents() == expected);
}

TEST_F(AsmOutputTest, TextLargerThanABufferGoesOutWhole) {
  AsmOutput out;
  ASSERT_TRUE(out.open(path_));
  std::string expected = writeLines(out, 3);
  std::string big(3 << 20, 'x');
  for (std::size_t i = 0; i < big.size(); i += 4093) big[i] = static_cast<char>('0' + i % 10);
  out.text(big);
  expected += big;
  expected += writeLines(out, 3);
  out.close();
  EXPECT_TRUE(contents() == expected);
}

TEST_F(AsmOutputTest, LongerOlderFileIsCutToWhatWasWritten) {
  writeFile(std::string(5 << 20, '#'));
  AsmOutput out;
  ASSERT_TRUE(out.open(path_));
  std::string expected = writeLines(out, 1000);
  out.close();
  EXPECT_TRUE(contents() == expected);

  ASSERT_TRUE(out.open(path_));  // the same object again, nothing written
  out.close();
  EXPECT_EQ(contents(), "");
}

TEST_F(AsmOutputTest, OlderFilesOfEverySizeLeaveNoText) {
  for (std::size_t oldSize : {std::size_t{100}, std::size_t{500000}, std::size_t{3} << 20}) {
    for (int lines : {0, 10, 10000, 200000}) {
      writeFile(std::string(oldSize, '#'));
      AsmOutput out;
      ASSERT_TRUE(out.open(path_));
      std::string expected = writeLines(out, lines);
      out.close();
      ASSERT_TRUE(contents() == expected) << oldSize << " " << lines;
    }
  }
}

TEST_F(AsmOutputTest, DestructionClosesLikeClose) {
  writeFile(std::string(1 << 20, '#'));
  std::string expected;
  {
    AsmOutput out;
    ASSERT_TRUE(out.open(path_));
    expected = writeLines(out, 50000);
  }
  EXPECT_TRUE(contents() == expected);
}

// Until closed, the text goes to a file of its own beside the older one,
// which stays whole; dropping the output leaves the older file as it was.
TEST_F(AsmOutputTest, OlderFileStaysWholeUntilClosed) {
  const std::string old(300000, '#');
  auto others = [&] {
    int count = 0;
    for (const auto& entry : fs::directory_iterator(fs::path(path_).parent_path())) {
      count += entry.path().filename().string().rfind(fs::path(path_).filename().string() + ".kcomp-", 0) == 0;
    }
    return count;
  };
  writeFile(old);
  AsmOutput out;
  ASSERT_TRUE(out.open(path_));
  std::string expected = writeLines(out, 100000);
  out.flush();
  EXPECT_TRUE(contents() == old);
  EXPECT_EQ(others(), 1);
  EXPECT_TRUE(out.close());
  EXPECT_TRUE(contents() == expected);
  EXPECT_EQ(others(), 0);

  ASSERT_TRUE(out.open(path_));
  writeLines(out, 100000);
  out.discard();
  EXPECT_TRUE(contents() == expected);
  EXPECT_EQ(others(), 0);
  EXPECT_FALSE(out.open(""));
}

TEST_F(AsmOutputTest, UnopenedOutputSwallowsText) {
  AsmOutput out;
  EXPECT_FALSE(out.open((fs::path(path_) / "no" / "such" / "dir").string()));
  writeLines(out, 100000);
  out.close();
  EXPECT_FALSE(fs::exists(path_));
}

}  // namespace
}  // namespace kestrel

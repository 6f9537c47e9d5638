// Intel HEX loading: gpasm's INHX32 layout and the malformed inputs that
// must be refused with a line number.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "pic17sim/hexfile.h"
#include "pic17sim/input.h"

namespace pic17sim {
namespace {

TEST(HexFile, LoadsWordsLowByteFirstWithLinearAddresses) {
  Cpu cpu;
  loadHex(":020000040000FA\r\n"
          ":0400000040C0FFEE0F\r\n"
          "\r\n"
          ":0100130042AA\n"
          ":020000040001F9\n"
          ":02FC00003412BC\n"
          ":00000001FF\n",
          "t.hex", cpu);
  EXPECT_EQ(cpu.programWord(0x0000), 0xC040);
  EXPECT_EQ(cpu.programWord(0x0001), 0xEEFF);
  EXPECT_EQ(cpu.programWord(0xFE00), 0x1234);
  EXPECT_EQ(cpu.programWord(0x0009), 0x42FF);  // odd byte: high half only
  EXPECT_EQ(cpu.programWord(0x0002), 0xFFFF);  // untouched: erased
}

TEST(HexFile, SegmentAddressesAndRecordsAfterTheEndAreHandled) {
  Cpu cpu;
  loadHex(":020000021000EC\n:020000003412B8\n:00000001FF\n:020000001234B8\n", "t.hex", cpu);
  EXPECT_EQ(cpu.programWord(0x8000), 0x1234);
  EXPECT_EQ(cpu.programWord(0x0000), 0xFFFF);
}

const std::pair<const char*, const char*> kMalformed[] = {
      {"", "t.hex:0: missing end-of-file record"},
      {":020000003412B8\n", "t.hex:1: missing end-of-file record"},
      {"\n020000003412B8\n", "t.hex:2: a record must start with ':'"},
      {":020000003412B9\n", "t.hex:1: checksum mismatch"},
      {":0200000034129\n", "t.hex:1: odd number of hex digits"},
      {":02000000341G98\n", "t.hex:1: not a hex digit"},
      {":03000000341298\n", "t.hex:1: record length does not match its byte count"},
      {":00\n", "t.hex:1: record length does not match its byte count"},
      {":00000006FA\n", "t.hex:1: unknown record type 6"},
      {":01000001FFFF\n", "t.hex:1: end-of-file record with data"},
      {":0100000400FB\n", "t.hex:1: address record must hold 2 bytes"},
      {":020000040002F8\n:0100000000FF\n", "t.hex:2: address beyond program memory"},
      {":020000040001F9\n:02FFFF00000000\n", "t.hex:2: address beyond program memory"},
};

TEST(HexFile, MalformedInputIsRefusedWithItsLine) {
  for (const auto& [text, message] : kMalformed) {
    Cpu cpu;
    try {
      loadHex(text, "t.hex", cpu);
      ADD_FAILURE() << "accepted: " << text;
    } catch (const InputError& e) {
      EXPECT_EQ(std::string(e.what()), message);
    }
  }
}

// A file is read line by line rather than whole, with the same results.
TEST(HexFile, FileReadsLikeItsText) {
  std::string path = (std::filesystem::temp_directory_path() /
                      ("pic17sim-hex-" + std::to_string(testing::UnitTest::GetInstance()->random_seed()) + ".hex"))
                         .string();
  auto load = [&](const std::string& text, Cpu& cpu) {
    std::ofstream(path, std::ios::binary) << text;
    loadHexFile(path, cpu);
  };
  Cpu cpu;
  load(":020000040000FA\r\n:0400000040C0FFEE0F\r\n\r\n:00000001FF\r\n:020000001234B8", cpu);
  EXPECT_EQ(cpu.programWord(0x0000), 0xC040);
  EXPECT_EQ(cpu.programWord(0x0001), 0xEEFF);
  for (const auto& [text, message] : kMalformed) {
    Cpu fresh;
    try {
      load(text, fresh);
      ADD_FAILURE() << "accepted: " << text;
    } catch (const InputError& e) {
      EXPECT_EQ(std::string(e.what()), path + std::string(message).substr(5));
    }
  }
  std::filesystem::remove(path);
}

TEST(HexFile, MissingFileIsAnInputError) {
  Cpu cpu;
  EXPECT_THROW(loadHexFile("/nonexistent/dir/x.hex", cpu), InputError);
  EXPECT_THROW(loadHexFile(".", cpu), InputError);
}

}  // namespace
}  // namespace pic17sim

// The decoder checked against gputils: every mnemonic is assembled by gpasm
// with a spread of operand values, and the whole opcode map is compared
// with gpdasm's reading of it.
#include <gtest/gtest.h>

#include <cstdio>
#include <sstream>

#include "pic17sim/decode.h"
#include "pic17sim/hexfile.h"
#include "pic17sim/test_sim.h"
#include "pic17sim/test_tools.h"

namespace pic17sim::test {
namespace {

std::string hex(unsigned value, int digits) {
  char text[16];
  std::snprintf(text, sizeof text, "0x%0*x", digits, value);
  return text;
}

// Canonical lines for one mnemonic, operands written as disassemble() does.
std::vector<std::string> linesFor(const OpInfo& info) {
  std::string m = std::string(info.mnemonic) + " ";
  std::vector<std::string> lines;
  auto add = [&](const std::string& operands) { lines.push_back(m + operands); };
  const unsigned files[] = {0x00, 0x0a, 0x25, 0xff};
  switch (info.format) {
    case Format::None: lines.push_back(info.mnemonic); break;
    case Format::FileDest:
    case Format::FileS:
      for (unsigned f : files) for (int d : {0, 1}) add(hex(f, 2) + ", " + std::to_string(d));
      break;
    case Format::File:
      for (unsigned f : files) add(hex(f, 2));
      break;
    case Format::FileBit:
      for (unsigned f : {0x04, 0xff}) for (int b = 0; b < 8; ++b) add(hex(f, 2) + ", " + std::to_string(b));
      break;
    case Format::FileP:
      for (unsigned f : files) for (unsigned p : {0x00, 0x0a, 0x11, 0x1f}) add(hex(f, 2) + ", " + hex(p, 2));
      break;
    case Format::PFile:
      for (unsigned f : files) for (unsigned p : {0x00, 0x0a, 0x11, 0x1f}) add(hex(p, 2) + ", " + hex(f, 2));
      break;
    case Format::LatchFile:
      for (int t : {0, 1}) for (unsigned f : files) add(std::to_string(t) + ", " + hex(f, 2));
      break;
    case Format::LatchIncFile:
      for (int t : {0, 1}) for (int i : {0, 1}) add(std::to_string(t) + ", " + std::to_string(i) + ", 0x25");
      break;
    case Format::Literal:
      for (unsigned k : {0x00, 0x01, 0x7f, 0x80, 0xff}) add(hex(k, 2));
      break;
    case Format::LowNibble:
    case Format::HighNibble:
      for (unsigned k = 0; k < 16; ++k) add(hex(k, 2));
      break;
    case Format::Address13:
      for (unsigned k : {0x0000, 0x0001, 0x0123, 0x1fff}) add(hex(k, 4));
      break;
  }
  return lines;
}

TEST(Gpasm, EveryMnemonicDecodesAsAssembled) {
  if (!haveGpasm()) GTEST_SKIP() << "gpasm is not installed";
  std::vector<std::string> lines;
  for (int op = 0; op < kOpCount - 1; ++op) {
    for (const std::string& line : linesFor(opInfo(static_cast<Op>(op)))) lines.push_back(line);
  }
  lines.push_back("dw 0x0001");
  lines.push_back("dw 0xb900");
  std::string body = "\torg 0\n";
  for (const std::string& line : lines) body += "\t" + line + "\n";
  TempDir dir;
  std::string hexPath = assembleWithGpasm(dir, "all", body);
  ASSERT_FALSE(hexPath.empty());
  Cpu cpu;
  loadHexFile(hexPath, cpu);
  ASSERT_GT(lines.size(), 300u);
  for (std::size_t i = 0; i < lines.size(); ++i) {
    std::uint16_t word = cpu.programWord(static_cast<std::uint16_t>(i));
    EXPECT_EQ(disassemble(word), lines[i]) << "word " << hex(word, 4);
    EXPECT_EQ(assemble(lines[i]), word) << lines[i];
  }
}

TEST(Gpasm, OpcodeMapMatchesGpdasm) {
  if (!haveGpasm()) GTEST_SKIP() << "gputils is not installed";
  // Word value v at address v, except the configuration words 0xFE00-0xFE0F,
  // which gpdasm shows as data.
  std::vector<std::uint16_t> words(0x10000);
  for (unsigned v = 0; v < 0x10000; ++v) words[v] = static_cast<std::uint16_t>(v);
  TempDir dir;
  std::vector<std::uint16_t> below(words.begin(), words.begin() + 0xFE00);
  dir.write("map.hex", hexImage(0, below));
  std::string listing = dir.file("map.dis");
  ASSERT_EQ(runCommand("gpdasm -p 17c756a " + shellQuoted(dir.file("map.hex")) + " > " + shellQuoted(listing)), 0);
  std::istringstream in(readText(listing));
  std::string line;
  unsigned checked = 0;
  while (std::getline(in, line)) {
    unsigned address = 0, word = 0;
    char mnemonic[16] = {};
    if (std::sscanf(line.c_str(), "%x: %x %15s", &address, &word, mnemonic) != 3) continue;
    ASSERT_EQ(address, word);
    EXPECT_STREQ(opInfo(decode(static_cast<std::uint16_t>(word))).mnemonic, mnemonic) << hex(word, 4);
    ++checked;
  }
  EXPECT_EQ(checked, 0xFE00u);
}

}  // namespace
}  // namespace pic17sim::test

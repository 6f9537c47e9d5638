#include "pic17sim/test_sim.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <vector>

#include "pic17sim/decode.h"
#include "pic17sim/symbols.h"

namespace pic17sim::test {
namespace {

std::vector<unsigned> operands(std::string_view text) {
  std::vector<unsigned> values;
  while (!text.empty()) {
    std::size_t comma = text.find(',');
    std::string_view item = text.substr(0, comma);
    while (!item.empty() && item.front() == ' ') item.remove_prefix(1);
    std::uint64_t value = 0;
    if (!parseNumber(item, value)) throw std::invalid_argument("bad operand: " + std::string(item));
    values.push_back(static_cast<unsigned>(value));
    text = comma == std::string_view::npos ? std::string_view() : text.substr(comma + 1);
  }
  return values;
}

std::uint16_t encode(const OpInfo& info, const std::vector<unsigned>& v) {
  auto word = [&](unsigned fields) { return static_cast<std::uint16_t>(info.bits | fields); };
  switch (info.format) {
    case Format::None: return info.bits;
    case Format::FileDest:
    case Format::FileS:
    case Format::FileBit: return word(v.at(1) << 8 | v.at(0));
    case Format::FileP: return word(v.at(1) << 8 | v.at(0));
    case Format::PFile: return word(v.at(0) << 8 | v.at(1));
    case Format::LatchFile: return word(v.at(0) << 9 | v.at(1));
    case Format::LatchIncFile: return word(v.at(0) << 9 | v.at(1) << 8 | v.at(2));
    case Format::File:
    case Format::Literal:
    case Format::Address13: return word(v.at(0));
    case Format::LowNibble: return word(v.at(0) & 0x0F);
    case Format::HighNibble: return word((v.at(0) & 0x0F) << 4);
  }
  throw std::invalid_argument("bad format");
}

}  // namespace

std::uint16_t assemble(std::string_view line) {
  std::size_t space = line.find(' ');
  std::string_view mnemonic = line.substr(0, space);
  std::vector<unsigned> values =
      operands(space == std::string_view::npos ? std::string_view() : line.substr(space + 1));
  if (mnemonic == "dw") return static_cast<std::uint16_t>(values.at(0));
  for (int i = 0; i < kOpCount - 1; ++i) {
    const OpInfo& info = opInfo(static_cast<Op>(i));
    if (mnemonic == info.mnemonic) return encode(info, values);
  }
  throw std::invalid_argument("unknown mnemonic: " + std::string(line));
}

Sim::Sim() {
  cpu.onTransmit = [this](std::uint8_t byte) { console += static_cast<char>(byte); };
}

Sim::Sim(std::initializer_list<std::string_view> program, std::uint16_t origin) : Sim() {
  place(origin, program);
}

void Sim::place(std::uint16_t origin, std::initializer_list<std::string_view> program) {
  for (std::string_view line : program) cpu.setProgramWord(origin++, assemble(line));
}

void Sim::steps(int n) {
  for (int i = 0; i < n; ++i) ASSERT_EQ(cpu.step(), Event::None) << "step " << i;
}

void checkAlu(const AluCase& c) {
  SCOPED_TRACE(c.line);
  Sim sim({c.line});
  sim.cpu.setW(c.w);
  sim.cpu.poke(0x25, c.f);
  sim.cpu.setFlags(0x0F, c.flagsIn);
  sim.steps(1);
  EXPECT_EQ(sim.cpu.w(), c.wOut);
  EXPECT_EQ(sim.cpu.peek(0x25), c.fOut);
  EXPECT_EQ(sim.flags(), c.flagsOut);
  EXPECT_EQ(sim.cpu.pc(), c.skips ? 2 : 1);
  EXPECT_EQ(sim.cpu.cycles(), c.skips ? 2u : 1u);
}

}  // namespace pic17sim::test

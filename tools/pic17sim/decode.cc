#include "pic17sim/decode.h"

#include <array>
#include <cstdio>
#include <iterator>

namespace pic17sim {
namespace {

using F = Format;

// In Op order.
constexpr OpInfo kOps[] = {
    {"nop", 0x0000, F::None, 1},
    {"return", 0x0002, F::None, 2},
    {"sleep", 0x0003, F::None, 1},
    {"clrwdt", 0x0004, F::None, 1},
    {"retfie", 0x0005, F::None, 2},
    {"movwf", 0x0100, F::File, 1},
    {"subwfb", 0x0200, F::FileDest, 1},
    {"subwf", 0x0400, F::FileDest, 1},
    {"decf", 0x0600, F::FileDest, 1},
    {"iorwf", 0x0800, F::FileDest, 1},
    {"andwf", 0x0A00, F::FileDest, 1},
    {"xorwf", 0x0C00, F::FileDest, 1},
    {"addwf", 0x0E00, F::FileDest, 1},
    {"addwfc", 0x1000, F::FileDest, 1},
    {"comf", 0x1200, F::FileDest, 1},
    {"incf", 0x1400, F::FileDest, 1},
    {"decfsz", 0x1600, F::FileDest, 1},
    {"rrcf", 0x1800, F::FileDest, 1},
    {"rlcf", 0x1A00, F::FileDest, 1},
    {"swapf", 0x1C00, F::FileDest, 1},
    {"incfsz", 0x1E00, F::FileDest, 1},
    {"rrncf", 0x2000, F::FileDest, 1},
    {"rlncf", 0x2200, F::FileDest, 1},
    {"infsnz", 0x2400, F::FileDest, 1},
    {"dcfsnz", 0x2600, F::FileDest, 1},
    {"clrf", 0x2800, F::FileS, 1},
    {"setf", 0x2A00, F::FileS, 1},
    {"negw", 0x2C00, F::FileS, 1},
    {"daw", 0x2E00, F::FileS, 1},
    {"cpfslt", 0x3000, F::File, 1},
    {"cpfseq", 0x3100, F::File, 1},
    {"cpfsgt", 0x3200, F::File, 1},
    {"tstfsz", 0x3300, F::File, 1},
    {"mulwf", 0x3400, F::File, 1},
    {"movpf", 0x4000, F::PFile, 1},
    {"movfp", 0x6000, F::FileP, 1},
    {"btg", 0x3800, F::FileBit, 1},
    {"bsf", 0x8000, F::FileBit, 1},
    {"bcf", 0x8800, F::FileBit, 1},
    {"btfss", 0x9000, F::FileBit, 1},
    {"btfsc", 0x9800, F::FileBit, 1},
    {"tlrd", 0xA000, F::LatchFile, 1},
    {"tlwt", 0xA400, F::LatchFile, 1},
    {"tablrd", 0xA800, F::LatchIncFile, 2},
    {"tablwt", 0xAC00, F::LatchIncFile, 2},
    {"movlw", 0xB000, F::Literal, 1},
    {"addlw", 0xB100, F::Literal, 1},
    {"sublw", 0xB200, F::Literal, 1},
    {"iorlw", 0xB300, F::Literal, 1},
    {"xorlw", 0xB400, F::Literal, 1},
    {"andlw", 0xB500, F::Literal, 1},
    {"retlw", 0xB600, F::Literal, 2},
    {"lcall", 0xB700, F::Literal, 2},
    {"movlb", 0xB800, F::LowNibble, 1},
    {"movlr", 0xBA00, F::HighNibble, 1},
    {"mullw", 0xBC00, F::Literal, 1},
    {"goto", 0xC000, F::Address13, 2},
    {"call", 0xE000, F::Address13, 2},
    {"dw", 0x0000, F::None, 1},
};
static_assert(std::size(kOps) == kOpCount);

std::array<Op, 0x10000> buildDecodeTable() {
  std::array<Op, 0x10000> table{};
  for (unsigned word = 0; word < 0x10000; ++word) {
    table[word] = Op::Reserved;
    for (int i = 0; i < kOpCount - 1; ++i) {
      const OpInfo& info = kOps[i];
      if ((word & opcodeMask(info.format)) == info.bits) {
        table[word] = static_cast<Op>(i);
        break;
      }
    }
  }
  return table;
}

std::string hex(unsigned value, int digits) {
  char text[16];
  std::snprintf(text, sizeof text, "0x%0*x", digits, value);
  return text;
}

std::string digit(bool value) { return value ? "1" : "0"; }

}  // namespace

const OpInfo& opInfo(Op op) { return kOps[static_cast<int>(op)]; }

std::uint16_t opcodeMask(Format format) {
  switch (format) {
    case F::None: return 0xFFFF;
    case F::FileDest:
    case F::FileS: return 0xFE00;
    case F::File:
    case F::Literal: return 0xFF00;
    case F::FileBit: return 0xF800;
    case F::FileP:
    case F::PFile:
    case F::Address13: return 0xE000;
    case F::LatchFile:
    case F::LatchIncFile: return 0xFC00;
    // The unused nibble of movlb and the unused bit 8 of movlr are ignored.
    case F::LowNibble: return 0xFF00;
    case F::HighNibble: return 0xFE00;
  }
  return 0xFFFF;
}

Op decode(std::uint16_t word) {
  static const std::array<Op, 0x10000> table = buildDecodeTable();
  return table[word];
}

std::string disassemble(std::uint16_t word) {
  Op op = decode(word);
  const OpInfo& info = opInfo(op);
  std::string text = info.mnemonic;
  if (op == Op::Reserved) return text + " " + hex(word, 4);
  std::string f = hex(fieldF(word), 2);
  switch (info.format) {
    case F::None: return text;
    case F::FileDest:
    case F::FileS: return text + " " + f + ", " + digit(fieldD(word));
    case F::File: return text + " " + f;
    case F::FileBit: return text + " " + f + ", " + std::to_string(fieldB(word));
    case F::FileP: return text + " " + f + ", " + hex(fieldP(word), 2);
    case F::PFile: return text + " " + hex(fieldP(word), 2) + ", " + f;
    case F::LatchFile: return text + " " + digit(fieldT(word)) + ", " + f;
    case F::LatchIncFile:
      return text + " " + digit(fieldT(word)) + ", " + digit(fieldI(word)) + ", " + f;
    case F::Literal: return text + " " + f;
    case F::LowNibble: return text + " " + hex(word & 0x0F, 2);
    case F::HighNibble: return text + " " + hex((word >> 4) & 0x0F, 2);
    case F::Address13: return text + " " + hex(field13(word), 4);
  }
  return text;
}

}  // namespace pic17sim

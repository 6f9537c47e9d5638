#include "pic17sim/report.h"

#include <cstdio>

namespace pic17sim {

namespace {

std::string format(const char* pattern, unsigned a, unsigned b = 0) {
  char text[64];
  std::snprintf(text, sizeof text, pattern, a, b);
  return text;
}

}  // namespace

std::string reportLine(StopReason reason, const Cpu& cpu) {
  return std::string("stop=") + stopReasonName(reason) + format(" pc=0x%04x", cpu.pc()) +
         " cycles=" + std::to_string(cpu.cycles()) + " hwstack=" + std::to_string(cpu.stackDepth());
}

std::string noCodeMessage(const Cpu& cpu) {
  return format("no code at 0x%04x, reached from 0x%04x", cpu.pc(), cpu.lastPc());
}

std::string memoryLine(const Cpu& cpu, const std::string& label, std::uint16_t address,
                       unsigned count) {
  std::string line = label + " =";
  for (unsigned i = 0; i < count; ++i) {
    line += format(" 0x%02x", cpu.peek(static_cast<std::uint16_t>(address + i)));
  }
  return line;
}

std::string dataStackLine(const Cpu& cpu, const DataStackLayout& layout, bool hex) {
  unsigned fsr1 = cpu.peek(kFsr1);
  unsigned origin = layout.origin & 0xFF;
  unsigned bank = layout.origin & 0xFF00;
  if (fsr1 > origin || (origin - fsr1) % 2 != 0) {
    return format("dstack error: FSR1=0x%02x does not fit DSTACKORG=0x%02x", fsr1, origin);
  }
  unsigned depth = (origin - fsr1) / 2;
  std::string line = "dstack depth=" + std::to_string(depth) + ":";
  for (unsigned i = 0; i < depth; ++i) {
    unsigned cell;
    if (i == 0) {
      cell = cpu.peek(layout.thigh) << 8 | cpu.peek(layout.tlow);
    } else {
      unsigned high = bank | (fsr1 + 2 * i - 1);
      cell = cpu.peek(static_cast<std::uint16_t>(high)) << 8 |
             cpu.peek(static_cast<std::uint16_t>(high + 1));
    }
    if (hex) {
      line += format(" 0x%04x", cell);
    } else {
      line.append(" ").append(std::to_string(static_cast<std::int16_t>(cell)));
    }
  }
  return line;
}

}  // namespace pic17sim

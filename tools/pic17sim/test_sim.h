// Test helpers: a tiny assembler for the disassembler's canonical text
// ("addwf 0x25, 1", "dw 0x0001"), and a Cpu with a program and a captured
// console.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>

#include "pic17sim/cpu.h"

namespace pic17sim::test {

// Throws std::invalid_argument for text it does not understand.
std::uint16_t assemble(std::string_view line);

struct Sim {
  Cpu cpu;
  std::string console;

  Sim();
  explicit Sim(std::initializer_list<std::string_view> program, std::uint16_t origin = 0);
  void place(std::uint16_t origin, std::initializer_list<std::string_view> program);
  // Runs n steps and expects each to report Event::None.
  void steps(int n);
  std::uint8_t flags() const { return cpu.alusta() & 0x0F; }
};

// One instruction run on f = 0x25 from the given W, f and ALUSTA flags; the
// results, the flags and the cycles (2 when it skips) are checked.
struct AluCase {
  const char* line;
  std::uint8_t flagsIn, w, f;
  std::uint8_t wOut, fOut, flagsOut;
  bool skips = false;
};
void checkAlu(const AluCase& c);

}  // namespace pic17sim::test

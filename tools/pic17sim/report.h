// The text the command line prints after a run. Every format is one line:
//
//   stop=sleep pc=0x0046 cycles=12 hwstack=0
//   THIGH = 0x12                 (a byte of data memory)
//   buffer = 0x41 0x42 0x43      (several bytes, lowest address first)
//   dstack depth=3: 5 -1 300     (Forth data stack, top first, signed)
//   dstack depth=3: 0x0005 0xffff 0x012c
#pragma once

#include <cstdint>
#include <string>

#include "pic17sim/cpu.h"
#include "pic17sim/runner.h"

namespace pic17sim {

std::string reportLine(StopReason reason, const Cpu& cpu);
// "no code at 0x2345, reached from 0x0123": where a run stopped with
// StopReason::NoCode and the instruction (or interrupt) that led there.
std::string noCodeMessage(const Cpu& cpu);

std::string memoryLine(const Cpu& cpu, const std::string& label, std::uint16_t address,
                       unsigned count);

// Where the prelude keeps the Forth data stack: FSR1 is the stack pointer
// and equals the low byte of `origin` when the stack is empty; the top cell
// is cached in THIGH:TLOW; the depth is (origin - FSR1) / 2; the cell below
// the top is at FSR1+1 (high byte) and FSR1+2 (low byte), the next at
// FSR1+3/FSR1+4, and so on, in the GPR bank that origin names (bank * 256 +
// f, so a plain f means bank 0).
struct DataStackLayout {
  std::uint16_t origin;
  std::uint16_t thigh;
  std::uint16_t tlow;
};

// "dstack depth=N: ..." or, when FSR1 does not describe a stack,
// "dstack error: ...".
std::string dataStackLine(const Cpu& cpu, const DataStackLayout& layout, bool hex);

}  // namespace pic17sim

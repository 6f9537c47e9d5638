// Runs a Cpu until a stop condition: sleep with nothing left to wake it, a
// stop address, the cycle limit, or a fault. Raises scheduled interrupt
// flags as the cycle count passes their times, and skips the idle time of
// a sleeping core up to the next scheduled interrupt that can wake it.
#pragma once

#include <cstdint>
#include <iosfwd>
#include <vector>

#include "pic17sim/cpu.h"

namespace pic17sim {

enum class StopReason : std::uint8_t {
  Sleep,           // SLEEP and no enabled interrupt can come
  StopAddress,     // PC reached a stop address (that instruction has not run)
  CycleLimit,
  StackOverflow,   // PC is the CALL/LCALL (or the interrupted instruction)
  StackUnderflow,  // PC is the RETURN/RETLW/RETFIE
  ReservedOpcode,  // PC is the reserved word
  NoCode,          // PC holds no code of the program (Cpu::trapNoCode)
};

const char* stopReasonName(StopReason reason);

// Sets the source's flag when the cycle count reaches `first`, then every
// `period` cycles after that if period is not 0.
struct ScheduledInterrupt {
  Source source;
  std::uint64_t first;
  std::uint64_t period;
};

struct RunOptions {
  std::uint64_t maxCycles = 100'000'000;
  std::vector<std::uint16_t> stopAddresses;
  std::vector<ScheduledInterrupt> interrupts;
  std::ostream* trace = nullptr;  // one line per instruction or interrupt
};

StopReason run(Cpu& cpu, const RunOptions& options);

}  // namespace pic17sim

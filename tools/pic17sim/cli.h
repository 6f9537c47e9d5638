// The pic17sim command line. main() only calls runCommandLine(); tests call
// it directly as well.
#pragma once

#include <cstdint>
#include <iosfwd>
#include <string>
#include <vector>

#include "pic17sim/runner.h"

namespace pic17sim {

enum ExitStatus : int {
  kExitStopped = 0,         // sleep for good, or a stop address reached
  kExitBadInput = 1,        // bad option, unreadable or malformed file, unknown symbol
  kExitCycleLimit = 2,
  kExitStackOverflow = 3,
  kExitStackUnderflow = 4,
  kExitReservedOpcode = 5,
  kExitNoCode = 6,          // a jump, call, return or interrupt into an address the HEX file does not fill
};

enum class StackDump : std::uint8_t { None, Decimal, Hex };

struct CommandLine {
  std::string hexPath;
  std::string listingPath;  // empty: the .lst beside the .hex, if there is one
  std::vector<std::string> stopAt;
  std::vector<std::string> prints;
  std::uint64_t maxCycles = 100'000'000;
  std::vector<ScheduledInterrupt> interrupts;
  std::string input;  // bytes for the USART1 receiver
  bool movpfSetsZ = true;
  StackDump dumpStack = StackDump::None;
  bool trace = false;
  bool quiet = false;
  bool help = false;
};

// Throws InputError for anything it cannot accept.
CommandLine parseCommandLine(const std::vector<std::string>& args);

extern const char* const kUsage;

ExitStatus exitStatusFor(StopReason reason);

// Console bytes go to `out`; the report, dumps, trace and errors to `err`.
int runCommandLine(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace pic17sim

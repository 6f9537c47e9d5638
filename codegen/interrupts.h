// Interrupt handlers and the vector table that jumps to them.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace kestrel {

class AsmOutput;
class Compiler;

struct InterruptHandler {
  std::int32_t vector;  // the vector address, as given
  std::string label;    // the handler's mangled name
};

void beginInterruptWord(Compiler& c);  // :interrupt
void endInterruptWord(Compiler& c);    // interrupt;
// With long calls the stub at each vector ends in a jump to a slot in page
// 0 that the prelude keeps free (KVECSLOTS); the slot calls
// _INTERRUPT_ENTER and jumps to the handler, wherever it lies.
void writeVectorTable(const std::vector<InterruptHandler>& handlers, bool longCalls, AsmOutput& out);

// The number of vector slots that lib/kcomp.inc keeps for long calls.
inline constexpr std::size_t kLongVectorSlots = 4;

}  // namespace kestrel

// The interrupt vector table, which jumps to the handlers a program defines.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace kestrel {

class AsmOutput;

struct InterruptHandler {
  std::int32_t vector;  // the vector address, as given
  std::string label;    // the handler's mangled name
};

// With long calls the stub at each vector ends in a jump to a slot in page
// 0 that the prelude keeps free (KVECSLOTS); the slot calls
// _INTERRUPT_ENTER and jumps to the handler, wherever it lies.
void writeVectorTable(const std::vector<InterruptHandler>& handlers, bool longCalls, AsmOutput& out);

// The number of vector slots that lib/kcomp.inc keeps for long calls.
inline constexpr std::size_t kLongVectorSlots = 4;

}  // namespace kestrel

// Interrupt handlers and the vector table that jumps to them.
#pragma once

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
void writeVectorTable(const std::vector<InterruptHandler>& handlers, AsmOutput& out);

}  // namespace kestrel

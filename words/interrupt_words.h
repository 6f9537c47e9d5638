// Interrupt handlers: "n :interrupt name ... interrupt;" compiles a routine
// that the vector at address n enters (see codegen/interrupts.h).
#pragma once

namespace kestrel {

struct RunState;

void registerInterruptWords(RunState& c);

}  // namespace kestrel

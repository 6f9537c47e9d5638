// References to RCALL words: the caller jumps with a return number in W,
// and the routine returns through the table of return addresses.
#pragma once

#include <cstdint>
#include <string_view>

#include "codegen/jumps.h"

namespace kestrel {

class AsmOutput;

inline constexpr std::int32_t kMaxReturnReferences = 255;

// A reference to the RCALL word labelled `label` (its mangled name) that
// returns through entry `number` of the return table.
void writeRcallReference(JumpOutput j, std::int32_t number, std::string_view label);
void writeReturnTable(std::int32_t count, AsmOutput& out);

}  // namespace kestrel

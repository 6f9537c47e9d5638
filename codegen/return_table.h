// References to RCALL words: the caller jumps with a return number in W,
// and the routine returns through the table of return addresses.
#pragma once

#include <cstdint>
#include <string_view>

namespace kestrel {

class AsmOutput;
class Compiler;

inline constexpr std::int32_t kMaxReturnReferences = 255;

void compileRcallReference(Compiler& c, std::string_view label);
void writeReturnTable(std::int32_t count, AsmOutput& out);

}  // namespace kestrel

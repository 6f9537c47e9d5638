// Intel HEX (INHX32, as gpasm writes it) into program memory. Byte address
// 2n holds the low byte of word n and 2n + 1 its high byte. Words the file
// does not mention keep their value (0xFFFF, erased, after construction).
#pragma once

#include <string>
#include <string_view>

#include "pic17sim/cpu.h"

namespace pic17sim {

// Throws InputError naming `name` and the line for any malformed record, an
// address beyond 64K words, or a missing end-of-file record.
void loadHex(std::string_view text, const std::string& name, Cpu& cpu);
void loadHexFile(const std::string& path, Cpu& cpu);

}  // namespace pic17sim

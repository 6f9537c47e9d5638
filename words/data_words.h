// Names for 16-bit values: constants, and variables and arrays placed in the
// target's RAM banks.
#pragma once

#include <cstdint>
#include <string>

namespace kestrel {

class Compiler;

// Gives `name` the value: a value word (or an alias of an earlier one with
// equal value) whose routine pushes it, and an interpret-time twin. A data
// word passes the label it chose; a constant gets one.
void defineConstant(Compiler& c, const std::string& name, std::int32_t value,
                    const std::string* label = nullptr);

// Built-in words.
void constantWord(Compiler& c);
void cvariableWord(Compiler& c);
void variableWord(Compiler& c);
void twoVariableWord(Compiler& c);  // 2variable
void arrayWord(Compiler& c);

}  // namespace kestrel

// Names for 16-bit values: constants, and variables and arrays placed in the
// target's RAM banks.
#pragma once

#include <cstdint>
#include <string>

namespace kestrel {

struct RunState;

// Gives `name` the value: a value word (or an alias of an earlier one with
// equal value) whose routine pushes it, and an interpret-time twin. A data
// word passes the label it chose; a constant gets one.
void defineConstant(RunState& c, const std::string& name, std::int32_t value,
                    const std::string* label = nullptr);

// constant, variable, cvariable, 2variable and array.
void registerDataWords(RunState& c);

}  // namespace kestrel

// Numbers inside definitions, and the built-in words that compile them:
// "literal", "double", "[char]", "[']" and, at interpret time, "char".
#pragma once

#include <cstdint>

namespace kestrel {

struct RunState;

// The push of a number inside a definition; a number out of the 16-bit
// range ends the run.
void compileLiteral(RunState& c, std::int32_t value);
// The push that ends a value word's routine with a jump.
void compileTailLiteral(RunState& c, std::int32_t value);
// Compiles a number met in compilation state: a reference to the value word
// of equal value if there is one, else a literal.
void compileNumber(RunState& c, std::int32_t value);

void registerLiteralWords(RunState& c);

}  // namespace kestrel

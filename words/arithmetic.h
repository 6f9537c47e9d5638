// Interpret-time arithmetic on the interpreter data stack, and printing on
// the console, for sizes, values and flags computed between definitions.
#pragma once

namespace kestrel {

struct RunState;

// "+", "-", "*", "and", "or", "=", "0=", "cells", "chars", "." and "cr";
// and "/", "mod", "negate", "invert", "xor", "lshift", "rshift", "1+",
// "1-", "2*", "2/", "min", "max", "abs", "dup", "drop", "swap", "over", "<"
// and ">", which a program's own word of the same name hides. Arithmetic
// wraps modulo 2^32; flags are 1 and 0.
void registerArithmeticWords(RunState& c);

}  // namespace kestrel

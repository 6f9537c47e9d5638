// The built-in words of the two dictionaries.
#pragma once

namespace kestrel {

class Compiler;

// Enters the 33 host words of interpretation state and the 32 host words of
// compilation state.
void registerBuiltinWords(Compiler& c);

}  // namespace kestrel

// The outer interpreter: takes each token of the source, pushes or compiles
// numbers, and looks words up in the dictionary of the current state.
#pragma once

#include <string>

namespace kestrel {

class Compiler;

// Reads and interprets the source file `name` and every file it includes,
// to the end of `name`.
void processFile(Compiler& c, const std::string& name);

// Built-in words.
void floadWord(Compiler& c);
void leftBracketWord(Compiler& c);   // [
void rightBracketWord(Compiler& c);  // ]

}  // namespace kestrel

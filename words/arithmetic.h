// Interpret-time arithmetic on the interpreter data stack, and printing on
// the console, for sizes, values and flags computed between definitions.
#pragma once

namespace kestrel {

class Compiler;

void addWord(Compiler& c);        // +
void subtractWord(Compiler& c);   // -
void multiplyWord(Compiler& c);   // *
void andWord(Compiler& c);
void orWord(Compiler& c);
void equalWord(Compiler& c);      // =
void zeroEqualWord(Compiler& c);  // 0=
void cellsWord(Compiler& c);
void printWord(Compiler& c);      // .
void crWord(Compiler& c);

}  // namespace kestrel

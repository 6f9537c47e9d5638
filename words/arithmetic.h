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

// Between definitions only where the program defines no word of the same
// name. Flags are 1 and 0, as those of "=" and "0=".
void divideWord(Compiler& c);     // /
void modWord(Compiler& c);
void negateWord(Compiler& c);
void invertWord(Compiler& c);
void xorWord(Compiler& c);
void lshiftWord(Compiler& c);
void rshiftWord(Compiler& c);     // logical, on the 32-bit host cell
void onePlusWord(Compiler& c);    // 1+
void oneMinusWord(Compiler& c);   // 1-
void twoStarWord(Compiler& c);    // 2*
void twoSlashWord(Compiler& c);   // 2/
void minWord(Compiler& c);
void maxWord(Compiler& c);
void absWord(Compiler& c);
void lessWord(Compiler& c);       // <
void greaterWord(Compiler& c);    // >
void dupWord(Compiler& c);
void dropWord(Compiler& c);
void swapWord(Compiler& c);
void overWord(Compiler& c);
void printWord(Compiler& c);      // .
void crWord(Compiler& c);

}  // namespace kestrel

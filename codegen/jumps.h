// How compiled code reaches a routine or a label. Every call and jump that
// the code generator writes goes through these functions. By default they
// write the one-word CALL and GOTO, which reach only the 8K-word page they
// lie in; with the long-call option (kcomp -l) they write forms that load
// PCLATH first and so reach the whole program memory. lib/kcomp.inc
// ("Program memory pages") gives the rules both forms follow.
#pragma once

#include <cstdint>
#include <string_view>

namespace kestrel {

class AsmOutput;

// Where calls and jumps are written, and whether in their long forms.
struct JumpOutput {
  AsmOutput& out;
  bool longCalls;
};

// A label as the output writes it: text, then name, then number (in the
// number format of the output) when number is not negative.
struct AsmLabel {
  std::string_view text;
  std::string_view name = {};
  std::int32_t number = -1;
};

// "_" + the mangled name of a word: the label of its routine.
inline AsmLabel routineLabel(std::string_view mangledName) { return {"_", mangledName}; }
// A numbered local label such as __endif0x3.
inline AsmLabel localLabel(std::string_view prefix, std::int32_t n) { return {prefix, {}, n}; }

// A call of the routine at `label`. Short form: "\tcall " + label. Long
// form: "\tmovlw high " + label, "\tmovwf PCLATH", "\tlcall " + label; it
// changes W, so W cannot carry an argument (see writeCallWithW).
void writeCall(JumpOutput j, AsmLabel label);

// A call of the routine at `label` with W set by `loadW` (one instruction
// line, such as "\tmovlw 0x5"). Short form: loadW, then "\tcall " +
// label. Long form: PCLATH is loaded first, then loadW, then the lcall.
void writeCallWithW(JumpOutput j, std::string_view loadW, AsmLabel label);

// writeCallWithW with loadW = "\tmovlw " + value.
void writeCallWithLiteral(JumpOutput j, std::int32_t value, AsmLabel label);

// A jump to `label`. Short form: shortPrefix + label (shortPrefix is
// "\tgoto " or, where the output has always had two blanks, "\tgoto  ").
// Long form: "\tlgoto " + label (a prelude macro that changes W).
void writeJump(JumpOutput j, AsmLabel label, std::string_view shortPrefix = "\tgoto ");

// A jump to `label` taken when W is not zero; W and the flags carry
// nothing afterwards. Short form: "\ttstfsz WREG", "\tgoto " + label.
// Long form: "\tlgotonz " + label (a prelude macro).
void writeJumpIfW(JumpOutput j, AsmLabel label);

// The flag test of if, until and while: takes the flag from the data
// stack and jumps to `label` when it is false (zero). Short form: the call
// of _if_internal and "tstfsz WREG" with their comments, then shortPrefix
// + label. Long form: the long call of _if_internal, then "\tlgotonz " +
// label.
void writeJumpIfFalse(JumpOutput j, AsmLabel label, std::string_view shortPrefix = "\tgoto ");

}  // namespace kestrel

#include "codegen/jumps.h"

#include "codegen/asm_output.h"

namespace kestrel {

namespace {

AsmOutput& writeLabelText(AsmOutput& out, AsmLabel label) {
  out.text(label.text).text(label.name);
  if (label.number >= 0) out.hex(label.number);
  return out;
}

void writeLine(AsmOutput& out, std::string_view before, AsmLabel label) {
  writeLabelText(out.text(before), label).endLine();
}

// Loads PCLATH with the high byte of the label's address; W changes.
void loadPclath(AsmOutput& out, AsmLabel label) {
  writeLine(out, "\tmovlw high ", label);
  out.line("\tmovwf PCLATH");
}

}  // namespace

void writeCall(JumpOutput j, AsmLabel label) {
  if (!j.longCalls) {
    writeLine(j.out, "\tcall ", label);
    return;
  }
  loadPclath(j.out, label);
  writeLine(j.out, "\tlcall ", label);
}

void writeCallWithW(JumpOutput j, std::string_view loadW, AsmLabel label) {
  if (j.longCalls) loadPclath(j.out, label);
  j.out.line(loadW);
  writeLine(j.out, j.longCalls ? "\tlcall " : "\tcall ", label);
}

void writeCallWithLiteral(JumpOutput j, std::int32_t value, AsmLabel label) {
  if (j.longCalls) loadPclath(j.out, label);
  j.out.text("\tmovlw ").hex(value).endLine();
  writeLine(j.out, j.longCalls ? "\tlcall " : "\tcall ", label);
}

void writeJump(JumpOutput j, AsmLabel label, std::string_view shortPrefix) {
  writeLine(j.out, j.longCalls ? std::string_view("\tlgoto ") : shortPrefix, label);
}

void writeJumpIfW(JumpOutput j, AsmLabel label) {
  if (j.longCalls) {
    writeLine(j.out, "\tlgotonz ", label);
    return;
  }
  j.out.line("\ttstfsz WREG");
  writeLine(j.out, "\tgoto ", label);
}

void writeJumpIfFalse(JumpOutput j, AsmLabel label, std::string_view shortPrefix) {
  if (j.longCalls) {
    writeCall(j, {"_if_internal"});
    writeLine(j.out, "\tlgotonz ", label);
    return;
  }
  j.out.line("\tcall _if_internal        ; sets wreg flag if false ");
  j.out.line("\ttstfsz WREG              ; skip if not set");
  writeLine(j.out, shortPrefix, label);
}

}  // namespace kestrel

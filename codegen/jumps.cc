#include "codegen/jumps.h"

#include "codegen/asm_output.h"
#include "driver/compiler.h"

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

bool longCalls(const Compiler& c) { return c.settings.longCalls; }

void writeCall(Compiler& c, AsmLabel label) {
  if (!longCalls(c)) {
    writeLine(c.out, "\tcall ", label);
    return;
  }
  loadPclath(c.out, label);
  writeLine(c.out, "\tlcall ", label);
}

void writeCallWithW(Compiler& c, std::string_view loadW, AsmLabel label) {
  if (longCalls(c)) loadPclath(c.out, label);
  c.out.line(loadW);
  writeLine(c.out, longCalls(c) ? "\tlcall " : "\tcall ", label);
}

void writeCallWithLiteral(Compiler& c, std::int32_t value, AsmLabel label) {
  if (longCalls(c)) loadPclath(c.out, label);
  c.out.text("\tmovlw ").hex(value).endLine();
  writeLine(c.out, longCalls(c) ? "\tlcall " : "\tcall ", label);
}

void writeJump(Compiler& c, AsmLabel label, std::string_view shortPrefix) {
  writeLine(c.out, longCalls(c) ? std::string_view("\tlgoto ") : shortPrefix, label);
}

void writeJumpIfW(Compiler& c, AsmLabel label) {
  if (longCalls(c)) {
    writeLine(c.out, "\tlgotonz ", label);
    return;
  }
  c.out.line("\ttstfsz WREG");
  writeLine(c.out, "\tgoto ", label);
}

void writeJumpIfFalse(Compiler& c, AsmLabel label, std::string_view shortPrefix) {
  if (longCalls(c)) {
    writeCall(c, {"_if_internal"});
    writeLine(c.out, "\tlgotonz ", label);
    return;
  }
  c.out.line("\tcall _if_internal        ; sets wreg flag if false ");
  c.out.line("\ttstfsz WREG              ; skip if not set");
  writeLine(c.out, shortPrefix, label);
}

}  // namespace kestrel

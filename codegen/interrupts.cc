#include "codegen/interrupts.h"

#include "codegen/asm_output.h"
#include "codegen/jumps.h"

namespace kestrel {

namespace {

constexpr std::int32_t kLongVectorSlotWords = 5;

void writeStubStart(std::int32_t vector, AsmOutput& out) {
  out.text("\torg ").hex(vector).endLine();
  out.line("\tmovpf ALUSTA, ALUSTA_SAVE");
  out.line("\tmovpf BSR, BSR_SAVE");
  out.line("\tgprbank BANKSTACKS");
  out.line("\tincf RSP, F");
  out.line("\tbsf ALUSTA, FS0     ;  set for post auto increment RSP");
  out.line("\tbcf ALUSTA, FS1     ;             //");
  out.line("\tmovfp PCLATH, RSTACK");
}

// The stub jumps (GOTO changes PCLATH, so only after saving it) to a slot
// in page 0 that enters the handler wherever it lies.
void writeLongVector(const InterruptHandler& handler, std::int32_t slot, AsmOutput& out) {
  std::int32_t offset = slot * kLongVectorSlotWords;
  writeStubStart(handler.vector, out);
  out.text("\tgoto KVECSLOTS + ").hex(offset).endLine();
  out.text("\torg KVECSLOTS + ").hex(offset).endLine();
  out.line("\tcall _INTERRUPT_ENTER");
  out.text("\tlgoto _").text(handler.label).endLine();
}

}  // namespace

void writeVectorTable(const std::vector<InterruptHandler>& handlers, bool longCalls, AsmOutput& out) {
  out.line("; Interrupt Vector Table ");
  std::int32_t slot = 0;
  for (const InterruptHandler& handler : handlers) {
    if (longCalls) {
      writeLongVector(handler, slot++, out);
      continue;
    }
    writeStubStart(handler.vector, out);
    out.text("\tgoto  _").text(handler.label).endLine();
  }
}

}  // namespace kestrel

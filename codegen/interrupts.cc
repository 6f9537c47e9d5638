#include "codegen/interrupts.h"

#include "codegen/asm_output.h"
#include "codegen/routine_block.h"
#include "codegen/target_words.h"
#include "driver/compiler.h"
#include "reader/diagnostics.h"
#include "words/defining_words.h"

namespace kestrel {

void beginInterruptWord(Compiler& c) {
  ColonWord& handler = openColonDefinition(c, kInterruptKind, defineColonWord);
  std::int32_t vector = c.pop();
  c.interrupts.push_back({vector, std::string(handler.label())});
  c.out.line("\tcall _INTERRUPT_ENTER");
  c.inInterrupt = true;
}

void endInterruptWord(Compiler& c) {
  if (c.flow.anyOpen()) c.fail("Loop or if structure words not matched.", kExitBadWord);
  c.out.line("\tgoto _INTERRUPT_EXIT");
  writeBanner(c.out);
  c.compiling = false;
  c.inInterrupt = false;
  c.definition = nullptr;
}

void writeVectorTable(const std::vector<InterruptHandler>& handlers, AsmOutput& out) {
  out.line("; Interrupt Vector Table ");
  for (const InterruptHandler& handler : handlers) {
    out.text("\torg ").hex(handler.vector).endLine();
    out.line("\tmovpf ALUSTA, ALUSTA_SAVE");
    out.line("\tmovpf BSR, BSR_SAVE");
    out.line("\tgprbank BANKSTACKS");
    out.line("\tincf RSP, F");
    out.line("\tbsf ALUSTA, FS0     ;  set for post auto increment RSP");
    out.line("\tbcf ALUSTA, FS1     ;             //");
    out.line("\tmovfp PCLATH, RSTACK");
    out.text("\tgoto  _").text(handler.label).endLine();
  }
}

}  // namespace kestrel

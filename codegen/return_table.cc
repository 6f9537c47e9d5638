#include "codegen/return_table.h"

#include "codegen/asm_output.h"
#include "codegen/jumps.h"

namespace kestrel {

void writeRcallReference(JumpOutput j, std::int32_t number, std::string_view label) {
  j.out.text("\tmovlw ").hex(number).endLine();
  // The long jump changes W: the return number goes to the RCALL word in
  // PRODL instead (see rcallColonWord).
  if (j.longCalls) j.out.line("\tmovwf PRODL");
  writeJump(j, routineLabel(label));
  j.out.text("__RETNUM").hex(number).endLine();
}

void writeReturnTable(std::int32_t count, AsmOutput& out) {
  out.line("; Return Table ");
  out.line("__return_table");
  for (std::int32_t n = 0; n < count; ++n) out.text("\tDATA __RETNUM").hex(n).endLine();
}

}  // namespace kestrel

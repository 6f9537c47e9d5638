#include "codegen/return_table.h"

#include "codegen/asm_output.h"
#include "codegen/jumps.h"
#include "driver/compiler.h"
#include "reader/diagnostics.h"

namespace kestrel {

void compileRcallReference(Compiler& c, std::string_view label) {
  std::int32_t n = c.returnCount;
  c.out.text("\tmovlw ").hex(n).endLine();
  // The long jump changes W: the return number goes to the RCALL word in
  // PRODL instead (see rcallColonWord).
  if (c.settings.longCalls) c.out.line("\tmovwf PRODL");
  writeJump(c.jumps(), routineLabel(label));
  c.out.text("__RETNUM").hex(n).endLine();
  if (++c.returnCount > kMaxReturnReferences) {
    c.fail("Error: Return table overflow.", kExitLimit);
  }
}

void writeReturnTable(std::int32_t count, AsmOutput& out) {
  out.line("; Return Table ");
  out.line("__return_table");
  for (std::int32_t n = 0; n < count; ++n) out.text("\tDATA __RETNUM").hex(n).endLine();
}

}  // namespace kestrel

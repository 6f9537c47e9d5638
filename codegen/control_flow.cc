#include "codegen/control_flow.h"

#include "codegen/asm_output.h"
#include "codegen/target_words.h"
#include "driver/compiler.h"
#include "reader/diagnostics.h"

namespace kestrel {

namespace {

std::int32_t popOrFail(Compiler& c, std::vector<std::int32_t>& stack) {
  if (stack.empty()) c.fail("Stack underflow!", kExitStack);
  std::int32_t n = stack.back();
  stack.pop_back();
  return n;
}

void writeFlagTest(AsmOutput& out) {
  out.line("\tcall _if_internal        ; sets wreg flag if false ");
  out.line("\ttstfsz WREG              ; skip if not set");
}

void writeLocalLabel(AsmOutput& out, const char* prefix, std::int32_t n) {
  out.text(prefix).hex(n).endLine();
}

}  // namespace

void ifWord(Compiler& c) {
  std::int32_t n = c.flow.endifCounter++;
  c.flow.ifs.push_back(n);
  writeFlagTest(c.out);
  c.out.text("\tgoto __endif").hex(n).endLine();
}

void elseWord(Compiler& c) {
  std::int32_t x = popOrFail(c, c.flow.ifs);
  std::int32_t n = c.flow.endifCounter++;
  c.flow.ifs.push_back(n);
  c.out.text("\tgoto __endif").hex(n).endLine();
  writeLocalLabel(c.out, "__endif", x);
}

void thenWord(Compiler& c) {
  std::int32_t x = popOrFail(c, c.flow.ifs);
  writeLocalLabel(c.out, "__endif", x);
}

void beginWord(Compiler& c) {
  std::int32_t m = c.flow.loopCounter++;
  c.flow.loops.push_back(m);
  writeLocalLabel(c.out, "__loop", m);
}

void againWord(Compiler& c) {
  std::int32_t m = popOrFail(c, c.flow.loops);
  c.out.text("\tgoto __loop").hex(m).endLine();
}

void untilWord(Compiler& c) {
  std::int32_t m = popOrFail(c, c.flow.loops);
  writeFlagTest(c.out);
  c.out.text("\tgoto __loop").hex(m).endLine();
}

void whileWord(Compiler& c) {
  std::int32_t m = popOrFail(c, c.flow.loops);
  std::int32_t w = c.flow.loopCounter++;
  c.flow.loops.push_back(w);
  c.flow.loops.push_back(m);
  writeFlagTest(c.out);
  c.out.text("\tgoto  __endwhile").hex(w).endLine();
}

void repeatWord(Compiler& c) {
  std::int32_t m = popOrFail(c, c.flow.loops);
  std::int32_t w = popOrFail(c, c.flow.loops);
  c.out.text("\tgoto __loop").hex(m).endLine();
  writeLocalLabel(c.out, "__endwhile", w);
}

void doWord(Compiler& c) {
  std::int32_t m = c.flow.loopCounter++;
  c.flow.loops.push_back(m);
  c.out.text("\tcall _").text(routineLabel(c, "2>r")).endLine();
  writeLocalLabel(c.out, "__loop", m);
}

void loopWord(Compiler& c) {
  std::int32_t m = popOrFail(c, c.flow.loops);
  c.out.line("\tcall _limit_reached");
  c.out.line("\ttstfsz WREG");
  c.out.text("\tgoto __loop").hex(m).endLine();
  writeLocalLabel(c.out, "__leave", m);
}

void leaveWord(Compiler& c) {
  if (c.flow.loops.empty()) c.fail("Stack underflow!", kExitStack);
  c.out.line("\tcall _2rdrop");
  c.out.text("\tgoto __leave").hex(c.flow.loops.back()).endLine();
}

void unloopWord(Compiler& c) { c.out.line("\tcall _2rdrop"); }

}  // namespace kestrel

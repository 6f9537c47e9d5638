#include "codegen/control_flow.h"

#include "codegen/asm_output.h"
#include "codegen/jumps.h"
#include "codegen/mangle.h"
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

void writeLocalLabel(AsmOutput& out, const char* prefix, std::int32_t n) {
  out.text(prefix).hex(n).endLine();
}

}  // namespace

void ifWord(Compiler& c) {
  std::int32_t n = c.flow.endifCounter++;
  c.flow.ifs.push_back(n);
  writeJumpIfFalse(c, localLabel("__endif", n));
}

void elseWord(Compiler& c) {
  std::int32_t x = popOrFail(c, c.flow.ifs);
  std::int32_t n = c.flow.endifCounter++;
  c.flow.ifs.push_back(n);
  writeJump(c, localLabel("__endif", n));
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
  writeJump(c, localLabel("__loop", m));
}

void untilWord(Compiler& c) {
  std::int32_t m = popOrFail(c, c.flow.loops);
  writeJumpIfFalse(c, localLabel("__loop", m));
}

void whileWord(Compiler& c) {
  std::int32_t m = popOrFail(c, c.flow.loops);
  std::int32_t w = c.flow.loopCounter++;
  c.flow.loops.push_back(w);
  c.flow.loops.push_back(m);
  writeJumpIfFalse(c, localLabel("__endwhile", w), "\tgoto  ");
}

void repeatWord(Compiler& c) {
  std::int32_t m = popOrFail(c, c.flow.loops);
  std::int32_t w = popOrFail(c, c.flow.loops);
  writeJump(c, localLabel("__loop", m));
  writeLocalLabel(c.out, "__endwhile", w);
}

void doWord(Compiler& c) {
  std::int32_t m = c.flow.loopCounter++;
  c.flow.loops.push_back(m);
  writeCall(c, routineLabel(mangle("2>r")));
  writeLocalLabel(c.out, "__loop", m);
}

void loopWord(Compiler& c) {
  std::int32_t m = popOrFail(c, c.flow.loops);
  writeCall(c, {"_limit_reached"});
  writeJumpIfW(c, localLabel("__loop", m));
  writeLocalLabel(c.out, "__leave", m);
}

void leaveWord(Compiler& c) {
  if (c.flow.loops.empty()) c.fail("Stack underflow!", kExitStack);
  writeCall(c, {"_2rdrop"});
  writeJump(c, localLabel("__leave", c.flow.loops.back()));
}

void unloopWord(Compiler& c) { writeCall(c, {"_2rdrop"}); }

}  // namespace kestrel

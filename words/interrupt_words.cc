#include "words/interrupt_words.h"

#include "codegen/interrupts.h"
#include "codegen/jumps.h"
#include "codegen/routine_block.h"
#include "reader/diagnostics.h"
#include "words/builtin_words.h"
#include "words/defining_words.h"
#include "words/run_state.h"
#include "words/target_words.h"

namespace kestrel {

namespace {

void beginInterruptWord(RunState& c) {
  ColonWord& handler = openColonDefinition(c, kInterruptKind, defineColonWord);
  std::int32_t vector = c.pop();
  c.interrupts.push_back({vector, std::string(handler.label())});
  if (c.settings.longCalls) {
    if (c.interrupts.size() > kLongVectorSlots) {
      c.fail("Too many interrupt handlers for -l (at most 4).", kExitLimit);
    }
    c.out.line("\t; The vector slot called _INTERRUPT_ENTER.");
  } else {
    c.out.line("\tcall _INTERRUPT_ENTER");
  }
  c.inInterrupt = true;
}

void endInterruptWord(RunState& c) {
  if (c.flow.anyOpen()) c.fail("Loop or if structure words not matched.", kExitBadWord);
  writeJump(c.jumps(), {"_INTERRUPT_EXIT"});
  writeBanner(c.out);
  c.compiling = false;
  c.inInterrupt = false;
  c.definition = nullptr;
}

}  // namespace

void registerInterruptWords(RunState& c) {
  enterWords(c, c.interpretWords, {{":interrupt", beginInterruptWord}});
  enterWords(c, c.compileWords, {{"interrupt;", endInterruptWord}});
}

}  // namespace kestrel

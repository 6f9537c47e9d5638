#include "words/control_flow.h"

#include <string>
#include <string_view>

#include "codegen/asm_output.h"
#include "codegen/jumps.h"
#include "codegen/mangle.h"
#include "reader/diagnostics.h"
#include "words/builtin_words.h"
#include "words/run_state.h"
#include "words/target_words.h"

namespace kestrel {

namespace {

std::int32_t popOrFail(RunState& c, std::vector<std::int32_t>& stack) {
  if (stack.empty()) c.fail("Stack underflow!", kExitStack);
  std::int32_t n = stack.back();
  stack.pop_back();
  return n;
}

// Pops the loop stack; a do loop taken off it is no longer open.
std::int32_t popLoop(RunState& c) {
  std::int32_t m = popOrFail(c, c.flow.loops);
  if (!c.flow.dos.empty() && c.flow.dos.back() == m) c.flow.dos.pop_back();
  return m;
}

void pushDo(RunState& c, std::int32_t m) {
  c.flow.loops.push_back(m);
  c.flow.dos.push_back(m);
}

// A closing word met without its opener: the status of an empty stack.
[[noreturn]] void failWithout(RunState& c, const char* word, const char* opener) {
  c.fail(std::string(word) + " without " + opener + ".", kExitStack);
}

[[noreturn]] void failUnmatched(RunState& c) {
  c.fail("Loop or if structure words not matched.", kExitBadWord);
}

// "of" or "endcase" while the branch of an earlier "of" is still open.
[[noreturn]] void failOpenBranch(RunState& c) { c.fail("of without endof.", kExitBadWord); }

void writeLocalLabel(AsmOutput& out, const char* prefix, std::int32_t n) {
  out.text(prefix).hex(n).endLine();
}

// The end of a do loop: the step routine answers W non-zero while the loop
// goes on, W zero (loop parameters removed) when it ends.
void writeLoopEnd(RunState& c, std::string_view stepRoutine, std::int32_t m) {
  writeCall(c.jumps(), {stepRoutine});
  writeJumpIfW(c.jumps(), localLabel("__loop", m));
  writeLocalLabel(c.out, "__leave", m);
}

CaseFrame& innermostCase(RunState& c, const char* word) {
  if (c.flow.cases.empty()) failWithout(c, word, "case");
  return c.flow.cases.back();
}

// An if or loop opened inside a case structure or one of its branches must
// be closed before the branch or the structure ends.
void checkClosedSince(RunState& c, std::size_t ifDepth, std::size_t loopDepth) {
  if (c.flow.ifs.size() != ifDepth || c.flow.loops.size() != loopDepth) failUnmatched(c);
}

void ifWord(RunState& c) {
  std::int32_t n = c.flow.endifCounter++;
  c.flow.ifs.push_back(n);
  writeJumpIfFalse(c.jumps(), localLabel("__endif", n));
}

void elseWord(RunState& c) {
  std::int32_t x = popOrFail(c, c.flow.ifs);
  std::int32_t n = c.flow.endifCounter++;
  c.flow.ifs.push_back(n);
  writeJump(c.jumps(), localLabel("__endif", n));
  writeLocalLabel(c.out, "__endif", x);
}

void thenWord(RunState& c) {
  std::int32_t x = popOrFail(c, c.flow.ifs);
  writeLocalLabel(c.out, "__endif", x);
}

void beginWord(RunState& c) {
  std::int32_t m = c.flow.loopCounter++;
  c.flow.loops.push_back(m);
  writeLocalLabel(c.out, "__loop", m);
}

void againWord(RunState& c) {
  std::int32_t m = popOrFail(c, c.flow.loops);
  writeJump(c.jumps(), localLabel("__loop", m));
}

void untilWord(RunState& c) {
  std::int32_t m = popOrFail(c, c.flow.loops);
  writeJumpIfFalse(c.jumps(), localLabel("__loop", m));
}

void whileWord(RunState& c) {
  std::int32_t m = popOrFail(c, c.flow.loops);
  std::int32_t w = c.flow.loopCounter++;
  c.flow.loops.push_back(w);
  c.flow.loops.push_back(m);
  writeJumpIfFalse(c.jumps(), localLabel("__endwhile", w), "\tgoto  ");
}

void repeatWord(RunState& c) {
  std::int32_t m = popOrFail(c, c.flow.loops);
  std::int32_t w = popOrFail(c, c.flow.loops);
  writeJump(c.jumps(), localLabel("__loop", m));
  writeLocalLabel(c.out, "__endwhile", w);
}

void doWord(RunState& c) {
  std::int32_t m = c.flow.loopCounter++;
  pushDo(c, m);
  writeCall(c.jumps(), routineLabel(routineLabel(c, "2>r")));
  writeLocalLabel(c.out, "__loop", m);
}

// Like do, but with equal limit and index the loop body is skipped: the
// test routine then drops both and answers W non-zero.
void questionDoWord(RunState& c) {
  std::int32_t m = c.flow.loopCounter++;
  pushDo(c, m);
  writeCall(c.jumps(), {"_qdo_internal"});
  writeJumpIfW(c.jumps(), localLabel("__leave", m));
  writeCall(c.jumps(), routineLabel(routineLabel(c, "2>r")));
  writeLocalLabel(c.out, "__loop", m);
}

void loopWord(RunState& c) { writeLoopEnd(c, "_limit_reached", popLoop(c)); }

void plusLoopWord(RunState& c) {
  if (c.flow.dos.empty() || c.flow.loops.empty() || c.flow.loops.back() != c.flow.dos.back()) {
    failWithout(c, "+loop", "do");
  }
  writeLoopEnd(c, "_plus_limit_reached", popLoop(c));
}

// Leaves the innermost do loop, also from inside begin loops within it.
// Without an open do the jump goes to the loop stack's top entry.
void leaveWord(RunState& c) {
  if (c.flow.loops.empty()) c.fail("Stack underflow!", kExitStack);
  std::int32_t m = c.flow.dos.empty() ? c.flow.loops.back() : c.flow.dos.back();
  writeCall(c.jumps(), {"_2rdrop"});
  writeJump(c.jumps(), localLabel("__leave", m));
}

void unloopWord(RunState& c) { writeCall(c.jumps(), {"_2rdrop"}); }

// case ... endcase is a chain of tests that share one end label: each
// "of" tests the selector and jumps past its branch when it differs, each
// "endof" jumps to the end. The selector is dropped by the matching "of",
// or by "endcase" when no branch matched.
void caseWord(RunState& c) {
  c.flow.cases.push_back({c.flow.endifCounter++, -1, c.flow.ifs.size(), c.flow.loops.size()});
}

void ofWord(RunState& c) {
  CaseFrame& frame = innermostCase(c, "of");
  if (frame.branchLabel >= 0) failOpenBranch(c);
  checkClosedSince(c, frame.ifDepth, frame.loopDepth);
  frame.branchLabel = c.flow.endifCounter++;
  writeCall(c.jumps(), {"_of_internal"});
  writeJumpIfW(c.jumps(), localLabel("__endif", frame.branchLabel));
}

void endofWord(RunState& c) {
  if (c.flow.cases.empty() || c.flow.cases.back().branchLabel < 0) failWithout(c, "endof", "of");
  CaseFrame& frame = c.flow.cases.back();
  checkClosedSince(c, frame.ifDepth, frame.loopDepth);
  writeJump(c.jumps(), localLabel("__endif", frame.endLabel));
  writeLocalLabel(c.out, "__endif", frame.branchLabel);
  frame.branchLabel = -1;
}

void endcaseWord(RunState& c) {
  CaseFrame frame = innermostCase(c, "endcase");
  if (frame.branchLabel >= 0) failOpenBranch(c);
  checkClosedSince(c, frame.ifDepth, frame.loopDepth);
  c.flow.cases.pop_back();
  writeCall(c.jumps(), {"_poptop"});
  writeLocalLabel(c.out, "__endif", frame.endLabel);
}

void exitWord(RunState& c) { compileReturn(c); }

// Compiles a reference to the definition being compiled, as a use of its
// name would after the definition.
void recurseWord(RunState& c) {
  if (c.definition == nullptr) c.fail("recurse outside a definition.", kExitBadWord);
  // A handler ends with the interrupt exit, not a return: it cannot be called.
  if (!c.interrupts.empty() && c.interrupts.back().label == c.definition->label()) {
    c.fail("recurse inside an interrupt handler.", kExitBadWord);
  }
  c.definition->execute(c);
}

}  // namespace

void registerControlFlowWords(RunState& c) {
  enterWords(c, c.compileWords,
             {{"if", ifWord}, {"else", elseWord}, {"then", thenWord}, {"begin", beginWord},
              {"again", againWord}, {"until", untilWord}, {"while", whileWord}, {"repeat", repeatWord},
              {"do", doWord}, {"unloop", unloopWord}, {"leave", leaveWord}, {"loop", loopWord},
              {"exit", exitWord}});
  enterWords(c, c.yieldingCompileWords,
             {{"?do", questionDoWord}, {"+loop", plusLoopWord}, {"recurse", recurseWord}, {"case", caseWord},
              {"of", ofWord}, {"endof", endofWord}, {"endcase", endcaseWord}});
}

}  // namespace kestrel

#include "words/defining_words.h"

#include "codegen/asm_output.h"
#include "codegen/jumps.h"
#include "codegen/mangle.h"
#include "codegen/routine_block.h"
#include "reader/diagnostics.h"
#include "reader/raw_text.h"
#include "reader/text.h"
#include "words/builtin_words.h"
#include "words/run_state.h"
#include "words/target_words.h"

namespace kestrel {

namespace {

// One piece of a source line is at most this long; a longer line is read as
// several pieces.
constexpr std::size_t kAssemblyLinePiece = 198;

ColonWord* defineRcallWord(RunState& c, std::string_view name) {
  ColonWord* word = c.define<RcallWord>(c.compileWords, name);
  assignLabel(c, *word);
  return word;
}

bool isSeparator(char ch) { return ch == ' ' || ch == '\t' || ch == '\r' || ch == ','; }

// Whether an assembly line holds the word call or goto (in any letter case)
// before its comment: a one-word CALL or GOTO, which reaches only its own
// 8K-word page.
bool usesShortCallOrGoto(std::string_view line) {
  line = line.substr(0, line.find(';'));
  std::size_t start = 0;
  while (start < line.size()) {
    std::size_t end = start;
    while (end < line.size() && !isSeparator(line[end])) ++end;
    std::string_view token = line.substr(start, end - start);
    if (equalsNoCase(token, "call") || equalsNoCase(token, "goto")) return true;
    start = end + 1;
  }
  return false;
}

// Copies source lines to the output unchanged up to a line that begins with
// "endcode" (in any letter case), which is dropped; also stops at the end
// of the input. Labels the lines define are not free for later words.
// With long calls, code that uses CALL or GOTO must lie in page 0
// (lib/kcomp.inc, "Program memory pages"): the prelude's kinpage0 macro
// after it ends the assembly with a message if it does not.
void copyAssemblyBlock(RunState& c) {
  std::string line;
  bool shortCalls = false;
  for (;;) {
    if (readUpTo(c.sources, '\n', kAssemblyLinePiece, line) == 0) break;  // the end of the input
    if (line.size() >= 7 && equalsNoCase(std::string_view(line).substr(0, 7), "endcode")) break;
    if (c.settings.longCalls && !shortCalls) shortCalls = usesShortCallOrGoto(line);
    c.out.line(line);
    c.labels.learnDefinitions(line);
  }
  if (shortCalls) c.out.line("\tkinpage0");
}

}  // namespace

ColonWord* defineColonWord(RunState& c, std::string_view name) {
  ColonWord* word = c.define<ColonWord>(c.compileWords, name);
  assignLabel(c, *word);
  return word;
}

ColonWord& openColonDefinition(RunState& c, std::string_view kind, WordMaker define) {
  c.deferredReturn = false;
  ++c.wordsCount;
  std::string_view name = c.tokens.next();
  writeBanner(c.out);
  writeHeader(c.out, kind, name);
  ColonWord& word = *define(c, name);
  writeLabel(c.out, word.label());
  c.compiling = true;
  c.definition = &word;
  return word;
}

namespace {

void colonWord(RunState& c) { openColonDefinition(c, kForthKind, defineColonWord); }

void sleepColonWord(RunState& c) { openColonDefinition(c, kSleepKind, defineColonWord); }

void rcallColonWord(RunState& c) {
  openColonDefinition(c, kRcallKind, defineRcallWord);
  // The caller's return number comes in W, or in PRODL with long calls.
  if (c.settings.longCalls) {
    writeCallWithW(c.jumps(), "\tmovfp PRODL, WREG", {"__rcall_prologue"});
  } else {
    c.out.line("\tcall __rcall_prologue");
  }
  c.noTailCall = true;
}

void codeWord(RunState& c) {
  std::string name(c.tokens.next());
  writeBanner(c.out);
  writeHeader(c.out, kCodeKind, name);
  writeLabel(c.out, defineColonWord(c, name)->label());
  copyAssemblyBlock(c);
  writeBanner(c.out);
}

void inlineCodeWord(RunState& c) {
  c.out.line("; Embedded assembly language.");
  copyAssemblyBlock(c);
  c.out.line("; End embedded assembly.");
}

void orgWord(RunState& c) {
  std::int32_t address = c.pop();
  c.out.text("\torg\t").hex(address).endLine();
}

void unrememberWord(RunState&) {}

void semicolonWord(RunState& c) {
  if (c.flow.anyOpen()) c.fail("Loop or if structure words not matched.", kExitBadWord);
  compileReturn(c);
  writeBanner(c.out);
  c.compiling = false;
  c.noTailCall = false;
  c.definition = nullptr;
}

}  // namespace

void registerDefiningWords(RunState& c) {
  enterWords(c, c.interpretWords,
             {{":", colonWord}, {":zzz", sleepColonWord}, {"::", rcallColonWord}, {"code", codeWord},
              {"org", orgWord}, {"unremember", unrememberWord}});
  enterWords(c, c.compileWords, {{";", semicolonWord}, {"[code]", inlineCodeWord}});
}

}  // namespace kestrel

#include "words/defining_words.h"

#include "codegen/asm_output.h"
#include "codegen/routine_block.h"
#include "codegen/target_words.h"
#include "driver/compiler.h"
#include "reader/diagnostics.h"
#include "reader/raw_text.h"
#include "reader/text.h"

namespace kestrel {

namespace {

// One piece of a source line is at most this long; a longer line is read as
// several pieces.
constexpr std::size_t kAssemblyLinePiece = 198;

ColonWord* defineRcallWord(Compiler& c, std::string_view name) {
  ColonWord* word = c.define<RcallWord>(c.compileWords, name);
  assignLabel(c, *word);
  return word;
}

// Copies source lines to the output unchanged up to a line that begins with
// "endcode" (in any letter case), which is dropped; also stops at the end
// of the input. Labels the lines define are not free for later words.
void copyAssemblyBlock(Compiler& c) {
  std::string line;
  for (;;) {
    if (readUpTo(c.sources, '\n', kAssemblyLinePiece, line) == 0) return;  // the end of the input
    if (line.size() >= 7 && equalsNoCase(std::string_view(line).substr(0, 7), "endcode")) return;
    c.out.line(line);
    c.labels.learnDefinitions(line);
  }
}

}  // namespace

ColonWord* defineColonWord(Compiler& c, std::string_view name) {
  ColonWord* word = c.define<ColonWord>(c.compileWords, name);
  assignLabel(c, *word);
  return word;
}

ColonWord& openColonDefinition(Compiler& c, std::string_view kind, WordMaker define) {
  c.deferredReturn = false;
  ++c.wordsCount;
  std::string_view name = c.tokens.next();
  writeBanner(c.out);
  writeHeader(c.out, kind, name);
  ColonWord& word = *define(c, name);
  writeLabel(c.out, word.label());
  c.compiling = true;
  return word;
}

void colonWord(Compiler& c) { openColonDefinition(c, kForthKind, defineColonWord); }

void sleepColonWord(Compiler& c) { openColonDefinition(c, kSleepKind, defineColonWord); }

void rcallColonWord(Compiler& c) {
  openColonDefinition(c, kRcallKind, defineRcallWord);
  c.out.line("\tcall __rcall_prologue");
  c.noTailCall = true;
}

void codeWord(Compiler& c) {
  std::string name(c.tokens.next());
  writeBanner(c.out);
  writeHeader(c.out, kCodeKind, name);
  writeLabel(c.out, defineColonWord(c, name)->label());
  copyAssemblyBlock(c);
  writeBanner(c.out);
}

void inlineCodeWord(Compiler& c) {
  c.out.line("; Embedded assembly language.");
  copyAssemblyBlock(c);
  c.out.line("; End embedded assembly.");
}

void tickWord(Compiler& c) {
  std::string name(c.tokens.next());
  Word* word = c.compileWords.find(name);
  if (word == nullptr) c.fail("Unrecognized word: " + name, kExitBadWord);
  // The label of the word found, whatever letter case the token has.
  c.out.text("\tpushaddr _").text(routineLabel(c, name)).endLine();
}

void orgWord(Compiler& c) {
  std::int32_t address = c.pop();
  c.out.text("\torg\t").hex(address).endLine();
}

void unrememberWord(Compiler&) {}

}  // namespace kestrel

#include "words/literal_words.h"

#include <string>

#include "reader/diagnostics.h"
#include "words/builtin_words.h"
#include "words/run_state.h"
#include "words/target_words.h"

namespace kestrel {

namespace {

void checkRange(RunState& c, std::int32_t value) {
  if (value > 65535 || value < -32768) {
    c.fail(std::to_string(value) + " : literal value out of range.", kExitLimit);
  }
}

// Interrupt handlers and the speed option push every number in line.
bool mayUseTable(const RunState& c) { return !c.inInterrupt && !c.settings.speed; }

void literalWord(RunState& c) { compileLiteral(c, c.pop()); }

// double: the next token as a 32-bit number, compiled as two literals, the
// low half first.
void doubleWord(RunState& c) {
  auto value = tokenValue(c.tokens.next());
  if (!value) c.fail("Funny number", kExitFunnyNumber);
  compileLiteral(c, *value & 65535);
  compileLiteral(c, (*value >> 16) & 65535);
}

// The code of the first character of the next token (0 at the end of the
// input).
std::int32_t nextCharCode(RunState& c) {
  std::string_view token = c.tokens.next();
  return token.empty() ? 0 : static_cast<unsigned char>(token[0]);
}

void compileCharWord(RunState& c) { compileLiteral(c, nextCharCode(c)); }  // [char]
void pushCharWord(RunState& c) { c.push(nextCharCode(c)); }                // char

// ['] name: pushes the address of the word's routine.
void tickWord(RunState& c) {
  std::string name(c.tokens.next());
  Word* word = c.compileWords.find(name);
  if (word == nullptr) c.fail("Unrecognized word: " + name, kExitBadWord);
  // The label of the word found, whatever letter case the token has.
  c.out.text("\tpushaddr _").text(routineLabel(c, name)).endLine();
}

}  // namespace

void compileLiteral(RunState& c, std::int32_t value) {
  checkRange(c, value);
  writeLiteral(c.jumps(), c.literals, value, mayUseTable(c));
}

void compileTailLiteral(RunState& c, std::int32_t value) {
  checkRange(c, value);
  writeTailLiteral(c.jumps(), c.literals, value, mayUseTable(c));
}

void compileNumber(RunState& c, std::int32_t value) {
  if (ValueWord* word = c.values.find(value)) {
    word->execute(c);
  } else {
    compileLiteral(c, value);
  }
}

void registerLiteralWords(RunState& c) {
  enterWords(c, c.compileWords,
             {{"[']", tickWord}, {"[char]", compileCharWord}, {"literal", literalWord}, {"double", doubleWord}});
  enterWords(c, c.yieldingInterpretWords, {{"char", pushCharWord}});
}

}  // namespace kestrel

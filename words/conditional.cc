#include "words/conditional.h"

#include "reader/text.h"
#include "words/builtin_words.h"
#include "words/run_state.h"

namespace kestrel {

namespace {

enum class SkipEnd { kElseOrThen, kThenOnly };

// Drops words up to the "[then]" that matches (or, for a false "[if]", an
// "[else]" of the same level), consuming it. Nested conditionals are
// followed with a depth count, not recursion. The end of the file ends the
// skipped part.
void skipConditional(RunState& c, SkipEnd stopAt) {
  std::size_t depth = 0;
  for (;;) {
    std::string_view word = c.tokens.next();
    if (word.empty()) return;
    if (equalsNoCase(word, "[if]")) {
      ++depth;
    } else if (equalsNoCase(word, "[then]")) {
      if (depth == 0) return;
      --depth;
    } else if (depth == 0 && stopAt == SkipEnd::kElseOrThen && equalsNoCase(word, "[else]")) {
      return;
    }
  }
}

void ifDirectiveWord(RunState& c) {
  if (c.pop() == 0) skipConditional(c, SkipEnd::kElseOrThen);
}

void elseDirectiveWord(RunState& c) { skipConditional(c, SkipEnd::kThenOnly); }

void thenDirectiveWord(RunState&) {}

}  // namespace

void registerConditionalWords(RunState& c) {
  for (Dictionary* words : {&c.interpretWords, &c.compileWords}) {
    enterWords(c, *words,
               {{"[if]", ifDirectiveWord}, {"[else]", elseDirectiveWord}, {"[then]", thenDirectiveWord}});
  }
}

}  // namespace kestrel

#include "words/conditional.h"

#include "driver/compiler.h"
#include "reader/raw_text.h"
#include "reader/text.h"

namespace kestrel {

namespace {

enum class SkipEnd { kElseOrThen, kThenOnly };

// Drops words up to the "[then]" that matches (or, for a false "[if]", an
// "[else]" of the same level), consuming it. Nested conditionals are
// followed with a depth count, not recursion. The end of the file ends the
// skipped part.
void skipConditional(Compiler& c, SkipEnd stopAt) {
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

}  // namespace

void commentWord(Compiler& c) { skipComment(c.sources); }

void showCommentWord(Compiler& c) { showComment(c.sources, c.console); }

void lineCommentWord(Compiler& c) { skipLine(c.sources); }

void ifDirectiveWord(Compiler& c) {
  if (c.pop() == 0) skipConditional(c, SkipEnd::kElseOrThen);
}

void elseDirectiveWord(Compiler& c) { skipConditional(c, SkipEnd::kThenOnly); }

void noEffectWord(Compiler&) {}

}  // namespace kestrel

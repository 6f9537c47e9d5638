#include "words/builtin_words.h"

#include "words/arithmetic.h"
#include "words/conditional.h"
#include "words/control_flow.h"
#include "words/data_words.h"
#include "words/defining_words.h"
#include "words/interrupt_words.h"
#include "words/literal_words.h"
#include "words/run_state.h"
#include "words/source_words.h"
#include "words/strings.h"

namespace kestrel {

void registerBuiltinWords(RunState& c) {
  registerSourceWords(c);
  registerDefiningWords(c);
  registerDataWords(c);
  registerInterruptWords(c);
  registerControlFlowWords(c);
  registerLiteralWords(c);
  registerStringWords(c);
  registerConditionalWords(c);
  registerArithmeticWords(c);
}

void enterWords(RunState& c, Dictionary& dictionary, std::initializer_list<BuiltinWord> words) {
  for (const BuiltinWord& word : words) c.define<HostWord>(dictionary, word.name, word.handler);
}

}  // namespace kestrel

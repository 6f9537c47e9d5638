#include "words/target_words.h"

#include "codegen/jumps.h"
#include "codegen/mangle.h"
#include "codegen/return_table.h"
#include "codegen/routine_block.h"
#include "reader/diagnostics.h"
#include "reader/raw_text.h"
#include "reader/text.h"
#include "words/run_state.h"

namespace kestrel {

namespace {

// Peeks past "(" and "\" comments, so that the pending lookahead token, if
// any, is the next token that is not a comment. No echo lines are written.
void skipCommentsAhead(RunState& c) {
  while (c.sources.good()) {
    std::string_view token = c.tokens.peek();
    if (token == "(") {
      skipComment(c.sources);
    } else if (token == "\\") {
      skipLine(c.sources);
    } else {
      return;
    }
    c.tokens.dropLookahead();
  }
}

bool lookaheadIs(const RunState& c, std::string_view word) {
  auto next = c.tokens.lookahead();
  return next && equalsNoCase(*next, word);
}

void writeCallOrJump(RunState& c, std::string_view label) {
  if (!c.noTailCall && (lookaheadIs(c, ";") || lookaheadIs(c, "exit"))) {
    c.deferredReturn = true;
    writeJump(c.jumps(), routineLabel(label));
  } else {
    writeCall(c.jumps(), routineLabel(label));
  }
}

// With the speed option, a value in the register range followed by a fetch
// or store compiles to direct register moves. Returns true when it did.
bool foldFetchOrStore(RunState& c, std::int32_t value) {
  auto next = c.tokens.lookahead();
  if (!c.settings.speed || (value >> 8) != 0 || !next) return false;
  std::int32_t a = value & 255;
  std::int32_t b = (value + 1) & 255;
  AsmOutput& out = c.out;
  if (equalsNoCase(*next, "!")) {
    writeEcho(out, *next);
    out.text("\tmovpf THIGH, ").hex(a).endLine();
    out.text("\tmovpf TLOW, ").hex(b).endLine();
    writeCall(c.jumps(), {"_poptop"});
  } else if (equalsNoCase(*next, "c!")) {
    writeEcho(out, *next);
    out.text("\tmovpf TLOW, ").hex(a).endLine();
    writeCall(c.jumps(), {"_poptop"});
  } else if (equalsNoCase(*next, "@")) {
    writeEcho(out, *next);
    writeCall(c.jumps(), {"_pushtop"});
    out.text("\tmovfp ").hex(a).text(", THIGH").endLine();
    out.text("\tmovfp ").hex(b).text(", TLOW").endLine();
  } else if (equalsNoCase(*next, "c@")) {
    writeEcho(out, *next);
    writeCall(c.jumps(), {"_pushtop"});
    out.text("\tmovfp ").hex(a).text(", TLOW").endLine();
    out.line("\tclrf THIGH, F");
  } else {
    return false;
  }
  c.tokens.dropLookahead();
  return true;
}

}  // namespace

ValueList::ValueList() : entries_(64), shift_(32 - 6) {}

ValueWord* ValueList::find(std::int32_t value) const {
  std::size_t mask = entries_.size() - 1;
  for (std::size_t slot = firstSlot(value);; slot = (slot + 1) & mask) {
    const Entry& entry = entries_[slot];
    if (entry.word == nullptr || entry.value == value) return entry.word;
  }
}

void ValueList::add(ValueWord* word) {
  std::size_t mask = entries_.size() - 1;
  std::size_t slot = firstSlot(word->value());
  while (entries_[slot].word != nullptr) {
    if (entries_[slot].value == word->value()) return;  // the first word keeps the value
    slot = (slot + 1) & mask;
  }
  entries_[slot] = {word->value(), word};
  if (++count_ * 2 > entries_.size()) grow();
}

void ValueList::grow() {
  std::vector<Entry> old(entries_.size() * 2);
  old.swap(entries_);
  --shift_;
  count_ = 0;
  for (const Entry& entry : old) {
    if (entry.word != nullptr) add(entry.word);
  }
}

void ColonWord::setLabel(std::string label) {
  if (label == name()) {
    label_.reset();
  } else {
    label_ = std::make_unique<std::string>(std::move(label));
  }
}

std::string routineLabel(const RunState& c, std::string_view name) {
  Word* word = c.compileWords.find(name);
  if (auto* alias = dynamic_cast<AliasWord*>(word)) return std::string(alias->target()->label());
  if (auto* target = dynamic_cast<ColonWord*>(word)) return std::string(target->label());
  return mangle(name);
}

void assignLabel(RunState& c, ColonWord& word, LabelUse use) {
  word.setLabel(c.labels.assign(word.name(), use));
}

void compileCall(RunState& c, std::string_view label) {
  skipCommentsAhead(c);
  writeCallOrJump(c, label);
}

void ColonWord::execute(RunState& c) { compileCall(c, label()); }

void RcallWord::execute(RunState& c) {
  writeRcallReference(c.jumps(), c.returnCount, label());
  if (++c.returnCount > kMaxReturnReferences) c.fail("Error: Return table overflow.", kExitLimit);
}

// A reference to a value word: with the speed option a following fetch or
// store folds into register moves, else a call or tail jump.
void ValueWord::execute(RunState& c) {
  skipCommentsAhead(c);
  if (!foldFetchOrStore(c, value_)) writeCallOrJump(c, label());
}

void HostConstant::execute(RunState& c) { c.push(value()); }

void AliasWord::execute(RunState& c) { target_->execute(c); }

void compileReturn(RunState& c) {
  if (c.noTailCall) {
    writeJump(c.jumps(), {"__rcall_return"});
  } else if (!c.deferredReturn) {
    c.out.line("\treturn");
  } else {
    c.out.line("\t; Deferred return.");
  }
  c.deferredReturn = false;
}

ValueWord* defineValueWord(RunState& c, std::string_view name, std::int32_t value,
                           const std::string* label) {
  if (ValueWord* earlier = c.values.find(value)) {
    c.define<AliasWord>(c.compileWords, name, earlier);
    return earlier;
  }
  ValueWord* word = c.define<ValueWord>(c.compileWords, name, value);
  if (label != nullptr) {
    word->setLabel(*label);
  } else {
    assignLabel(c, *word);
  }
  c.values.add(word);
  return nullptr;
}

}  // namespace kestrel

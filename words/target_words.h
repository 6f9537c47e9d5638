// The kinds of words a program defines, and what a reference to each
// compiles to inside a definition.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "codegen/labels.h"
#include "reader/word.h"

namespace kestrel {

// A routine entered with a call, or with a jump when the reference is the
// last thing before ";" or "exit" (the routine's own return then returns to
// the caller).
class ColonWord : public Word {
 public:
  explicit ColonWord(std::string_view name) : Word(name) {}
  // The label given to the word (see codegen/labels.h), the name itself
  // until one is given; the routine label is "_" followed by it.
  std::string_view label() const { return label_ ? *label_ : name(); }
  void setLabel(std::string label);
  void execute(RunState& c) override;

 private:
  // Most names are their own label: only the others keep a second text.
  std::unique_ptr<std::string> label_;
};

// A routine entered through the return table; never a tail jump.
class RcallWord : public ColonWord {
 public:
  using ColonWord::ColonWord;
  void execute(RunState& c) override;
};

// A constant or data address whose routine pushes the value. With the speed
// option a following fetch or store of a register address is done in line.
class ValueWord : public ColonWord {
 public:
  ValueWord(std::string_view name, std::int32_t value) : ColonWord(name), value_(value) {}
  std::int32_t value() const { return value_; }
  void execute(RunState& c) override;

 private:
  std::int32_t value_;
};

// The interpret-time twin of a value word: pushes the value on the
// interpreter data stack.
class HostConstant : public ValueWord {
 public:
  using ValueWord::ValueWord;
  void execute(RunState& c) override;
};

// A second name for an earlier value word of equal value; compiles exactly
// as the earlier word does, under its label.
class AliasWord : public ColonWord {
 public:
  AliasWord(std::string_view name, ValueWord* target) : ColonWord(name), target_(target) {}
  ValueWord* target() const { return target_; }
  void execute(RunState& c) override;

 private:
  ValueWord* target_;
};

// The value list: each value that a value word introduced, with that word.
// Numbers compiled later with an equal value reference the word instead,
// and a later value word of that value becomes its alias.
//
// Every number compiled is looked up here, and most are not found: the list
// is an open-addressing table with a multiplicative hash and linear
// probing, at most half full, so that a miss costs about one probe and no
// division (bench/README.md).
class ValueList {
 public:
  ValueList();
  ValueWord* find(std::int32_t value) const;
  // Records `word` for its value, unless a word already holds that value.
  void add(ValueWord* word);

 private:
  struct Entry {
    std::int32_t value;
    ValueWord* word;  // nullptr: a free entry
  };
  std::size_t firstSlot(std::int32_t value) const {
    return (static_cast<std::uint32_t>(value) * 2654435769u) >> shift_;
  }
  void grow();

  std::vector<Entry> entries_;
  unsigned shift_;  // 32 - log2(entries_.size())
  std::size_t count_ = 0;
};

// Compiles a call of `label`, or a tail jump when the next token (after
// comments) is ";" or "exit" and tail calls are allowed.
void compileCall(RunState& c, std::string_view label);
// The return written by ";" and "exit".
void compileReturn(RunState& c);
// The label of the routine that the word `name` (found in any letter
// case) runs: an alias runs its target's. A name with no routine gives its
// mangled form.
std::string routineLabel(const RunState& c, std::string_view name);
// Gives a newly defined word its label.
void assignLabel(RunState& c, ColonWord& word, LabelUse use = LabelUse::kRoutine);
// Enters a value word for `name`, or an alias when a value word of equal
// value exists; returns that earlier word, or nullptr. A new value word
// takes `label` when one is given (a data word chooses its label before),
// else gets one.
ValueWord* defineValueWord(RunState& c, std::string_view name, std::int32_t value,
                           const std::string* label = nullptr);

}  // namespace kestrel

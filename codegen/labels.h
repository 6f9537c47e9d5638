// Chooses the assembler label of every word a program defines, so that
// each one is a valid label and no two of them, nor a label of the run-time
// prelude, of the assembler or of the compiler's own generated code, are
// the same.
//
// A word's label is normally its mangled name (codegen/mangle.h). Only a
// name whose mangled form is taken gets another: the mangled form followed
// by "_", a decimal number and "_QZX_", the first such number that is free.
// Labels are compared as gpasm compares symbols, exactly; the assembler's
// directives, which it recognises in any letter case, are avoided in any
// letter case.
//
// Every text kept here is a label without its leading "_" (the form a word
// stores), since every label a name produces is "_" followed by it.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <unordered_set>

namespace kestrel {

// Which labels a word writes: its routine label, the equate "_PTR" that a
// data word adds, or both.
enum class LabelUse { kRoutine, kPointer, kRoutineAndPointer };

class LabelTable {
 public:
  LabelTable();

  // Notes the labels that assembly text defines (a prelude file, or the
  // lines of a code block): symbols at the start of a line and names given
  // to #define.
  void learnDefinitions(std::string_view text);

  // Picks the label of a new word named `name` and records it as taken.
  std::string assign(std::string_view name, LabelUse use);

  // Records `label` (without its leading "_") as taken by a word whose
  // name a later word took over: that later word needs another label.
  void take(std::string_view label) { reserve(label); }

  // True when gpasm or the prelude already gives `label` (without its
  // leading "_") a meaning.
  bool isReserved(std::string_view label) const;

 private:
  struct Hash {
    using is_transparent = void;
    std::size_t operator()(std::string_view text) const { return std::hash<std::string_view>{}(text); }
  };
  using TextSet = std::unordered_set<std::string, Hash, std::equal_to<>>;

  // True when `name` is its own free routine label, found cheaply: most
  // names are plain words that nothing else claims.
  bool isPlainAndFree(std::string_view name) const;
  // True when `label` is one of the reserved texts (fixed or learned).
  bool isReservedText(std::string_view label) const;
  bool isFree(std::string_view label, LabelUse use) const;
  bool isTaken(std::string_view label) const;
  void record(const std::string& label, LabelUse use);
  void reserve(std::string_view label);

  TextSet reserved_;
  // One bit per reserved text, at a place drawn from its length and ends:
  // a clear bit answers "not reserved" without hashing the whole text.
  std::array<std::uint64_t, 64> reservedFilter_{};
  // Labels of words that another word's label could equal: only labels that
  // end in "_QZX_" or "_PTR" are ever made from a different name, so only
  // they are kept. Other labels are names themselves, which the dictionary
  // keeps distinct.
  TextSet taken_;
  // For each mangled name that was taken, the last number tried after it.
  std::unordered_map<std::string, std::uint32_t, Hash, std::equal_to<>> lastSuffix_;
};

}  // namespace kestrel

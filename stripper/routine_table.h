// The routine table: one record per routine block, in file order, with the
// references found in the block. Label texts are interned so that the graph
// algorithms work on small integers instead of strings.
//
// The table is lean for large files: texts live in a few large blocks, the
// labels in one open-addressing hash table, and the references of all
// routines in one vector, each routine owning the run from its first
// reference to the next routine's first.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

#include "stripper/block_format.h"

namespace kestrel::strip {

// Keeps copies of texts in large blocks that never move, so the views it
// hands out stay valid for as long as the store lives.
class TextStore {
 public:
  std::string_view keep(std::string_view text);

 private:
  struct Block {
    std::unique_ptr<char[]> data;
    std::size_t size;
    std::size_t used;
  };
  std::vector<Block> blocks_;
};

using LabelId = std::uint32_t;

class LabelSet {
 public:
  // Label ids run from 0 up; there can be 2^31 - 1 of them.
  static constexpr std::size_t kMaxLabels = (std::size_t{1} << 31) - 1;

  // The top 24 bits come from the text without its last character (the
  // stem), the low 8 bits are that character. Labels that differ only in
  // their last character, such as those that end in a counter, so find their
  // places near one another: filling a large table then waits far less for
  // memory.
  static std::uint32_t hash(std::string_view text);

  LabelId intern(std::string_view text) { return intern(text, hash(text)); }
  // `textHash` is hash(text).
  LabelId intern(std::string_view text, std::uint32_t textHash);
  std::optional<LabelId> find(std::string_view text) const;
  // Starts fetching the memory that interning a text with this hash will
  // look at first, so that the intern need not wait for it. Changes nothing.
  void prefetch(std::uint32_t textHash) const;
  std::string_view text(LabelId id) const { return texts_[id]; }
  std::size_t size() const { return texts_.size(); }

 private:
  static constexpr LabelId kEmpty = ~LabelId{0};
  struct Slot {
    std::uint32_t hash;
    LabelId id;  // kEmpty for an unused slot
  };
  // Where the search for a label starts.
  std::size_t firstSlot(std::uint32_t textHash) const;
  // The slot that holds `text`, or the unused slot where it would go.
  std::size_t slotFor(std::string_view text, std::uint32_t textHash) const;
  void grow();

  TextStore store_;
  std::vector<std::string_view> texts_;
  std::vector<Slot> slots_;  // a power of two in number, at most 3/4 used
};

struct Reference {
  LabelId target : 31;
  LabelId isCall : 1;  // 0 for "goto"
};

struct Routine {
  std::string_view name;
  LabelId label;
  RoutineKind kind;
  bool root;
  std::size_t firstReference;  // index in RoutineTable::references
};

// A table holds fewer than 2^31 routines and fewer than 2^32 references;
// adding more throws std::length_error.
struct RoutineTable {
  static constexpr std::size_t kMaxRoutines = (std::size_t{1} << 31) - 1;
  static constexpr std::size_t kMaxReferences = (std::size_t{1} << 32) - 1;

  LabelSet labels;  // routine labels and reference targets
  std::vector<Routine> routines;
  std::vector<Reference> references;  // of all routines, in table order
  TextStore names;

  void addRoutine(std::string_view name, std::string_view label, RoutineKind kind, bool root) {
    addRoutine(name, labels.intern(label), kind, root);
  }
  void addRoutine(std::string_view name, LabelId label, RoutineKind kind, bool root);
  // Adds a reference to the routine added last.
  void addReference(std::string_view target, bool isCall) { addReference(labels.intern(target), isCall); }
  void addReference(LabelId target, bool isCall);
  std::span<const Reference> referencesOf(std::size_t routine) const;
};

}  // namespace kestrel::strip

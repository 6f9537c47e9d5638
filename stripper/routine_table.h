// The routine table: one record per routine block, in file order, with the
// references found in the block. Label texts are interned so that the graph
// algorithms work on small integers instead of strings.
#pragma once

#include <cstddef>
#include <deque>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "stripper/block_format.h"

namespace kestrel::strip {

using LabelId = std::size_t;

class LabelSet {
 public:
  LabelId intern(std::string_view text);
  std::optional<LabelId> find(std::string_view text) const;
  std::string_view text(LabelId id) const { return texts_[id]; }
  std::size_t size() const { return texts_.size(); }

 private:
  std::deque<std::string> texts_;  // a deque never moves its elements
  std::unordered_map<std::string_view, LabelId> ids_;
};

struct Reference {
  LabelId target;
  bool isCall;  // false for "goto"
};

struct Routine {
  std::string name;
  LabelId label;
  RoutineKind kind;
  bool root;
  std::vector<Reference> references;
};

struct RoutineTable {
  LabelSet labels;  // routine labels and reference targets
  std::vector<Routine> routines;
};

}  // namespace kestrel::strip

// Routine tables built directly in tests of the graph algorithms.
#pragma once

#include <string>
#include <utility>

#include "stripper/routine_table.h"

namespace kestrel::strip {

class TableBuilder {
 public:
  TableBuilder& routine(const std::string& label, RoutineKind kind = RoutineKind::Forth, bool root = false) {
    table_.addRoutine(label, label, kind, root);
    return *this;
  }
  TableBuilder& root(const std::string& label) { return routine(label, RoutineKind::Forth, true); }
  TableBuilder& calls(const std::string& target) { return reference(target, true); }
  TableBuilder& jumpsTo(const std::string& target) { return reference(target, false); }
  RoutineTable build() { return std::move(table_); }

 private:
  TableBuilder& reference(const std::string& target, bool isCall) {
    table_.addReference(target, isCall);
    return *this;
  }
  RoutineTable table_;
};

}  // namespace kestrel::strip

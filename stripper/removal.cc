#include "stripper/removal.h"

#include <cstddef>

namespace kestrel::strip {

namespace {

// How many references of remaining routines name each label.
std::vector<std::size_t> countReferences(const RoutineTable& table) {
  std::vector<std::size_t> counts(table.labels.size(), 0);
  for (const Routine& routine : table.routines) {
    for (const Reference& reference : routine.references) ++counts[reference.target];
  }
  return counts;
}

std::vector<std::vector<std::size_t>> routinesByLabel(const RoutineTable& table) {
  std::vector<std::vector<std::size_t>> byLabel(table.labels.size());
  for (std::size_t i = 0; i < table.routines.size(); ++i) {
    byLabel[table.routines[i].label].push_back(i);
  }
  return byLabel;
}

}  // namespace

// Reference counts and a work list give in linear time the same result as
// repeated passes over the table: a label's count reaches zero only once, and
// the routines of that label are queued then.
std::vector<bool> findKeptRoutines(const RoutineTable& table) {
  const std::vector<Routine>& routines = table.routines;
  std::vector<std::size_t> counts = countReferences(table);
  std::vector<std::vector<std::size_t>> byLabel = routinesByLabel(table);
  std::vector<bool> kept(routines.size(), true);

  std::vector<std::size_t> unreferenced;
  for (std::size_t i = 0; i < routines.size(); ++i) {
    if (!routines[i].root && counts[routines[i].label] == 0) unreferenced.push_back(i);
  }
  while (!unreferenced.empty()) {
    std::size_t removed = unreferenced.back();
    unreferenced.pop_back();
    kept[removed] = false;
    for (const Reference& reference : routines[removed].references) {
      if (--counts[reference.target] != 0) continue;
      for (std::size_t other : byLabel[reference.target]) {
        if (kept[other] && !routines[other].root) unreferenced.push_back(other);
      }
    }
  }
  return kept;
}

std::vector<bool> findKeptLabels(const RoutineTable& table, const std::vector<bool>& kept) {
  std::vector<bool> keptLabels(table.labels.size(), false);
  for (std::size_t i = 0; i < table.routines.size(); ++i) {
    if (kept[i]) keptLabels[table.routines[i].label] = true;
  }
  return keptLabels;
}

}  // namespace kestrel::strip

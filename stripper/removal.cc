#include "stripper/removal.h"

#include <cstddef>
#include <limits>

namespace kestrel::strip {

namespace {

constexpr std::size_t kNoRoutine = std::numeric_limits<std::size_t>::max();

// How many references of remaining routines name each label.
std::vector<std::size_t> countReferences(const RoutineTable& table) {
  std::vector<std::size_t> counts(table.labels.size(), 0);
  for (const Reference& reference : table.references) ++counts[reference.target];
  return counts;
}

// The routines of each label as lists threaded through one vector: the first
// routine of a label, and for each routine the next one with its label.
struct RoutinesByLabel {
  std::vector<std::size_t> first;
  std::vector<std::size_t> next;
};

RoutinesByLabel routinesByLabel(const RoutineTable& table) {
  RoutinesByLabel byLabel{std::vector<std::size_t>(table.labels.size(), kNoRoutine),
                          std::vector<std::size_t>(table.routines.size(), kNoRoutine)};
  for (std::size_t i = table.routines.size(); i-- > 0;) {
    std::size_t& first = byLabel.first[table.routines[i].label];
    byLabel.next[i] = first;
    first = i;
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
  const RoutinesByLabel byLabel = routinesByLabel(table);
  std::vector<bool> kept(routines.size(), true);

  std::vector<std::size_t> unreferenced;
  for (std::size_t i = 0; i < routines.size(); ++i) {
    if (!routines[i].root && counts[routines[i].label] == 0) unreferenced.push_back(i);
  }
  while (!unreferenced.empty()) {
    std::size_t removed = unreferenced.back();
    unreferenced.pop_back();
    kept[removed] = false;
    for (const Reference& reference : table.referencesOf(removed)) {
      if (--counts[reference.target] != 0) continue;
      for (std::size_t other = byLabel.first[reference.target]; other != kNoRoutine; other = byLabel.next[other]) {
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

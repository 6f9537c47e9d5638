#include "stripper/removal.h"

#include <cstddef>
#include <cstdint>

namespace kestrel::strip {

namespace {

constexpr std::uint32_t kNoRoutine = ~std::uint32_t{0};

// What the removal needs to know of a label, in one record so that a
// reference costs one memory access: how many references of remaining
// routines name it, and its routines.
constexpr std::uint32_t kNoFirstRoutine = kNoRoutine >> 1;  // the table's limits keep indexes below this

struct LabelUse {
  std::uint32_t references;
  std::uint32_t firstRoutine : 31;  // kNoFirstRoutine when none
  std::uint32_t shared : 1;         // more routines follow through `nextWithLabel`
};

struct LabelUses {
  std::vector<LabelUse> ofLabel;
  std::vector<std::uint32_t> nextWithLabel;  // for each routine, only read for shared labels
};

LabelUses findLabelUses(const RoutineTable& table) {
  LabelUses uses{std::vector<LabelUse>(table.labels.size(), LabelUse{0, kNoFirstRoutine, 0}),
                 std::vector<std::uint32_t>(table.routines.size(), kNoRoutine)};
  for (const Reference& reference : table.references) ++uses.ofLabel[reference.target].references;
  for (std::size_t i = table.routines.size(); i-- > 0;) {
    LabelUse& use = uses.ofLabel[table.routines[i].label];
    if (use.firstRoutine != kNoFirstRoutine) {
      uses.nextWithLabel[i] = use.firstRoutine;
      use.shared = 1;
    }
    use.firstRoutine = static_cast<std::uint32_t>(i);
  }
  return uses;
}

}  // namespace

// Reference counts give in linear time the same result as repeated passes
// over the table: a label's count reaches zero only once, and the routines of
// that label can go then. The result does not depend on the order in which
// routines go. Here the table is swept from its end to its start, since
// references mostly point back to earlier routines: a routine whose label
// loses its last referrer is then mostly still ahead of the sweep, and only
// those already passed go on a work list. So memory is mostly read in order.
std::vector<bool> findKeptRoutines(const RoutineTable& table) {
  const std::vector<Routine>& routines = table.routines;
  LabelUses uses = findLabelUses(table);
  // Not a root and not yet removed or listed.
  std::vector<bool> removable(routines.size());
  for (std::size_t i = 0; i < routines.size(); ++i) removable[i] = !routines[i].root;
  std::vector<bool> kept(routines.size(), true);
  std::vector<std::uint32_t> passed;  // routines behind the sweep that can go

  for (std::size_t sweep = routines.size(); sweep-- > 0;) {
    if (!removable[sweep] || uses.ofLabel[routines[sweep].label].references != 0) continue;
    removable[sweep] = false;
    passed.push_back(static_cast<std::uint32_t>(sweep));
    while (!passed.empty()) {
      std::uint32_t removed = passed.back();
      passed.pop_back();
      kept[removed] = false;
      for (const Reference& reference : table.referencesOf(removed)) {
        LabelUse& use = uses.ofLabel[reference.target];
        if (--use.references != 0 || use.firstRoutine == kNoFirstRoutine) continue;
        // Routines before the sweep are met by it.
        for (std::uint32_t other = use.firstRoutine; other != kNoRoutine;
             other = use.shared ? uses.nextWithLabel[other] : kNoRoutine) {
          if (other > sweep && removable[other]) {
            removable[other] = false;
            passed.push_back(other);
          }
        }
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

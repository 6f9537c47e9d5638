#include "stripper/call_depth.h"

#include <algorithm>
#include <limits>
#include <span>

namespace kestrel::strip {

namespace {

constexpr std::size_t kNoRoutine = std::numeric_limits<std::size_t>::max();

// The first kept routine of each label; a reference to a label whose routine
// is OTHER is treated like one to a label without routine.
std::vector<std::size_t> findDescendableTargets(const RoutineTable& table, const std::vector<bool>& kept) {
  std::vector<std::size_t> target(table.labels.size(), kNoRoutine);
  for (std::size_t i = table.routines.size(); i-- > 0;) {
    if (kept[i]) target[table.routines[i].label] = i;
  }
  for (std::size_t& routine : target) {
    if (routine != kNoRoutine && table.routines[routine].kind == RoutineKind::Other) routine = kNoRoutine;
  }
  return target;
}

struct Frame {
  std::size_t routine;
  std::size_t nextReference;  // index in the table's references
  std::size_t endOfReferences;
};

Frame startFrame(const RoutineTable& table, std::size_t routine) {
  std::span<const Reference> references = table.referencesOf(routine);
  std::size_t first = table.routines[routine].firstReference;
  return Frame{routine, first, first + references.size()};
}

}  // namespace

// An explicit stack of frames stands for the recursion of the memoised
// definition. A frame stays at a reference whose target it has just started;
// when the target's frame is done, the reference is looked at again and the
// target, now started, contributes its finished depth, exactly as a recursive
// call would have returned it.
std::vector<std::size_t> computeCallDepths(const RoutineTable& table, const std::vector<bool>& kept) {
  const std::vector<std::size_t> targets = findDescendableTargets(table, kept);
  std::vector<std::size_t> depth(table.routines.size(), 0);
  std::vector<bool> started(table.routines.size(), false);
  std::vector<Frame> stack;

  for (std::size_t first = 0; first < table.routines.size(); ++first) {
    if (!kept[first] || started[first]) continue;
    started[first] = true;
    stack.push_back(startFrame(table, first));
    while (!stack.empty()) {
      Frame& frame = stack.back();
      if (frame.nextReference == frame.endOfReferences) {
        stack.pop_back();
        continue;
      }
      const Reference reference = table.references[frame.nextReference];
      std::size_t target = targets[reference.target];
      if (target == kNoRoutine) {
        ++frame.nextReference;
      } else if (!started[target]) {
        started[target] = true;
        stack.push_back(startFrame(table, target));  // invalidates `frame`
      } else {
        std::size_t reached = depth[target] + (reference.isCall ? 1 : 0);
        depth[frame.routine] = std::max(depth[frame.routine], reached);
        ++frame.nextReference;
      }
    }
  }
  return depth;
}

}  // namespace kestrel::strip

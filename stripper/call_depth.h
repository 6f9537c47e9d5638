// Call depth of the remaining routines.
//
// The depth of a routine is the largest over its references of the target's
// depth, plus one for a call; a goto adds nothing. A reference resolves to the
// first remaining routine with the target label; one that resolves to nothing
// or to an OTHER routine (interrupt, sleep) contributes nothing, and such a
// routine is not descended into.
//
// Depths are memoised, and a routine's depth is set to 0 when its calculation
// starts: a routine met again while it is being computed (a cycle) contributes
// the value it has at that moment, and later routines reuse the memo. So the
// result depends on the order in which routines are computed, which is table
// order.
#pragma once

#include <cstddef>
#include <vector>

#include "stripper/routine_table.h"

namespace kestrel::strip {

// The depth of every kept routine, computed in table order; 0 for removed
// routines. Works without recursion, so chains of any length are fine.
std::vector<std::size_t> computeCallDepths(const RoutineTable& table, const std::vector<bool>& kept);

}  // namespace kestrel::strip

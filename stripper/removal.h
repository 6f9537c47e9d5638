// Removal of the routines that nothing refers to.
//
// A routine that is not a root goes when no reference of any remaining
// routine, its own included, names its label; removing it can leave others
// without referrers, and so on until nothing more goes. What remains is what
// the roots reach, plus any routines that refer to one another (or to
// themselves) and everything they reach.
#pragma once

#include <vector>

#include "stripper/routine_table.h"

namespace kestrel::strip {

// For each routine of the table, whether it remains.
std::vector<bool> findKeptRoutines(const RoutineTable& table);

// For each label of the table, whether a remaining routine has it.
std::vector<bool> findKeptLabels(const RoutineTable& table, const std::vector<bool>& kept);

}  // namespace kestrel::strip

// The second pass over an assembly file: copies it, leaving out the blocks of
// removed routines.
#pragma once

#include <ostream>
#include <vector>

#include "stripper/routine_table.h"
#include "stripper/scanner.h"

namespace kestrel::strip {

// Copies the input to `out`, writing every line with "\n". A block is kept or
// left out by its label alone, so blocks that share a label share their fate.
// For each block left out, "Stripping " and the routine's name (cut to 79
// characters) go to `report`. `table` is the one read from the same input.
void copyKeptBlocks(Scanner& scanner, const RoutineTable& table, const std::vector<bool>& keptLabels,
                    std::ostream& out, std::ostream& report);

}  // namespace kestrel::strip

// The first pass over an assembly file: builds the routine table.
#pragma once

#include "stripper/routine_table.h"
#include "stripper/scanner.h"

namespace kestrel::strip {

// Reads to the end of the input. Text outside routine blocks is not examined.
RoutineTable readRoutineTable(Scanner& scanner);

}  // namespace kestrel::strip

// The outer interpreter: takes each token of the source, pushes or compiles
// numbers, and looks words up in the dictionary of the current state.
#pragma once

#include <string>

namespace kestrel {

struct RunState;

// Reads and interprets the source file `name` and every file it includes,
// to the end of `name`.
void processFile(RunState& c, const std::string& name);

// Starts reading the source file `name` (found as the input is) where the
// current file stands; processFile reads on from it. A file read before in
// the run is skipped with a warning.
void includeFile(RunState& c, const std::string& name);

}  // namespace kestrel

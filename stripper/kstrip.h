// The whole run of kstrip: banner, first pass, removal, second pass into
// "stripped.asm", replacement of the input file and the call-depth report.
#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace kestrel::strip {

enum ExitStatus {
  kCompleted = 0,  // also when a rename failed
  kUsageError = 1,
  kCannotOpenInput = 2,
  kCannotWriteTemporary = 3,
};

// `arguments` are the command-line arguments after the program name.
ExitStatus runStripper(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& errors);

}  // namespace kestrel::strip

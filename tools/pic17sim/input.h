// The error every loader and the command line throw for bad input: a
// malformed file, an unknown symbol, a bad option. The message is complete
// and ready to print.
#pragma once

#include <stdexcept>
#include <string>

namespace pic17sim {

class InputError : public std::runtime_error {
 public:
  explicit InputError(const std::string& message) : std::runtime_error(message) {}
};

// Reads a whole file; throws InputError if it cannot be opened.
std::string readFile(const std::string& path);

}  // namespace pic17sim

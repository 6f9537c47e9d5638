// The command line of kcomp.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace kestrel {

struct CommandLine {
  enum class Problem { kNone, kMissingValue, kStackTooBig, kStackTooSmall, kRomStartOutOfRange };

  std::string includePath;
  std::string inputName;          // the last plain argument
  std::string outputName = "out.asm";
  bool speed = false;
  bool longCalls = false;                 // "-l"
  std::optional<std::int32_t> romStart;   // "-r n"
  std::optional<std::uint32_t> stackSize; // "-s n", within 64..217
  Problem problem = Problem::kNone;       // the first problem met; the scan stops there
};

// The include path that KR_LIB gives: its value with ";" appended unless it
// ends with one; empty when the variable is unset or empty.
std::string includePathFromEnvironment(const char* value);

// Scans the arguments in order. Option names are matched whole and without
// regard to letter case; anything else is the input file name.
CommandLine parseCommandLine(const std::vector<std::string>& args, std::string includePath);

// The usage text, one line each, without a final line end.
extern const char* const kUsageText;

}  // namespace kestrel

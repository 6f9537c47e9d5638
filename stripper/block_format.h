// The few facts about kcomp's routine blocks that the stripper relies on.
//
// A block opens with a header line, ";!###" at column 0, a kind word at
// column 6 and the routine's name from column 18 to the end of the line. The
// first token after the header line is the routine label, and the block ends
// at the first token that begins with ";" and 19 "*" (the start of the banner
// line). Inside a block "goto", "lgoto" (the long jump of kcomp -l), "call",
// "lcall" or "pushaddr" followed by a label is a reference to that label.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace kestrel::strip {

inline constexpr std::string_view kHeaderStart = ";!###";

// The numbers are those that the routine kinds have always been known by.
enum class RoutineKind : std::uint8_t { Forth = 0, Rcall = 1, Code = 2, Other = 3 };

struct HeaderFields {
  std::string_view name;  // part of the header line
  RoutineKind kind;
  bool root;  // never removed: the routine named "main" and interrupt routines
              // (and the routine labelled _main, see routine_reader.cc)
};

// `headerLine` is a whole header line without its line end.
HeaderFields parseHeader(std::string_view headerLine);

// The routine name from a header line, empty when the line is too short.
std::string_view nameInHeader(std::string_view headerLine);

bool endsBlock(std::string_view token);

// For a reference keyword, whether it is a call (as opposed to a goto).
std::optional<bool> referenceIsCall(std::string_view token);

}  // namespace kestrel::strip

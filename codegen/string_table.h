// The text tables of a compiled program: program-memory strings listed at
// the end of the output, and ROM strings listed in side files for a
// separately programmed ROM.
#pragma once

#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>

#include "codegen/asm_output.h"

namespace kestrel {

// The program-memory strings, kept as the lines that will list them at the
// end of the output. Past a megabyte they move to a temporary file (in
// TMPDIR where that is set), so a program with very many strings does not
// grow the compiler's memory.
class StringTable {
 public:
  StringTable() = default;
  ~StringTable();
  StringTable(const StringTable&) = delete;
  StringTable& operator=(const StringTable&) = delete;

  // Appends a string; returns its number (the first is 1).
  std::int32_t add(std::string_view text);
  std::int32_t count() const { return count_; }
  void write(AsmOutput& out);

 private:
  static constexpr std::size_t kSpillSize = 1 << 20;
  void spill();

  std::int32_t count_ = 0;
  std::string lines_;            // listing lines not yet spilled
  std::FILE* spilled_ = nullptr; // temporary file with the earlier lines
  std::string spilledName_;      // its name, for diagnostics
  std::uint64_t spilledSize_ = 0; // bytes of it that hold complete lines
};

// Appends the data lines that place `text` in program memory: the quoted
// form "\tDATA \"text\"" when gpasm reads every byte of it as written,
// else the words it would pack as numbers, up to eight on a line.
void appendStringData(std::string& lines, std::string_view text);

struct RomStrings {
  static constexpr std::int32_t kMaxStrings = 255;

  bool enabled = false;        // strings may be compiled into ROM ("-r")
  std::int32_t start = 0;      // ROM address of the first string
  std::int32_t next = 0;       // ROM address of the next string
  std::int32_t count = 0;      // strings placed so far
  AsmOutput index;             // strindex.inc
  AsmOutput program;           // stringsp.f
};

}  // namespace kestrel

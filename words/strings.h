// Text in compiled programs: program-memory strings collected in the string
// table at the end of the output, and ROM strings listed in side files for
// a separately programmed ROM.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "codegen/asm_output.h"

namespace kestrel {

class Compiler;

class StringTable {
 public:
  // Appends a string; returns its number (the first is 1).
  std::int32_t add(const std::string& text);
  std::int32_t count() const { return static_cast<std::int32_t>(texts_.size()); }
  void write(AsmOutput& out) const;

 private:
  std::vector<std::string> texts_;
};

struct RomStrings {
  static constexpr std::int32_t kMaxStrings = 255;

  bool enabled = false;        // strings may be compiled into ROM ("-r")
  std::int32_t start = 0;      // ROM address of the first string
  std::int32_t next = 0;       // ROM address of the next string
  std::int32_t count = 0;      // strings placed so far
  AsmOutput index;             // strindex.inc
  AsmOutput program;           // stringsp.f
};

// Built-in words.
void charWord(Compiler& c);             // [char]
void stringWord(Compiler& c);           // s"
void printStringWord(Compiler& c);      // ."
void printProgramStringWord(Compiler& c);  // p."
void printRomStringWord(Compiler& c);   // r."
void romStringsWord(Compiler& c);       // rstrings
void programStringsWord(Compiler& c);   // pstrings

}  // namespace kestrel

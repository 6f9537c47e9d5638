// Numbers compiled into definitions: pushed in line from byte loads, or
// fetched at run time from the literal table by an 8-bit index.
#pragma once

#include <cstdint>
#include <unordered_map>
#include <vector>

#include "codegen/jumps.h"

namespace kestrel {

class AsmOutput;

class LiteralTable {
 public:
  static constexpr std::size_t kCapacity = 256;

  // The index of `value`, entering it when it is new and the table has
  // room; -1 when the table is full and the value is not in it.
  int indexFor(std::int32_t value);
  const std::vector<std::int32_t>& entries() const { return entries_; }

  std::int32_t pushedCount = 0;     // literals pushed in line
  std::int32_t referenceCount = 0;  // literals fetched from the table

 private:
  std::vector<std::int32_t> entries_;
  std::unordered_map<std::int32_t, int> indexOf_;
};

// Writes the push of `value` (a 16-bit number) inside a definition: a fetch
// from `table` when `useTable` and the value has a high byte and a place in
// the table, else a push of its bytes in line.
void writeLiteral(JumpOutput j, LiteralTable& table, std::int32_t value, bool useTable);
// The same push as the end of a routine: it ends in a jump whose routine
// returns to the caller (with long calls, a call and a return).
void writeTailLiteral(JumpOutput j, LiteralTable& table, std::int32_t value, bool useTable);

void writeLiteralTable(const LiteralTable& table, AsmOutput& out);

}  // namespace kestrel

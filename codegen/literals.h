// Numbers compiled into definitions: pushed in line from byte loads, or
// fetched at run time from the literal table by an 8-bit index.
#pragma once

#include <cstdint>
#include <unordered_map>
#include <vector>

namespace kestrel {

class AsmOutput;
class Compiler;

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

// The push of a number inside a definition.
void compileLiteral(Compiler& c, std::int32_t value);
// The push that ends a value word's routine with a jump.
void compileTailLiteral(Compiler& c, std::int32_t value);
// Compiles a number met in compilation state: a reference to the value word
// of equal value if there is one, else a literal.
void compileNumber(Compiler& c, std::int32_t value);
void writeLiteralTable(const LiteralTable& table, AsmOutput& out);

// Built-in words.
void literalWord(Compiler& c);
void doubleWord(Compiler& c);

}  // namespace kestrel

// Symbols for the command line: the core register names built in, and the
// labels and equates from the symbol table at the end of a gpasm listing.
// Names are case-sensitive, as gpasm treats them by default.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <string_view>

namespace pic17sim {

class Symbols {
 public:
  // Starts with the core registers (WREG, ALUSTA, BSR, FSR0, ...).
  Symbols();

  // Adds every "name  value" line of the listing's SYMBOL TABLE section
  // whose value is 8 hex digits (textual #defines are skipped).
  void addListing(std::string_view listing);
  void add(const std::string& name, std::uint32_t value) { table_[name] = value; }
  bool contains(const std::string& name) const { return table_.count(name) != 0; }

  // A number (decimal, or hex with 0x) or a symbol name; throws InputError
  // for an unknown name.
  std::uint32_t resolve(std::string_view text) const;

 private:
  std::map<std::string, std::uint32_t, std::less<>> table_;
};

// Parses decimal or 0x-prefixed hex; false if `text` is not such a number
// or does not fit in 64 bits.
bool parseNumber(std::string_view text, std::uint64_t& value);

}  // namespace pic17sim

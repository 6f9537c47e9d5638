#include "pic17sim/symbols.h"

#include <vector>

#include "pic17sim/input.h"
#include "pic17sim/registers.h"

namespace pic17sim {

Symbols::Symbols() {
  const std::pair<const char*, std::uint32_t> core[] = {
      {"INDF0", kIndf0},   {"FSR0", kFsr0},       {"PCL", kPcl},         {"PCLATH", kPclath},
      {"ALUSTA", kAlusta}, {"T0STA", kT0sta},     {"CPUSTA", kCpusta},   {"INTSTA", kIntsta},
      {"INDF1", kIndf1},   {"FSR1", kFsr1},       {"WREG", kWreg},       {"TMR0L", kTmr0l},
      {"TMR0H", kTmr0h},   {"TBLPTRL", kTblptrl}, {"TBLPTRH", kTblptrh}, {"BSR", kBsr},
      {"PRODL", kProdl},   {"PRODH", kProdh},     {"TXSTA1", kTxsta1},   {"TXREG1", kTxreg1},
      {"PIR1", kPir1},     {"PIE1", kPie1},       {"PIR2", kPir2},       {"PIE2", kPie2},
  };
  for (const auto& [name, value] : core) table_[name] = value;
}

namespace {

std::vector<std::string_view> words(std::string_view line) {
  std::vector<std::string_view> out;
  std::size_t i = 0;
  while (i < line.size()) {
    while (i < line.size() && static_cast<unsigned char>(line[i]) <= ' ') ++i;
    std::size_t start = i;
    while (i < line.size() && static_cast<unsigned char>(line[i]) > ' ') ++i;
    if (i > start) out.push_back(line.substr(start, i - start));
  }
  return out;
}

bool isHexValue(std::string_view text) {
  if (text.size() != 8) return false;
  for (char c : text) {
    bool digit = (c >= '0' && c <= '9') || (c >= 'A' && c <= 'F') || (c >= 'a' && c <= 'f');
    if (!digit) return false;
  }
  return true;
}

}  // namespace

void Symbols::addListing(std::string_view listing) {
  bool inTable = false;
  std::size_t start = 0;
  while (start < listing.size()) {
    std::size_t end = listing.find('\n', start);
    if (end == std::string_view::npos) end = listing.size();
    std::string_view line = listing.substr(start, end - start);
    start = end + 1;
    if (line.rfind("SYMBOL TABLE", 0) == 0) inTable = true;
    if (line.rfind("MEMORY USAGE MAP", 0) == 0) inTable = false;
    if (!inTable) continue;
    std::vector<std::string_view> fields = words(line);
    if (fields.size() == 2 && isHexValue(fields[1])) {
      std::uint64_t value = 0;
      parseNumber("0x" + std::string(fields[1]), value);
      table_[std::string(fields[0])] = static_cast<std::uint32_t>(value);
    }
  }
}

bool parseNumber(std::string_view text, std::uint64_t& value) {
  unsigned base = 10;
  if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
    base = 16;
    text.remove_prefix(2);
  }
  if (text.empty()) return false;
  value = 0;
  for (char c : text) {
    unsigned digit;
    if (c >= '0' && c <= '9') {
      digit = static_cast<unsigned>(c - '0');
    } else if (base == 16 && c >= 'a' && c <= 'f') {
      digit = static_cast<unsigned>(c - 'a' + 10);
    } else if (base == 16 && c >= 'A' && c <= 'F') {
      digit = static_cast<unsigned>(c - 'A' + 10);
    } else {
      return false;
    }
    if (value > (UINT64_MAX - digit) / base) return false;
    value = value * base + digit;
  }
  return true;
}

std::uint32_t Symbols::resolve(std::string_view text) const {
  std::uint64_t value = 0;
  if (parseNumber(text, value)) {
    if (value > UINT32_MAX) throw InputError("number too large: " + std::string(text));
    return static_cast<std::uint32_t>(value);
  }
  auto found = table_.find(text);
  if (found == table_.end()) throw InputError("unknown symbol: " + std::string(text));
  return found->second;
}

}  // namespace pic17sim

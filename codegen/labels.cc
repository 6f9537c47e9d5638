#include "codegen/labels.h"

#include "codegen/mangle.h"
#include "reader/text.h"

namespace kestrel {

namespace {

// Labels that the compiler writes references to or defines itself, and
// symbols that gpasm predefines for the PIC17C756(A) or that its header
// p17c756a.inc defines with a leading "_"; all without their leading "_".
constexpr std::string_view kFixedLabels[] = {
    // run-time routines the compiled code calls
    "pushtop", "poptop", "false", "push_byte_literal", "movwf_thigh", "_fetch_lit", "if_internal",
    "limit_reached", "2rdrop", "_rcall_prologue", "_rcall_return", "INTERRUPT_ENTER", "INTERRUPT_EXIT",
    "str_type", "romtype",
    // tables and ROM-string symbols the compiler writes
    "_literal_table", "_return_table", "_string_index", "_STR_INDEX__",
    // predefined by gpasm
    "_17C756", "_17C756A", "_CODE_START", "_CODE_END", "_VECTOR_RESET", "_VECTOR_INT_EXT",
    "_VECTOR_INT_TMR0", "_VECTOR_INT_T0CKI", "_VECTOR_INT_PERI",
    // configuration bits of the processor header
    "PMC_MODE", "XMC_MODE", "MC_MODE", "MP_MODE", "BODEN_OFF", "BODEN_ON", "WDT_NORM", "WDT_OFF",
    "WDT_64", "WDT_256", "WDT_1", "WDT_0", "LF_OSC", "RC_OSC", "XT_OSC", "EC_OSC"};

// gpasm directives that begin with "__", without their leading "_"; gpasm
// reads a label spelled like one, in any letter case, as the directive.
constexpr std::string_view kDirectives[] = {"_badram", "_badrom", "_config", "_fuses",
                                            "_idlocs", "_maxram", "_maxrom"};

// Local labels the compiler numbers, without their leading "_": each of
// these prefixes followed by a number in the output's number format. Every
// prefix that the code generator numbers belongs here.
constexpr std::string_view kNumberedPrefixes[] = {"_endif", "_loop", "_endwhile", "_leave", "_RETNUM",
                                                  "string_"};

bool isDirective(std::string_view label) {
  if (label.size() < 6 || label.size() > 7 || label[0] != '_') return false;
  for (std::string_view directive : kDirectives) {
    if (equalsNoCase(label, directive)) return true;
  }
  return false;
}

// "0x" and lower-case hex digits without a leading zero, as numbers are
// written into the output.
bool isOutputNumber(std::string_view text) {
  if (text.size() < 3 || text.substr(0, 2) != "0x") return false;
  if (text[2] == '0' && text.size() > 3) return false;
  for (char c : text.substr(2)) {
    if (!((c >= '0' && c <= '9') || (c >= 'a' && c <= 'f'))) return false;
  }
  return true;
}

bool isNumberedLabel(std::string_view label) {
  std::size_t at = label.rfind("0x");
  if (at == std::string_view::npos || !isOutputNumber(label.substr(at))) return false;
  std::string_view prefix = label.substr(0, at);
  for (std::string_view numbered : kNumberedPrefixes) {
    if (prefix == numbered) return true;
  }
  return false;
}

bool isLabelChar(char c) {
  return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_';
}

// The place of a text's bit in the reserved filter.
std::size_t filterPlace(std::string_view text) {
  auto first = static_cast<unsigned char>(text.front());
  auto last = static_cast<unsigned char>(text.back());
  return (text.size() * 131 + first * 31 + last) & 4095;
}

// Only labels of these forms can be made from different names.
bool mayBeShared(std::string_view label) { return label.ends_with("_QZX_") || label.ends_with("_PTR"); }

// The name of the symbol a prelude line defines, if any: the first word of a
// line that starts in column 1 (a label or an equate), or the name after
// #define.
std::string_view definedSymbol(std::string_view line) {
  std::size_t start = 0;
  if (!line.empty() && (line[0] == ' ' || line[0] == '\t' || line[0] == '#')) {
    start = line.find_first_not_of(" \t");
    if (start == std::string_view::npos || line.substr(start, 7) != "#define") return {};
    start = line.find_first_not_of(" \t", start + 7);
    if (start == std::string_view::npos) return {};
  }
  std::size_t end = line.find_first_of(" \t:;,=(\r", start);
  return line.substr(start, end == std::string_view::npos ? line.size() - start : end - start);
}

}  // namespace

LabelTable::LabelTable() {
  for (std::string_view label : kFixedLabels) reserve(label);
  // "do" calls the word "2>r" by this label when it is not defined yet:
  // only that word may have it (see assign).
  taken_.emplace(mangle("2>r"));
}

void LabelTable::reserve(std::string_view label) {
  reserved_.emplace(label);
  if (label.empty()) return;
  std::size_t place = filterPlace(label);
  reservedFilter_[place / 64] |= std::uint64_t{1} << (place % 64);
}

bool LabelTable::isReservedText(std::string_view label) const {
  if (label.empty()) return reserved_.contains(label);
  std::size_t place = filterPlace(label);
  return (reservedFilter_[place / 64] >> (place % 64) & 1) != 0 && reserved_.contains(label);
}

void LabelTable::learnDefinitions(std::string_view text) {
  while (!text.empty()) {
    std::size_t end = text.find('\n');
    std::string_view line = text.substr(0, end);
    text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
    std::string_view symbol = definedSymbol(line);
    if (symbol.size() > 1 && symbol[0] == '_') reserve(symbol.substr(1));
  }
}

bool LabelTable::isReserved(std::string_view label) const {
  return isReservedText(label) || isDirective(label) || isNumberedLabel(label);
}

bool LabelTable::isTaken(std::string_view label) const { return mayBeShared(label) && taken_.contains(label); }

bool LabelTable::isFree(std::string_view label, LabelUse use) const {
  if (use != LabelUse::kPointer && (isReserved(label) || isTaken(label))) return false;
  if (use != LabelUse::kRoutine) {
    std::string pointer = std::string(label) + "_PTR";
    if (isReserved(pointer) || isTaken(pointer)) return false;
  }
  return true;
}

void LabelTable::record(const std::string& label, LabelUse use) {
  if (use != LabelUse::kPointer && mayBeShared(label)) taken_.insert(label);
  if (use != LabelUse::kRoutine) taken_.insert(label + "_PTR");
}

// Directives and numbered labels all begin with "_" or "s"; labels of the
// forms that different names can share end in "_QZX_" or "_PTR". A name of
// label characters that is neither is its own label and is free unless
// reserved, and taking it records nothing.
bool LabelTable::isPlainAndFree(std::string_view name) const {
  if (name.empty() || name[0] == '_' || name[0] == 's' || mayBeShared(name)) return false;
  for (char c : name) {
    if (!isLabelChar(c)) return false;
  }
  return !isReservedText(name);
}

std::string LabelTable::assign(std::string_view name, LabelUse use) {
  // The start-up code calls _main: the word main has it in whatever letter
  // case it is written.
  bool isMain = equalsNoCase(name, "main");
  if (use == LabelUse::kRoutine && !isMain && isPlainAndFree(name)) return std::string(name);
  std::string label = isMain ? "main" : mangle(name);
  if (isMain || name == "2>r" || isFree(label, use)) {
    record(label, use);
    return label;
  }
  // Numbers go on from the last one tried after this mangled name, so that
  // many names with the same mangled form still cost one try each.
  auto last = lastSuffix_.find(label);
  if (last == lastSuffix_.end()) last = lastSuffix_.emplace(label, 0).first;
  std::string candidate;
  do {
    candidate = label + "_" + std::to_string(++last->second) + "_QZX_";
  } while (!isFree(candidate, use));
  record(candidate, use);
  return candidate;
}

}  // namespace kestrel

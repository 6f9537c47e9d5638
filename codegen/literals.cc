#include "codegen/literals.h"

#include "codegen/asm_output.h"

namespace kestrel {

int LiteralTable::indexFor(std::int32_t value) {
  auto it = indexOf_.find(value);
  if (it != indexOf_.end()) return it->second;
  if (entries_.size() >= kCapacity) return -1;
  int index = static_cast<int>(entries_.size());
  entries_.push_back(value);
  indexOf_.emplace(value, index);
  return index;
}

namespace {

// Fetches the value from the literal table when that is allowed and the
// value is (or can be) in it; returns false when it must be pushed in line.
bool writeTableFetch(JumpOutput j, LiteralTable& table, std::int32_t value, bool useTable, bool tail) {
  if (!useTable) return false;
  if (((value >> 8) & 255) == 0) return false;
  int index = table.indexFor(value);
  if (index < 0) return false;
  ++table.referenceCount;
  if (!tail) {
    writeCallWithLiteral(j, index, {"__fetch_lit"});
    return true;
  }
  j.out.text("\tmovlw ").hex(index).endLine();
  j.out.line("\tgoto __fetch_lit");
  return true;
}

void writeInlinePush(JumpOutput j, LiteralTable& table, std::int32_t value, bool tail) {
  ++table.pushedCount;
  std::int32_t lo = value & 255;
  std::int32_t hi = (value >> 8) & 255;
  AsmOutput& out = j.out;
  if (!tail) {
    if (lo == 0 && hi == 0) {
      writeCall(j, {"_false"});
    } else {
      writeCallWithLiteral(j, lo, {"_push_byte_literal"});
      if (hi != 0) {
        out.text("\tmovlw ").hex(hi).endLine();
        out.line("\tmovwf THIGH");
      }
    }
    return;
  }
  if (lo == 0 && hi == 0) {
    out.line("\tgoto _false");
  } else if (hi == 0) {
    out.text("\tmovlw ").hex(lo).endLine();
    out.line("\tgoto _push_byte_literal");
  } else {
    out.text("\tmovlw ").hex(lo).endLine();
    out.line("\tcall _push_byte_literal");
    out.text("\tmovlw ").hex(hi).endLine();
    out.line("\tgoto _movwf_thigh");
  }
  out.line("\t; Tail-call optimisation, return is deferred.");
}

}  // namespace

void writeLiteral(JumpOutput j, LiteralTable& table, std::int32_t value, bool useTable) {
  if (!writeTableFetch(j, table, value, useTable, false)) writeInlinePush(j, table, value, false);
}

void writeTailLiteral(JumpOutput j, LiteralTable& table, std::int32_t value, bool useTable) {
  if (j.longCalls) {
    // The tail jumps pass W to the routine, which a long jump cannot do:
    // call it and return.
    writeLiteral(j, table, value, useTable);
    j.out.line("\treturn");
    return;
  }
  if (!writeTableFetch(j, table, value, useTable, true)) writeInlinePush(j, table, value, true);
}

void writeLiteralTable(const LiteralTable& table, AsmOutput& out) {
  out.line("; Literal Table ");
  out.line("__literal_table ");
  for (std::int32_t value : table.entries()) out.text("\tDATA ").hex(value).endLine();
}

}  // namespace kestrel

#include "codegen/literals.h"

#include <string>

#include "codegen/asm_output.h"
#include "codegen/jumps.h"
#include "codegen/target_words.h"
#include "driver/compiler.h"
#include "reader/diagnostics.h"

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

void checkRange(Compiler& c, std::int32_t value) {
  if (value > 65535 || value < -32768) {
    c.fail(std::to_string(value) + " : literal value out of range.", kExitLimit);
  }
}

// Fetches the value from the literal table when that is allowed and the
// value is (or can be) in it; returns false when it must be pushed in line.
bool compileTableFetch(Compiler& c, std::int32_t value, bool tail) {
  if (c.inInterrupt || c.settings.speed) return false;
  if (((value >> 8) & 255) == 0) return false;
  int index = c.literals.indexFor(value);
  if (index < 0) return false;
  ++c.literals.referenceCount;
  if (!tail) {
    writeCallWithLiteral(c.jumps(), index, {"__fetch_lit"});
    return true;
  }
  c.out.text("\tmovlw ").hex(index).endLine();
  c.out.line("\tgoto __fetch_lit");
  return true;
}

void compileInlinePush(Compiler& c, std::int32_t value, bool tail) {
  ++c.literals.pushedCount;
  std::int32_t lo = value & 255;
  std::int32_t hi = (value >> 8) & 255;
  AsmOutput& out = c.out;
  if (!tail) {
    if (lo == 0 && hi == 0) {
      writeCall(c.jumps(), {"_false"});
    } else {
      writeCallWithLiteral(c.jumps(), lo, {"_push_byte_literal"});
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

void compileLiteral(Compiler& c, std::int32_t value) {
  checkRange(c, value);
  if (!compileTableFetch(c, value, false)) compileInlinePush(c, value, false);
}

void compileTailLiteral(Compiler& c, std::int32_t value) {
  checkRange(c, value);
  if (c.settings.longCalls) {
    // The tail jumps pass W to the routine, which a long jump cannot do:
    // call it and return.
    if (!compileTableFetch(c, value, false)) compileInlinePush(c, value, false);
    c.out.line("\treturn");
    return;
  }
  if (!compileTableFetch(c, value, true)) compileInlinePush(c, value, true);
}

void compileNumber(Compiler& c, std::int32_t value) {
  if (ValueWord* word = c.compileWords.findByValue(value)) {
    word->execute(c);
  } else {
    compileLiteral(c, value);
  }
}

void writeLiteralTable(const LiteralTable& table, AsmOutput& out) {
  out.line("; Literal Table ");
  out.line("__literal_table ");
  for (std::int32_t value : table.entries()) out.text("\tDATA ").hex(value).endLine();
}

void literalWord(Compiler& c) { compileLiteral(c, c.pop()); }

void doubleWord(Compiler& c) {
  auto value = tokenValue(c.tokens.next());
  if (!value) c.fail("Funny number", kExitFunnyNumber);
  compileLiteral(c, *value & 65535);
  compileLiteral(c, (*value >> 16) & 65535);
}

}  // namespace kestrel

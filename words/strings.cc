#include "words/strings.h"

#include "codegen/asm_output.h"
#include "codegen/jumps.h"
#include "reader/diagnostics.h"
#include "reader/raw_text.h"
#include "words/builtin_words.h"
#include "words/run_state.h"

namespace kestrel {

namespace {

// At most this many characters are read for a string, the blank or line
// break before the text and the closing double quote included.
constexpr std::size_t kStringReadLimit = 159;

// Reads the text of a string up to its closing double quote. The first
// character read is the one that ended the string word and is dropped.
std::string readStringText(RunState& c) {
  std::string text;
  readUpTo(c.sources, '"', kStringReadLimit, text);
  if (!text.empty()) text.erase(0, 1);
  return text;
}

// Pushes the address of a new string-table entry, then calls `routine`
// with its length in W.
void compileStringAddress(RunState& c, const std::string& text, AsmLabel routine) {
  std::int32_t n = c.strings.add(text);
  writeCallWithW(c.jumps(), "\tmovlw low _string_" + hexNumber(n), {"_push_byte_literal"});
  c.out.text("\tmovlw high _string_").hex(n).endLine();
  c.out.line("\tmovwf THIGH");
  writeCallWithLiteral(c.jumps(), static_cast<std::int32_t>(text.size()), routine);
}

void requireRomStrings(RunState& c) {
  if (!c.rom.enabled) c.fail("Compile rom strings not selected on command line.", kExitBadWord);
}

void stringWord(RunState& c) {
  compileStringAddress(c, readStringText(c), {"_push_byte_literal"});
}

void printProgramStringWord(RunState& c) {
  compileStringAddress(c, readStringText(c), {"_str_type"});
}

void printRomStringWord(RunState& c) {
  requireRomStrings(c);
  std::string text = readStringText(c);
  RomStrings& rom = c.rom;
  if (c.settings.longCalls) {
    writeCallWithLiteral(c.jumps(), rom.count, {"_romtype"});
  } else {
    c.out.text("\tmovlw\t").hex(rom.count).endLine();
    c.out.line("\tcall _romtype ;");
  }
  rom.index.text("\tdata\t").hex(rom.next).endLine();
  rom.program.text("\ts\" ").text(text).text("\" str>srom").endLine();
  rom.next = static_cast<std::int32_t>(static_cast<std::uint32_t>(rom.next) +
                                      static_cast<std::uint32_t>(text.size()) + 1u);
  if (++rom.count > RomStrings::kMaxStrings) {
    c.fail("Cannot process more than 255 strings.", kExitLimit);
  }
}

void printStringWord(RunState& c) {
  if (c.printFromRom) {
    printRomStringWord(c);
  } else {
    printProgramStringWord(c);
  }
}

void romStringsWord(RunState& c) {
  requireRomStrings(c);
  c.printFromRom = true;
}

void programStringsWord(RunState& c) { c.printFromRom = false; }

}  // namespace

void registerStringWords(RunState& c) {
  enterWords(c, c.compileWords,
             {{"s\"", stringWord}, {".\"", printStringWord}, {"p.\"", printProgramStringWord},
              {"r.\"", printRomStringWord}});
  enterWords(c, c.interpretWords, {{"rstrings", romStringsWord}, {"pstrings", programStringsWord}});
}

}  // namespace kestrel

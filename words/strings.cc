#include "words/strings.h"

#include "codegen/literals.h"
#include "driver/compiler.h"
#include "reader/diagnostics.h"
#include "reader/raw_text.h"

namespace kestrel {

namespace {

// At most this many characters are read for a string, the blank or line
// break before the text and the closing double quote included.
constexpr std::size_t kStringReadLimit = 159;

// Reads the text of a string up to its closing double quote. The first
// character read is the one that ended the string word and is dropped.
std::string readStringText(Compiler& c) {
  std::string text;
  readUpTo(c.sources, '"', kStringReadLimit, text);
  if (!text.empty()) text.erase(0, 1);
  return text;
}

// Pushes the address of a new string-table entry and leaves its length
// in W.
void compileStringAddress(Compiler& c, const std::string& text) {
  std::int32_t n = c.strings.add(text);
  c.out.text("\tmovlw low _string_").hex(n).endLine();
  c.out.line("\tcall _push_byte_literal");
  c.out.text("\tmovlw high _string_").hex(n).endLine();
  c.out.line("\tmovwf THIGH");
  c.out.text("\tmovlw ").hex(static_cast<std::int32_t>(text.size())).endLine();
}

void requireRomStrings(Compiler& c) {
  if (!c.rom.enabled) c.fail("Compile rom strings not selected on command line.", kExitBadWord);
}

}  // namespace

std::int32_t StringTable::add(const std::string& text) {
  texts_.push_back(text);
  return count();
}

void StringTable::write(AsmOutput& out) const {
  out.line("; String Table ");
  std::int32_t n = 0;
  for (const std::string& text : texts_) {
    out.text("_string_").hex(++n).endLine();
    out.text("\tDATA \"").text(text).text("\"").endLine();
  }
}

void charWord(Compiler& c) {
  const std::string& token = c.tokens.next();
  compileLiteral(c, token.empty() ? 0 : static_cast<unsigned char>(token[0]));
}

void stringWord(Compiler& c) {
  compileStringAddress(c, readStringText(c));
  c.out.line("\tcall _push_byte_literal");
}

void printProgramStringWord(Compiler& c) {
  compileStringAddress(c, readStringText(c));
  c.out.line("\tcall _str_type");
}

void printRomStringWord(Compiler& c) {
  requireRomStrings(c);
  std::string text = readStringText(c);
  RomStrings& rom = c.rom;
  c.out.text("\tmovlw\t").hex(rom.count).endLine();
  c.out.line("\tcall _romtype ;");
  rom.index.text("\tdata\t").hex(rom.next).endLine();
  rom.program.text("\ts\" ").text(text).text("\" str>srom").endLine();
  rom.next = static_cast<std::int32_t>(static_cast<std::uint32_t>(rom.next) +
                                      static_cast<std::uint32_t>(text.size()) + 1u);
  if (++rom.count > RomStrings::kMaxStrings) {
    c.fail("Cannot process more than 255 strings.", kExitLimit);
  }
}

void printStringWord(Compiler& c) {
  if (c.printFromRom) {
    printRomStringWord(c);
  } else {
    printProgramStringWord(c);
  }
}

void romStringsWord(Compiler& c) {
  requireRomStrings(c);
  c.printFromRom = true;
}

void programStringsWord(Compiler& c) { c.printFromRom = false; }

}  // namespace kestrel

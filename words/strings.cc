#include "words/strings.h"

#include <algorithm>

#include "codegen/jumps.h"
#include "codegen/literals.h"
#include "driver/compiler.h"
#include "reader/diagnostics.h"
#include "reader/host_files.h"
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

// Pushes the address of a new string-table entry, then calls `routine`
// with its length in W.
void compileStringAddress(Compiler& c, const std::string& text, AsmLabel routine) {
  std::int32_t n = c.strings.add(text);
  writeCallWithW(c.jumps(), "\tmovlw low _string_" + hexNumber(n), {"_push_byte_literal"});
  c.out.text("\tmovlw high _string_").hex(n).endLine();
  c.out.line("\tmovwf THIGH");
  writeCallWithLiteral(c.jumps(), static_cast<std::int32_t>(text.size()), routine);
}

void requireRomStrings(Compiler& c) {
  if (!c.rom.enabled) c.fail("Compile rom strings not selected on command line.", kExitBadWord);
}

// gpasm reads escape sequences after a backslash, ends the line at a line
// break and the text at a NUL byte; every other byte it takes as it is.
bool fitsQuotedData(std::string_view text) {
  return text.find_first_of(std::string_view("\\\n\r\0", 4)) == std::string_view::npos;
}

}  // namespace

void appendStringData(std::string& lines, std::string_view text) {
  if (fitsQuotedData(text)) {
    lines += "\tDATA \"";
    lines += text;
    lines += "\"\n";
    return;
  }
  // What the quoted form packs: two bytes to a word, the first in the high
  // byte, an odd last byte with 0 in the low byte.
  constexpr std::size_t kWordsPerLine = 8;
  for (std::size_t i = 0; i < text.size(); i += 2) {
    std::size_t word = i / 2;
    lines += word % kWordsPerLine == 0 ? "\tDATA " : ", ";
    auto high = static_cast<unsigned char>(text[i]);
    auto low = i + 1 < text.size() ? static_cast<unsigned char>(text[i + 1]) : 0u;
    lines += hexNumber(static_cast<std::int32_t>(high << 8 | low));
    if (word % kWordsPerLine == kWordsPerLine - 1 || i + 2 >= text.size()) lines += "\n";
  }
}

StringTable::~StringTable() {
  if (spilled_ != nullptr) std::fclose(spilled_);
}

std::int32_t StringTable::add(std::string_view text) {
  ++count_;
  lines_ += "_string_" + hexNumber(count_) + "\n";
  appendStringData(lines_, text);
  if (lines_.size() >= kSpillSize) spill();
  return count_;
}

// A temporary file that cannot be written or read back ends the run: a
// table with holes would assemble into a wrong program.
void StringTable::spill() {
  if (spilled_ == nullptr) spilled_ = createScratchFile(spilledName_);
  if (spilled_ == nullptr) throwCannotWrite(spilledName_);
  if (std::fwrite(lines_.data(), 1, lines_.size(), spilled_) != lines_.size()) throwCannotWrite(spilledName_);
  spilledSize_ += lines_.size();
  lines_.clear();
}

void StringTable::write(AsmOutput& out) {
  out.line("; String Table ");
  if (spilled_ != nullptr) {
    if (std::fflush(spilled_) != 0 || std::fseek(spilled_, 0, SEEK_SET) != 0) throwCannotWrite(spilledName_);
    char chunk[1 << 14];
    for (std::uint64_t left = spilledSize_; left > 0;) {
      std::size_t got = std::fread(chunk, 1, static_cast<std::size_t>(std::min<std::uint64_t>(left, sizeof chunk)), spilled_);
      if (got == 0) throw FatalError("Cannot read file: " + spilledName_, kExitCannotOpen);
      out.text(std::string_view(chunk, got));
      left -= got;
    }
  }
  out.text(lines_);
}

void charWord(Compiler& c) {
  std::string_view token = c.tokens.next();
  compileLiteral(c, token.empty() ? 0 : static_cast<unsigned char>(token[0]));
}

void pushCharWord(Compiler& c) {
  std::string_view token = c.tokens.next();
  c.push(token.empty() ? 0 : static_cast<unsigned char>(token[0]));
}

void stringWord(Compiler& c) {
  compileStringAddress(c, readStringText(c), {"_push_byte_literal"});
}

void printProgramStringWord(Compiler& c) {
  compileStringAddress(c, readStringText(c), {"_str_type"});
}

void printRomStringWord(Compiler& c) {
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

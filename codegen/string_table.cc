#include "codegen/string_table.h"

#include <algorithm>

#include "reader/diagnostics.h"
#include "reader/host_files.h"

namespace kestrel {

namespace {

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

}  // namespace kestrel

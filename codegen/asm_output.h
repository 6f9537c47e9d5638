// A buffered text output file: the assembly output and the side files.
// Integers go out either as "0x" and lower-case hexadecimal digits of the
// unsigned 32-bit value (the assembly format) or in signed decimal.
// A file that could not be opened swallows what is written to it.
//
// A file is written under a temporary name beside it and takes its own name
// only when closed, so that it is never seen half written: until then an
// older file of that name stays whole. Devices and pipes are written
// directly.
//
// Once the output outgrows one buffer, full buffers go to a background
// writer: the compiler fills the next one while the last is being written.
// Closing waits until everything handed over is in the file.
#pragma once

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <memory>
#include <string>
#include <string_view>

#include "codegen/background_writer.h"

namespace kestrel {

class AsmOutput {
 public:
  AsmOutput() = default;
  ~AsmOutput() { close(); }
  AsmOutput(const AsmOutput&) = delete;
  AsmOutput& operator=(const AsmOutput&) = delete;

  // Starts a new file that will take the name `path` when closed; false
  // when `path` is a directory or a file that may not be written, or when
  // no file can be created beside it.
  bool open(const std::string& path);
  // Writes out what is buffered, closes the file and moves it into place;
  // false when some of the text could not be written or moved, and then
  // an older file of the name is left as it was.
  bool close();
  // Closes the file and drops it: a file of its name stays as it was.
  void discard();
  void flush();

  AsmOutput& text(std::string_view s) {
    if (s.size() > capacity_ - used_) return textInPieces(s);
    if (s.empty()) return *this;  // an empty view may have no data at all
    copyText(buffer_.get() + used_, s.data(), s.size());
    used_ += s.size();
    return *this;
  }
  AsmOutput& hex(std::int64_t value);  // the low 32 bits, unsigned
  AsmOutput& decimal(std::int32_t value);
  void endLine() {
    if (used_ == capacity_) flush();
    buffer_[used_++] = '\n';
  }
  void line(std::string_view s) { text(s).endLine(); }

 private:
  // An opened file starts with a small buffer (many runs write little); one
  // that fills it gets a large one, and past that a writer thread.
  static constexpr std::size_t kFirstBufferSize = 1 << 16;
  static constexpr std::size_t kBufferSize = 1 << 20;  // few hand-overs to the writer
  AsmOutput& textInPieces(std::string_view s);
  // Most pieces of text are a few bytes long: copied in line with two
  // overlapping moves of a fixed size, they cost no call (bench/README.md).
  static void copyText(char* to, const char* from, std::size_t size) {
    if (size >= 8 && size <= 16) {
      std::memcpy(to, from, 8);
      std::memcpy(to + size - 8, from + size - 8, 8);
    } else if (size >= 4 && size < 8) {
      std::memcpy(to, from, 4);
      std::memcpy(to + size - 4, from + size - 4, 4);
    } else if (size < 4) {
      to[0] = from[0];
      to[size / 2] = from[size / 2];
      to[size - 1] = from[size - 1];
    } else {
      std::memcpy(to, from, size);
    }
  }
  void startWriter();

  std::FILE* file_ = nullptr;
  // Until a file is opened, a small buffer takes (and drops) the text.
  static constexpr std::size_t kClosedBufferSize = 1 << 10;
  std::unique_ptr<char[]> buffer_ = std::make_unique<char[]>(kClosedBufferSize);
  std::size_t capacity_ = kClosedBufferSize;
  std::size_t used_ = 0;
  std::unique_ptr<BackgroundWriter> writer_;
  bool failed_ = false;  // a write to the open file came up short
  std::string target_;     // the name the file takes when closed
  std::string temporary_;  // the name it is written under; empty when written directly
};

// "0x" and the lower-case hexadecimal digits of the low 32 bits of value.
std::string hexNumber(std::int64_t value);

}  // namespace kestrel

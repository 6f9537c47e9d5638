// One open Forth source file, read as text: a carriage return directly
// before a line feed reads as the line feed alone. Keeps the line counter
// that diagnostics report and a large read buffer.
//
// While an included file is read, the including file can be suspended: its
// handle is closed, its buffer freed and its position remembered, so that
// any depth of nested includes needs one open handle and one buffer at a
// time. Resuming checks that the name still leads to the same file, at
// least as long as the part already read.
#pragma once

#include <cstdint>
#include <cstdio>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "reader/host_files.h"

namespace kestrel {

class SourceFile {
 public:
  static constexpr int kEnd = -1;

  // Opens `path` for reading; nullptr when it cannot be opened. `name` is
  // the name as requested, used in diagnostics and "End of file" lines.
  static std::unique_ptr<SourceFile> open(const std::string& path, std::string name);
  // The file as opened.
  const FileId& id() const { return id_; }
  const std::string& path() const { return path_; }
  ~SourceFile();
  SourceFile(const SourceFile&) = delete;
  SourceFile& operator=(const SourceFile&) = delete;

  // The next character without taking it, or kEnd; looking at the end of
  // the file makes the source no longer good.
  int peek();
  // Takes the next character (kEnd at the end); a line feed taken counts a
  // new line.
  int get();
  // True until the end of the file or a read error has been met.
  bool good() const { return !ended_; }

  // Copies to `out` the run of characters that are neither blank nor line
  // feed, up to `limit` characters; stops early at the end of input.
  // Returns the number copied.
  std::size_t takeWordChars(char* out, std::size_t limit);
  // Skips blanks, control characters and bytes outside 0x21..0x7E, counting
  // line feeds; stops before a graphic character or at the end of input.
  void skipToGraphic();

  const std::string& name() const { return name_; }
  std::int32_t line() const { return line_; }

  // Closes the handle of a seekable file, keeping its position.
  void suspend();
  // Reopens a suspended file at its position; false when that fails or the
  // name now leads to another file or a shorter one (it then reads as
  // ended).
  bool resume();

 private:
  SourceFile(std::FILE* file, std::string path, std::string name, const FileId& id);
  // Makes at least `n` unread bytes available unless the file ends first;
  // returns the number available.
  std::size_t fill(std::size_t n);
  // Unread byte at `pos_`, with CR LF folded; kEnd when nothing is left.
  int current();

  std::FILE* file_;
  std::string path_;
  std::string name_;
  FileId id_;
  bool seekable_;
  std::vector<char> buffer_;
  std::size_t pos_ = 0;
  std::size_t size_ = 0;
  std::uint64_t bufferOffset_ = 0;  // file offset of buffer_[0]
  bool atFileEnd_ = false;          // the handle has no more bytes
  bool ended_ = false;              // a read met the end: no longer good
  std::int32_t line_ = 1;
};

}  // namespace kestrel

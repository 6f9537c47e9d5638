// Reads an assembly file as a stream of characters and offers the operations
// that both passes over the file need: matching the start of a line, taking,
// skipping or copying the rest of a line, and reading whitespace-separated
// tokens that may span lines.
//
// A carriage return right before a line feed is part of the line end, so a
// file with CR LF line ends reads exactly like one with LF line ends. Lines and
// tokens may be of any length; only the text that a caller keeps is held in
// memory, never the whole file.
#pragma once

#include <cstddef>
#include <istream>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

namespace kestrel::strip {

// Space, tab, line feed, vertical tab, form feed and carriage return.
bool isTokenSeparator(int c);

class Scanner {
 public:
  static constexpr int kEnd = -1;

  explicit Scanner(std::istream& in);

  // True when no character is left. A position right before a line end is
  // not the end: an empty (rest of a) line still follows.
  bool atEnd();
  // True when reading the underlying stream failed (not at the normal end).
  bool readFailed() const { return readFailed_; }

  // Consumes the characters of `prefix` for as long as they match the input
  // and returns how many matched. A line end never matches.
  std::size_t consumePrefix(std::string_view prefix);

  // The characters up to the line end; the line end is consumed.
  std::string takeRestOfLine();
  void skipRestOfLine();
  // Writes the characters up to the line end, then "\n".
  void copyRestOfLine(std::ostream& out);

  // Skips separators (line ends included) and reads the next token into
  // `token`, keeping at most `keep` characters of it; the character after the
  // token is not consumed. Returns false, with `token` empty, at the end.
  bool nextToken(std::string& token, std::size_t keep = std::string::npos);

 private:
  int peek();
  int get();
  // Makes at least `count` (1 or 2) bytes available if the input has them.
  bool ensureBuffered(std::size_t count);

  std::istream& in_;
  std::vector<char> buffer_;
  std::size_t position_ = 0;
  std::size_t filled_ = 0;
  bool readFailed_ = false;
};

}  // namespace kestrel::strip

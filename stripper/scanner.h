// Reads an assembly file through a buffer of fixed size and offers the
// operations that both passes over the file need: passing over whole lines up
// to the next line that starts with a given text, taking or skipping the rest
// of a line, and reading whitespace-separated tokens that may span lines.
//
// A carriage return right before a line feed is part of the line end, so a
// file with CR LF line ends reads exactly like one with LF line ends. Lines and
// tokens may be of any length; only the text that a caller keeps is held in
// memory, never a whole line or the whole file. Runs of text are searched and
// passed on in bulk, not a character at a time.
#pragma once

#include <cstddef>
#include <istream>
#include <string>
#include <string_view>
#include <vector>

#include "stripper/output_buffer.h"

namespace kestrel::strip {

// Space, tab, line feed, vertical tab, form feed and carriage return.
constexpr bool isTokenSeparator(int c) {
  constexpr unsigned long long kSeparators =
      1ull << ' ' | 1ull << '\t' | 1ull << '\n' | 1ull << '\v' | 1ull << '\f' | 1ull << '\r';
  return c >= 0 && c <= ' ' && ((kSeparators >> c) & 1) != 0;
}

class Scanner {
 public:
  static constexpr std::size_t kDefaultBufferSize = 64 * 1024;

  // Buffers of fewer than 8 bytes are made 8 bytes long.
  explicit Scanner(std::istream& in, std::size_t bufferSize = kDefaultBufferSize);

  // True when no character is left. A position right before a line end is
  // not the end: an empty (rest of a) line still follows.
  bool atEnd();
  // True when reading the underlying stream failed (not at the normal end).
  bool readFailed() const { return readFailed_; }

  // Passes over lines until one starts with `prefix`, consumes the prefix
  // there and returns true; returns false at the end of the input. The
  // current position counts as the start of a line, so the rest of a line is
  // looked at like a whole one. A line end never matches.
  bool skipLinesUntil(std::string_view prefix);
  // The same, writing each line passed over, followed by "\n", to `out`.
  bool copyLinesUntil(std::string_view prefix, OutputBuffer& out);

  // The characters up to the line end; the line end is consumed.
  std::string takeRestOfLine();
  void skipRestOfLine();

  // Skips separators (line ends included) and reads the next token into
  // `token`, keeping at most `keep` characters of it; the character after the
  // token is not consumed. Returns false, with `token` empty, at the end.
  bool nextToken(std::string& token, std::size_t keep = std::string::npos);

 private:
  std::size_t available() const { return filled_ - position_; }
  const char* current() const { return buffer_.data() + position_; }
  // Moves the unread bytes to the front of the buffer and reads more behind
  // them. False when nothing more could be read.
  bool refill();
  // Makes at least `count` bytes available if the input has them.
  bool ensureAvailable(std::size_t count);
  bool prefixStandsAt(const char* at, std::string_view prefix) const;

  template <typename Pass>
  bool passLinesUntil(std::string_view prefix, Pass pass);
  template <typename Pass>
  bool passCompleteLines(std::string_view prefix, Pass pass);
  template <typename Pass>
  void passRestOfLine(Pass pass);

  std::istream& in_;
  std::vector<char> buffer_;
  std::size_t position_ = 0;
  std::size_t filled_ = 0;
  bool readFailed_ = false;
};

}  // namespace kestrel::strip

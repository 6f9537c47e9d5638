#include "stripper/scanner.h"

#include <algorithm>
#include <cstring>

namespace kestrel::strip {

namespace {

constexpr std::size_t kMinimumBufferSize = 8;

const char* findLineFeed(const char* from, const char* end) {
  return static_cast<const char*>(std::memchr(from, '\n', static_cast<std::size_t>(end - from)));
}

}  // namespace

Scanner::Scanner(std::istream& in, std::size_t bufferSize)
    : in_(in), buffer_(std::max(bufferSize, kMinimumBufferSize)) {}

bool Scanner::refill() {
  if (readFailed_ || !in_.good()) return false;
  std::size_t unread = available();
  std::memmove(buffer_.data(), current(), unread);
  position_ = 0;
  filled_ = unread;
  in_.read(buffer_.data() + filled_, static_cast<std::streamsize>(buffer_.size() - filled_));
  std::size_t added = static_cast<std::size_t>(in_.gcount());
  filled_ += added;
  if (in_.bad()) readFailed_ = true;
  return added > 0;
}

bool Scanner::ensureAvailable(std::size_t count) {
  if (count > buffer_.size()) buffer_.resize(count);
  while (available() < count) {
    if (!refill()) return false;
  }
  return true;
}

bool Scanner::atEnd() { return available() == 0 && !refill(); }

// Only for prefixes without line-end characters, and with the whole prefix
// available from `at`.
bool Scanner::prefixStandsAt(const char* at, std::string_view prefix) const {
  return std::memcmp(at, prefix.data(), prefix.size()) == 0;
}

// Passes the rest of the current line, in pieces and without its line end,
// to `pass`, and consumes the line end. A carriage return at the end of the
// buffered text is held back until the next byte shows whether it starts a
// line end.
template <typename Pass>
void Scanner::passRestOfLine(Pass pass) {
  for (;;) {
    const char* begin = current();
    const char* end = begin + available();
    if (const char* lineFeed = findLineFeed(begin, end)) {
      const char* contentEnd = (lineFeed != begin && lineFeed[-1] == '\r') ? lineFeed - 1 : lineFeed;
      pass(std::string_view(begin, static_cast<std::size_t>(contentEnd - begin)));
      position_ += static_cast<std::size_t>(lineFeed - begin) + 1;
      return;
    }
    std::size_t length = available();
    if (length > 0 && end[-1] == '\r') --length;
    pass(std::string_view(begin, length));
    position_ += length;
    if (!refill()) {  // the end of the input: a held-back CR is text
      pass(std::string_view(current(), available()));
      position_ = filled_;
      return;
    }
  }
}

// Passes complete lines of the buffer, each with "\n", from the current
// position, a line start without the prefix. Stops at the next line start
// where the prefix stands or that is too close to the end of the buffer to
// tell, or at a line that has no line end in the buffer; that line is left
// unread and false is returned. Runs of lines go to `pass` in one piece.
template <typename Pass>
bool Scanner::passCompleteLines(std::string_view prefix, Pass pass) {
  const char* lineStart = current();
  const char* end = lineStart + available();
  const char* run = lineStart;  // passed on from here when the run is broken
  bool complete = true;
  for (;;) {
    const char* lineFeed = findLineFeed(lineStart, end);
    if (!lineFeed) {
      complete = false;
      break;
    }
    if (lineFeed != lineStart && lineFeed[-1] == '\r') {  // the CR is left out
      pass(std::string_view(run, static_cast<std::size_t>(lineFeed - 1 - run)));
      run = lineFeed;
    }
    lineStart = lineFeed + 1;
    if (static_cast<std::size_t>(end - lineStart) < prefix.size() || prefixStandsAt(lineStart, prefix)) break;
  }
  pass(std::string_view(run, static_cast<std::size_t>(lineStart - run)));
  position_ += static_cast<std::size_t>(lineStart - current());
  return complete;
}

template <typename Pass>
bool Scanner::passLinesUntil(std::string_view prefix, Pass pass) {
  for (;;) {
    if (ensureAvailable(prefix.size()) && prefixStandsAt(current(), prefix)) {
      position_ += prefix.size();
      return true;
    }
    if (available() == 0) return false;
    if (!passCompleteLines(prefix, pass)) {
      passRestOfLine(pass);
      pass(std::string_view("\n"));
    }
  }
}

bool Scanner::skipLinesUntil(std::string_view prefix) {
  return passLinesUntil(prefix, [](std::string_view) {});
}

bool Scanner::copyLinesUntil(std::string_view prefix, OutputBuffer& out) {
  return passLinesUntil(prefix, [&out](std::string_view text) { out.write(text); });
}

std::string Scanner::takeRestOfLine() {
  std::string line;
  passRestOfLine([&line](std::string_view piece) { line += piece; });
  return line;
}

void Scanner::skipRestOfLine() {
  passRestOfLine([](std::string_view) {});
}

bool Scanner::nextToken(std::string& token, std::size_t keep) {
  token.clear();
  for (;;) {
    while (position_ < filled_ && isTokenSeparator(static_cast<unsigned char>(buffer_[position_]))) ++position_;
    if (position_ < filled_) break;
    if (!refill()) return false;
  }
  for (;;) {
    std::size_t start = position_;
    while (position_ < filled_ && !isTokenSeparator(static_cast<unsigned char>(buffer_[position_]))) ++position_;
    if (token.size() < keep) token.append(buffer_.data() + start, std::min(position_ - start, keep - token.size()));
    if (position_ < filled_ || !refill()) return true;
  }
}

}  // namespace kestrel::strip

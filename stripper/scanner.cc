#include "stripper/scanner.h"

#include <cstring>

namespace kestrel::strip {

namespace {
constexpr std::size_t kBufferSize = 64 * 1024;
}  // namespace

bool isTokenSeparator(int c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

Scanner::Scanner(std::istream& in) : in_(in), buffer_(kBufferSize) {}

bool Scanner::ensureBuffered(std::size_t count) {
  std::size_t available = filled_ - position_;
  if (available >= count) return true;
  if (readFailed_ || !in_.good()) return false;
  std::memmove(buffer_.data(), buffer_.data() + position_, available);
  position_ = 0;
  filled_ = available;
  while (filled_ < count && in_.good()) {
    in_.read(buffer_.data() + filled_, static_cast<std::streamsize>(buffer_.size() - filled_));
    filled_ += static_cast<std::size_t>(in_.gcount());
  }
  if (in_.bad()) readFailed_ = true;
  return filled_ >= count;
}

int Scanner::peek() {
  if (!ensureBuffered(1)) return kEnd;
  unsigned char c = static_cast<unsigned char>(buffer_[position_]);
  if (c == '\r' && ensureBuffered(2) && buffer_[position_ + 1] == '\n') return '\n';
  return c;
}

int Scanner::get() {
  int c = peek();
  if (c == kEnd) return kEnd;
  // A CR LF pair reads as one line feed.
  position_ += (c == '\n' && buffer_[position_] == '\r') ? 2 : 1;
  return c;
}

bool Scanner::atEnd() { return peek() == kEnd; }

std::size_t Scanner::consumePrefix(std::string_view prefix) {
  std::size_t matched = 0;
  while (matched < prefix.size() && peek() == static_cast<unsigned char>(prefix[matched])) {
    get();
    ++matched;
  }
  return matched;
}

std::string Scanner::takeRestOfLine() {
  std::string line;
  for (int c = get(); c != kEnd && c != '\n'; c = get()) line.push_back(static_cast<char>(c));
  return line;
}

void Scanner::skipRestOfLine() {
  for (int c = get(); c != kEnd && c != '\n'; c = get()) {
  }
}

void Scanner::copyRestOfLine(std::ostream& out) {
  // Copied in pieces so that a line of any length needs little memory.
  constexpr std::size_t kPiece = 16 * 1024;
  std::string piece;
  for (int c = get(); c != kEnd && c != '\n'; c = get()) {
    piece.push_back(static_cast<char>(c));
    if (piece.size() == kPiece) {
      out.write(piece.data(), static_cast<std::streamsize>(piece.size()));
      piece.clear();
    }
  }
  piece.push_back('\n');
  out.write(piece.data(), static_cast<std::streamsize>(piece.size()));
}

bool Scanner::nextToken(std::string& token, std::size_t keep) {
  token.clear();
  while (isTokenSeparator(peek())) get();
  if (peek() == kEnd) return false;
  for (int c = peek(); c != kEnd && !isTokenSeparator(c); c = peek()) {
    if (token.size() < keep) token.push_back(static_cast<char>(c));
    get();
  }
  return true;
}

}  // namespace kestrel::strip

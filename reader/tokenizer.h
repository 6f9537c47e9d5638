// Cuts the current source into blank-separated tokens, with one token of
// lookahead, and recognises decimal numbers.
//
// A token begins with a graphic character (0x21..0x7E) and ends before a
// blank or a line feed, at the end of the input, or after 199 characters.
// The character that ended it stays unread, so words that read raw text
// after a token start with that delimiter.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "reader/source_stack.h"

namespace kestrel {

class Tokenizer {
 public:
  static constexpr std::size_t kMaxToken = 199;

  explicit Tokenizer(SourceStack& sources) : sources_(sources) {}

  // Takes the next token (the pending lookahead first) and makes it the
  // current token. An empty token means the input has ended. The text stays
  // valid until the next call of next().
  std::string_view next() {
    if (pending_) {
      current_ ^= 1;
      pending_ = false;
    } else {
      readToken(current_);
    }
    return text(current_);
  }

  // Reads the next token ahead without taking it; peeking twice gives the
  // same token. The text stays valid until the lookahead is taken by next()
  // or dropped.
  std::string_view peek() {
    if (!pending_) {
      readToken(current_ ^ 1);
      pending_ = true;
    }
    return text(current_ ^ 1);
  }
  // Forgets the pending lookahead token: it will never be delivered.
  void dropLookahead() { pending_ = false; }
  // The pending lookahead token, if one is pending.
  std::optional<std::string_view> lookahead() const {
    if (!pending_) return std::nullopt;
    return text(current_ ^ 1);
  }

 private:
  // The current token and the lookahead live in two buffers that trade
  // places, so that no token is ever copied.
  void readToken(int buffer);
  std::string_view text(int buffer) const { return {buffers_[buffer].data(), sizes_[buffer]}; }

  SourceStack& sources_;
  std::array<std::array<char, kMaxToken>, 2> buffers_{};
  std::array<std::size_t, 2> sizes_{};
  int current_ = 0;
  bool pending_ = false;
};

// True for tokens made of an optional leading "-" and decimal digits, with
// at least one digit: -0, 007 and -12 are numbers; -, 0x10, +5 and 5- not.
bool isNumber(std::string_view token);

// The decimal value of a token taken modulo 2^32 and read as signed;
// nullopt when the token is longer than 14 characters. Leading white space
// and a "+" or "-" are accepted; a token without digits is 0.
std::optional<std::int32_t> tokenValue(std::string_view token);

// A number written with a radix prefix, "$" hexadecimal, "#" decimal or
// "%" binary, each with an optional "-" after the prefix ($ff, #-12,
// %1010), or a character in single quotes ('a', whose value is the code of
// the character). `fits` is false for a prefixed number whose magnitude
// needs more than 32 bits.
struct PrefixedNumber {
  bool isNumber = false;
  bool fits = true;
  std::int32_t value = 0;
};
PrefixedNumber prefixedNumber(std::string_view token);

// The same conversion without a length limit, for option values.
std::int32_t parseDecimal(std::string_view text);

}  // namespace kestrel

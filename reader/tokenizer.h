// Cuts the current source into blank-separated tokens, with one token of
// lookahead, and recognises decimal numbers.
//
// A token begins with a graphic character (0x21..0x7E) and ends before a
// blank or a line feed, at the end of the input, or after 199 characters.
// The character that ended it stays unread, so words that read raw text
// after a token start with that delimiter.
#pragma once

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
  // current token. An empty token means the input has ended.
  const std::string& next();

  // Reads the next token ahead without taking it; peeking twice gives the
  // same token.
  const std::string& peek();
  // Forgets the pending lookahead token: it will never be delivered.
  void dropLookahead() { pending_ = false; }
  // The pending lookahead token, or nullptr when none is pending.
  const std::string* lookahead() const { return pending_ ? &lookahead_ : nullptr; }

 private:
  void readToken(std::string& into);

  SourceStack& sources_;
  std::string current_;
  std::string lookahead_;
  bool pending_ = false;
};

// True for tokens made of an optional leading "-" and decimal digits, with
// at least one digit: -0, 007 and -12 are numbers; -, 0x10, +5 and 5- not.
bool isNumber(std::string_view token);

// The decimal value of a token taken modulo 2^32 and read as signed;
// nullopt when the token is longer than 14 characters. Leading white space
// and a "+" or "-" are accepted; a token without digits is 0.
std::optional<std::int32_t> tokenValue(std::string_view token);

// The same conversion without a length limit, for option values.
std::int32_t parseDecimal(std::string_view text);

}  // namespace kestrel

#include "reader/tokenizer.h"

namespace kestrel {

void Tokenizer::readToken(int buffer) {
  sizes_[buffer] = 0;
  SourceFile* file = sources_.current();
  if (file == nullptr) return;
  file->skipToGraphic();
  if (!file->good()) return;
  sizes_[buffer] = file->takeWordChars(buffers_[buffer].data(), kMaxToken);
}

bool isNumber(std::string_view token) {
  if (token.empty()) return false;
  char first = token[0];
  if (first != '-' && (first < '0' || first > '9')) return false;
  if (token == "-") return false;
  for (std::size_t i = 1; i < token.size(); ++i) {
    if (token[i] < '0' || token[i] > '9') return false;
  }
  return true;
}

namespace {

int digitValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'z') return c - 'a' + 10;
  if (c >= 'A' && c <= 'Z') return c - 'A' + 10;
  return 99;
}

std::uint32_t radixOf(char prefix) {
  switch (prefix) {
    case '$': return 16;
    case '#': return 10;
    case '%': return 2;
    default: return 0;
  }
}

}  // namespace

PrefixedNumber prefixedNumber(std::string_view token) {
  PrefixedNumber result;
  if (token.size() == 3 && token[0] == '\'' && token[2] == '\'') {
    result.isNumber = true;
    result.value = static_cast<unsigned char>(token[1]);
    return result;
  }
  std::uint32_t radix = token.empty() ? 0 : radixOf(token[0]);
  if (radix == 0) return result;
  std::size_t i = 1;
  bool negative = i < token.size() && token[i] == '-';
  if (negative) ++i;
  if (i == token.size()) return result;
  std::uint64_t magnitude = 0;
  for (; i < token.size(); ++i) {
    auto digit = static_cast<std::uint32_t>(digitValue(token[i]));
    if (digit >= radix) return result;
    magnitude = magnitude * radix + digit;
    if (magnitude > 0xFFFFFFFFu) result.fits = false;
    if (!result.fits) magnitude = 0;  // the digits are still checked
  }
  result.isNumber = true;
  auto bits = static_cast<std::uint32_t>(magnitude);
  result.value = static_cast<std::int32_t>(negative ? 0u - bits : bits);
  return result;
}

std::int32_t parseDecimal(std::string_view text) {
  std::size_t i = 0;
  auto isSpace = [](char c) { return c == ' ' || (c >= '\t' && c <= '\r'); };
  while (i < text.size() && isSpace(text[i])) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
    negative = text[i] == '-';
    ++i;
  }
  std::uint32_t value = 0;
  for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
    value = value * 10u + static_cast<std::uint32_t>(text[i] - '0');
  }
  if (negative) value = 0u - value;
  return static_cast<std::int32_t>(value);
}

std::optional<std::int32_t> tokenValue(std::string_view token) {
  if (token.size() > 14) return std::nullopt;
  return parseDecimal(token);
}

}  // namespace kestrel

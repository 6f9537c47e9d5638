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

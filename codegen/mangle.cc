#include "codegen/mangle.h"

namespace kestrel {

namespace {

bool isLabelChar(unsigned char c) {
  return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_';
}

void appendReplacement(std::string& out, unsigned char c) {
  if (c >= 33 && c <= 47) {
    out.push_back(static_cast<char>(c + 32));
    out.push_back('Z');
  } else if (c >= 58 && c <= 64) {
    out.push_back(static_cast<char>(c + 22));
    out.push_back('X');
  } else if (c >= 91 && c <= 96) {
    out.push_back(static_cast<char>(c + 6));
    out.push_back('Q');
  } else if (c >= 123 && c <= 126) {
    out.push_back(static_cast<char>(c - 123 + 'g'));
    out.push_back('Q');
  } else {
    constexpr char kDigits[] = "0123456789ABCDEF";
    out.push_back(kDigits[c >> 4]);
    out.push_back(kDigits[c & 15]);
    out.push_back('Y');
  }
}

}  // namespace

std::string mangle(std::string_view name) {
  std::string out;
  out.reserve(name.size() + 8);
  bool replaced = false;
  for (char ch : name) {
    auto c = static_cast<unsigned char>(ch);
    if (isLabelChar(c)) {
      out.push_back(ch);
    } else {
      appendReplacement(out, c);
      replaced = true;
    }
  }
  if (replaced) out += "_QZX_";
  return out;
}

}  // namespace kestrel

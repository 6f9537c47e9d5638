#include "codegen/mangle.h"

namespace kestrel {

std::string mangle(std::string_view name) {
  std::string out;
  out.reserve(name.size() + 8);
  bool replaced = false;
  for (char ch : name) {
    unsigned char c = static_cast<unsigned char>(ch);
    if (c == '_') {
      out.push_back(ch);
    } else if (c >= 33 && c <= 47) {
      out.push_back(static_cast<char>(c + 32));
      out.push_back('Z');
      replaced = true;
    } else if (c >= 58 && c <= 64) {
      out.push_back(static_cast<char>(c + 22));
      out.push_back('X');
      replaced = true;
    } else if (c >= 91 && c <= 96) {
      out.push_back(static_cast<char>(c + 6));
      out.push_back('Q');
      replaced = true;
    } else {
      out.push_back(ch);
    }
  }
  if (replaced) out += "_QZX_";
  return out;
}

}  // namespace kestrel

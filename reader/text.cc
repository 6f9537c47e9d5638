#include "reader/text.h"

#include <algorithm>

namespace kestrel {

bool equalsNoCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (foldCase(static_cast<unsigned char>(a[i])) != foldCase(static_cast<unsigned char>(b[i]))) {
      return false;
    }
  }
  return true;
}

bool lessNoCase(std::string_view a, std::string_view b) {
  std::size_t n = std::min(a.size(), b.size());
  for (std::size_t i = 0; i < n; ++i) {
    unsigned char x = foldCase(static_cast<unsigned char>(a[i]));
    unsigned char y = foldCase(static_cast<unsigned char>(b[i]));
    if (x != y) return x < y;
  }
  return a.size() < b.size();
}

void foldInto(std::string_view name, std::string& out) {
  out.resize(name.size());
  for (std::size_t i = 0; i < name.size(); ++i) {
    out[i] = static_cast<char>(foldCase(static_cast<unsigned char>(name[i])));
  }
}

std::string folded(std::string_view name) {
  std::string out;
  foldInto(name, out);
  return out;
}

}  // namespace kestrel

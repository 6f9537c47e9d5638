// Name comparison rules shared by every lookup in the compiler: names are
// compared byte by byte after folding the 26 ASCII lower-case letters to
// upper case; every other byte (including bytes above 0x7F) stands for itself.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace kestrel {

inline unsigned char foldCase(unsigned char c) {
  return (c >= 'a' && c <= 'z') ? static_cast<unsigned char>(c - 'a' + 'A') : c;
}

bool equalsNoCase(std::string_view a, std::string_view b);
// The dictionary order: folded bytes compared as unsigned values; a proper
// prefix sorts first.
bool lessNoCase(std::string_view a, std::string_view b);
// Writes the folded form of `name` into `out` (reusing its capacity).
void foldInto(std::string_view name, std::string& out);
std::string folded(std::string_view name);

}  // namespace kestrel

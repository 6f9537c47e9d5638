#include "reader/raw_text.h"

namespace kestrel {

void skipComment(SourceStack& sources) {
  for (;;) {
    int c = sources.get();
    if (c == ')' || c == SourceFile::kEnd) return;
  }
}

void skipLine(SourceStack& sources) {
  for (;;) {
    int c = sources.get();
    if (c == '\n' || c == SourceFile::kEnd) return;
  }
}

void showComment(SourceStack& sources, std::FILE* console) {
  for (;;) {
    int c = sources.get();
    if (c == ')' || c == SourceFile::kEnd) return;
    std::fputc(c, console);
  }
}

std::size_t readUpTo(SourceStack& sources, char delimiter, std::size_t limit, std::string& text) {
  std::size_t taken = 0;
  text.clear();
  while (taken < limit) {
    int c = sources.get();
    if (c == SourceFile::kEnd) break;
    ++taken;
    if (c == static_cast<unsigned char>(delimiter)) break;
    text.push_back(static_cast<char>(c));
  }
  return taken;
}

}  // namespace kestrel

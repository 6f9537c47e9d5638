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

ReadResult readUpTo(SourceStack& sources, char delimiter, std::size_t limit, std::string& text) {
  ReadResult result;
  text.clear();
  while (result.taken < limit) {
    int c = sources.get();
    if (c == SourceFile::kEnd) break;
    ++result.taken;
    if (c == static_cast<unsigned char>(delimiter)) {
      result.sawDelimiter = true;
      break;
    }
    text.push_back(static_cast<char>(c));
  }
  return result;
}

}  // namespace kestrel

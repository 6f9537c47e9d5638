// Reading raw characters of the current source, for the words that read
// text rather than tokens: comments, verbatim assembly lines and strings.
// All of them count line feeds as they go and read the current file only.
#pragma once

#include <cstddef>
#include <cstdio>
#include <string>

#include "reader/source_stack.h"

namespace kestrel {

// Reads up to and including the first ")" (or to the end of the input).
void skipComment(SourceStack& sources);
// Reads up to and including the next line feed (or to the end of the input).
void skipLine(SourceStack& sources);
// Reads up to the first ")" like skipComment, writing every character
// before it to `console`.
void showComment(SourceStack& sources, std::FILE* console);

// Reads characters into `text` until the delimiter has been read (it is not
// stored), `limit` characters have been read, or the input ends. Returns the
// number of characters read, the delimiter included.
std::size_t readUpTo(SourceStack& sources, char delimiter, std::size_t limit, std::string& text);

}  // namespace kestrel

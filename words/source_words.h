// Words that act on the source text itself: "fload", the comments "(",
// "assert(", ".(" and "\", and "[" and "]", which switch between
// interpretation and compilation.
#pragma once

namespace kestrel {

struct RunState;

void registerSourceWords(RunState& c);

}  // namespace kestrel

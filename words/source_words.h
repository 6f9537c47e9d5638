// Words that act on the source text itself: "fload", the comments "(",
// "assert(", ".(" and "\", and "[" and "]", which switch between
// interpretation and compilation; and "[library]", which makes the rest of
// its file library words that a program may define again.
#pragma once

namespace kestrel {

struct RunState;

void registerSourceWords(RunState& c);

}  // namespace kestrel

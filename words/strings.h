// Text in compiled programs: string literals, printed strings and the
// choice between program-memory and ROM strings.
#pragma once

namespace kestrel {

struct RunState;

// s" (the address and length of a program-memory string), ." (printed from
// program memory, or from ROM after rstrings), p." and r." (always from
// program memory or ROM), rstrings and pstrings (the choice for .").
void registerStringWords(RunState& c);

}  // namespace kestrel

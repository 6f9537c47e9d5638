// Conditional compilation: "[if]", "[else]" and "[then]", in both states.
#pragma once

namespace kestrel {

struct RunState;

void registerConditionalWords(RunState& c);

}  // namespace kestrel

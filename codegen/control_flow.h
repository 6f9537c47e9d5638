// Structured control flow: conditional and unconditional jumps to numbered
// local labels. Label numbers run on through the whole output file.
#pragma once

#include <cstdint>
#include <vector>

namespace kestrel {

class Compiler;

struct ControlFlow {
  std::vector<std::int32_t> ifs;    // pending "__endif" numbers
  std::vector<std::int32_t> loops;  // pending "__loop", "__endwhile", "__leave" numbers
  std::int32_t endifCounter = 0;
  std::int32_t loopCounter = 0;

  bool anyOpen() const { return !ifs.empty() || !loops.empty(); }
};

void ifWord(Compiler& c);
void elseWord(Compiler& c);
void thenWord(Compiler& c);
void beginWord(Compiler& c);
void againWord(Compiler& c);
void untilWord(Compiler& c);
void whileWord(Compiler& c);
void repeatWord(Compiler& c);
void doWord(Compiler& c);
void loopWord(Compiler& c);
void leaveWord(Compiler& c);
void unloopWord(Compiler& c);

}  // namespace kestrel

// Structured control flow: conditional and unconditional jumps to numbered
// local labels. Label numbers run on through the whole output file.
//
// Three compile-time stacks hold the numbers of labels still to be placed:
// "if" structures (and the branches of a case), loops, and case
// structures. The closing words of if and begin loops trust their stack's
// top entry; the words added later (?do, +loop, case, of, endof, endcase)
// check what they close, and leave always leaves the innermost do loop.
// A case structure and each of its branches take "__endif" labels.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace kestrel {

struct RunState;

// An open case structure: the label after endcase, and the label after the
// branch of an open "of" (-1 when none is open), with the depths of the if
// and loop stacks where the structure and the branch began.
struct CaseFrame {
  std::int32_t endLabel;
  std::int32_t branchLabel = -1;
  std::size_t ifDepth;
  std::size_t loopDepth;
};

struct ControlFlow {
  std::vector<std::int32_t> ifs;    // pending "__endif" numbers
  std::vector<std::int32_t> loops;  // pending "__loop", "__endwhile", "__leave" numbers
  std::vector<std::int32_t> dos;    // the numbers of the open do loops, innermost last
  std::vector<CaseFrame> cases;
  std::int32_t endifCounter = 0;
  std::int32_t loopCounter = 0;

  bool anyOpen() const { return !ifs.empty() || !loops.empty() || !cases.empty(); }
};

// if else then begin again until while repeat do loop leave unloop exit;
// and ?do +loop recurse case of endof endcase, which a program's own word of
// the same name hides.
void registerControlFlowWords(RunState& c);

}  // namespace kestrel

// Fuzz target: one whole kstrip run on arbitrary bytes as an assembly file:
// the parser, the routine graph with removal and call depths, the copy and
// the file replacement. Any exit status outside kstrip's own set is a fault.
#include <cstdint>
#include <cstdlib>
#include <ostream>
#include <sstream>
#include <string>
#include <vector>

#include "fuzz_sandbox.h"
#include "stripper/kstrip.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static fuzz::Sandbox sandbox;
  fuzz::Sandbox::writeFile("in.asm", data, size);
  std::ostringstream out;
  std::ostringstream errors;
  auto status = kestrel::strip::runStripper({"in.asm"}, out, errors);
  if (status < 0 || status > 3) std::abort();
  return 0;
}

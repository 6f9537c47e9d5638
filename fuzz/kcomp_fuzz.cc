// Fuzz target: one whole compilation of arbitrary bytes as a Forth source.
// The first byte selects command-line options, so the speed, ROM-string and
// stack-size paths are reached too. Any exit status outside kcomp's own set
// is a fault.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "driver/compiler.h"
#include "fuzz_sandbox.h"

namespace {

std::vector<std::string> optionsFrom(std::uint8_t selector) {
  std::vector<std::string> args;
  if (selector & 1) args.push_back("-os");
  if (selector & 2) args.insert(args.end(), {"-r", "4096"});
  if (selector & 4) args.insert(args.end(), {"-s", "64"});
  args.push_back("in.f");
  return args;
}

bool isKcompStatus(int status) {
  switch (status) {
    case 0: case 1: case 2: case 4: case 6: case 7: case 8: return true;
    default: return false;
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static fuzz::Sandbox sandbox;
  std::uint8_t selector = size > 0 ? data[0] : 0;
  if (size > 0) {
    ++data;
    --size;
  }
  fuzz::Sandbox::writeFile("in.f", data, size);
  int status = kestrel::Compiler(sandbox.sink(), sandbox.sink()).run(optionsFrom(selector), nullptr);
  if (!isKcompStatus(status)) std::abort();
  return 0;
}

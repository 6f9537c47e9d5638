// kcomp: the Forth cross-compiler for PIC17CXX microcontrollers.
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "driver/compiler.h"

int main(int argc, char** argv) {
  std::vector<std::string> args(argv + 1, argv + argc);
  kestrel::Compiler compiler(stdout, stderr);
  return compiler.run(args, std::getenv("KR_LIB"));
}

#include <cstdio>
#include <iostream>
#include <string>
#include <vector>

#include "pic17sim/cli.h"

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#endif

int main(int argc, char** argv) {
#ifdef _WIN32
  _setmode(_fileno(stdout), _O_BINARY);  // console bytes pass through unchanged
#endif
  std::vector<std::string> args(argv + 1, argv + argc);
  return pic17sim::runCommandLine(args, std::cout, std::cerr);
}

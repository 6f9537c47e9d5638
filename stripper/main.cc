#include <cstdio>
#include <iostream>
#include <new>
#include <string>
#include <vector>

#include "stripper/kstrip.h"
#include "stripper/new_file.h"

int main(int argc, char** argv) {
  kestrel::strip::openClosedStandardStreams();  // before any file takes their numbers
  try {
    std::vector<std::string> arguments(argv + (argc > 0 ? 1 : 0), argv + argc);
    return kestrel::strip::runStripper(arguments, std::cout, std::cerr);
  } catch (const std::bad_alloc&) {
    // The input is replaced only at the very end, by moves that need no
    // more memory: it is still whole here.
    kestrel::strip::removeUnfinishedFiles();
    std::cout.flush();
    std::fputs("Out of memory.\n", stderr);
    return kestrel::strip::kCannotOpenInput;
  }
}

// kcomp: the Forth cross-compiler for PIC17CXX microcontrollers.
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "driver/compiler.h"
#include "reader/host_files.h"
#include "driver/installed_library.h"

// Where the run-time library is installed, seen from the program's folder.
#ifndef KESTREL_LIBRARY_FROM_BIN
#define KESTREL_LIBRARY_FROM_BIN "../share/kestrel"
#endif

int main(int argc, char** argv) {
  kestrel::openClosedStandardStreams();  // before any file takes their numbers
  std::vector<std::string> args(argv + 1, argv + argc);
  // Never destroyed: run() has closed every file when it returns, and the
  // process ends right after. Freeing a large program's words one by one
  // would cost as much as a tenth of the run.
  static auto* compiler = new kestrel::Compiler(stdout, stderr);
  compiler->setLibraryDir(kestrel::installedLibraryDir(
      kestrel::executablePath(argc > 0 ? argv[0] : nullptr), KESTREL_LIBRARY_FROM_BIN));
  return compiler->run(args, std::getenv("KR_LIB"));
}

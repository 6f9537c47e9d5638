// One run of kcomp: start-up from the command line, the outer interpreter
// over the input (words/interpreter.h), the tables at the end of the output
// and the report. The run's state is a RunState (words/run_state.h).
#pragma once

#include <cstdio>
#include <string>
#include <utility>
#include <vector>

#include "words/run_state.h"

namespace kestrel {

class Compiler {
 public:
  Compiler(std::FILE* console, std::FILE* errors);

  // One run over the command-line arguments (without the program name);
  // `includeEnv` is the value of KR_LIB or nullptr. Returns the exit status.
  int run(const std::vector<std::string>& args, const char* includeEnv);

  // The library folder of an installed kcomp, searched after every other
  // place; set before run().
  void setLibraryDir(std::string dir) { state_.settings.libraryDir = std::move(dir); }

 private:
  RunState state_;

  int endWithError(const std::string& message, int status);
  void refuseToReplaceInputs();
  void startUp(const std::vector<std::string>& args, const char* includeEnv);
  void writePrelude();
  void openRomStringFiles();
  void complete(std::uint32_t milliseconds);
  void finishRomStringFiles();
  void closeOrFail(AsmOutput& file, const std::string& name);
  void printReport(std::uint32_t milliseconds) const;
  void closeFiles();
};

}  // namespace kestrel

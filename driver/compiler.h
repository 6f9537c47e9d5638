// The whole state of one run of kcomp, owned by one object, so that tests
// and fuzz targets can run any number of compilations in one process.
#pragma once

#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>
#include <unordered_set>
#include <vector>

#include "codegen/asm_output.h"
#include "codegen/control_flow.h"
#include "codegen/interrupts.h"
#include "codegen/literals.h"
#include "reader/dictionary.h"
#include "reader/interpret_stack.h"
#include "reader/source_stack.h"
#include "reader/tokenizer.h"
#include "words/ram_banks.h"
#include "words/strings.h"

namespace kestrel {

struct Settings {
  std::string includePath;
  // The library folder of an installed kcomp, searched after every other
  // place; empty otherwise. Set before run() and kept from run to run.
  std::string libraryDir;
  std::string inputName;
  std::string outputName = "out.asm";
  bool speed = false;  // "-os": in-line fetches and stores, no literal table
};

class Compiler {
 public:
  // `console` receives the banner, the report and what the program prints;
  // `errors` the usage text and the diagnostics.
  Compiler(std::FILE* console, std::FILE* errors);

  // One run over the command-line arguments (without the program name);
  // `includeEnv` is the value of KR_LIB or nullptr. Returns the exit status.
  int run(const std::vector<std::string>& args, const char* includeEnv);

  // Ends the run: the message goes out with the current source position.
  [[noreturn]] void fail(std::string_view message, int status) const;
  // Reports without ending the run.
  void warn(std::string_view message) const;

  void push(std::int32_t value);
  std::int32_t pop();

  // Makes and enters a word of kind T (see Dictionary::define); a name
  // already present ends the run.
  template <class T, class... Args>
  T* define(Dictionary& dictionary, std::string_view name, Args&&... args) {
    T* word = dictionary.define<T>(name, std::forward<Args>(args)...);
    if (word == nullptr) failDuplicate(name);
    return word;
  }

  Settings settings;
  std::FILE* console;
  std::FILE* errors;
  AsmOutput out;

  SourceStack sources;
  Tokenizer tokens{sources};
  std::unordered_set<std::string> includedFiles;  // full names, folded

  Dictionary interpretWords;
  Dictionary compileWords;
  InterpretStack stack;

  bool compiling = false;       // compilation state
  bool deferredReturn = false;  // the last reference was a tail jump
  bool noTailCall = false;      // inside an RCALL definition
  bool inInterrupt = false;     // inside an interrupt handler
  bool printFromRom = false;    // ." compiles ROM strings
  std::int32_t wordsCount = 0;

  LiteralTable literals;
  std::int32_t returnCount = 0;
  std::vector<InterruptHandler> interrupts;
  ControlFlow flow;
  RamBanks banks;
  StringTable strings;
  RomStrings rom;

 private:
  [[noreturn]] void failDuplicate(std::string_view name) const;
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

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
#include "codegen/jumps.h"
#include "codegen/labels.h"
#include "codegen/literals.h"
#include "reader/dictionary.h"
#include "reader/host_files.h"
#include "reader/interpret_stack.h"
#include "reader/source_stack.h"
#include "reader/tokenizer.h"
#include "words/ram_banks.h"
#include "words/strings.h"

namespace kestrel {

class ColonWord;

struct Settings {
  std::string includePath;
  // The library folder of an installed kcomp, searched after every other
  // place; empty otherwise. Set before run() and kept from run to run.
  std::string libraryDir;
  std::string inputName;
  std::string outputName = "out.asm";
  bool speed = false;  // "-os": in-line fetches and stores, no literal table
  bool longCalls = false;  // "-l": calls and jumps that reach all program memory
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
  // The output as calls and jumps are written into it.
  JumpOutput jumps() { return {out, settings.longCalls}; }

  SourceStack sources;
  Tokenizer tokens{sources};
  std::unordered_set<std::string> includedFiles;  // full names, folded
  // Ends the run when `input`, a file about to be read, is one that the run
  // writes; that output is then dropped, leaving the file as it was.
  void refuseIfWritten(const FileId& input);

  Dictionary interpretWords;
  Dictionary compileWords;
  // Built-in words that a program's own word of the same name hides: they
  // are found only where the state's dictionary has no such word.
  Dictionary yieldingInterpretWords;
  Dictionary yieldingCompileWords;
  LabelTable labels;
  InterpretStack stack;

  bool compiling = false;       // compilation state
  bool deferredReturn = false;  // the last reference was a tail jump
  bool noTailCall = false;      // inside an RCALL definition
  bool inInterrupt = false;     // inside an interrupt handler
  bool printFromRom = false;    // ." compiles ROM strings
  ColonWord* definition = nullptr;  // the colon definition being compiled
  std::int32_t wordsCount = 0;

  LiteralTable literals;
  std::int32_t returnCount = 0;
  std::vector<InterruptHandler> interrupts;
  ControlFlow flow;
  RamBanks banks;
  StringTable strings;
  RomStrings rom;

 private:
  // The files the run writes that exist already.
  struct WrittenFile {
    FileId id;
    std::string name;
    AsmOutput* output;  // nullptr until opened
  };
  std::vector<WrittenFile> writtenFiles;

  [[noreturn]] void failDuplicate(std::string_view name) const;
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

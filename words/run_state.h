// The state of one run of kcomp: everything the outer interpreter and the
// built-in words read and change. The driver (driver/compiler.h) owns one
// and fills its settings; nothing here outlives the run, so tests and fuzz
// targets can run any number of compilations in one process.
#pragma once

#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>
#include <unordered_set>
#include <vector>

#include "codegen/asm_output.h"
#include "codegen/interrupts.h"
#include "codegen/jumps.h"
#include "codegen/labels.h"
#include "codegen/literals.h"
#include "codegen/string_table.h"
#include "reader/dictionary.h"
#include "reader/host_files.h"
#include "reader/interpret_stack.h"
#include "reader/source_stack.h"
#include "reader/tokenizer.h"
#include "words/control_flow.h"
#include "words/ram_banks.h"
#include "words/target_words.h"

namespace kestrel {

struct Settings {
  std::string includePath;
  // The library folder of an installed kcomp, searched after every other
  // place; empty otherwise.
  std::string libraryDir;
  std::string inputName;
  std::string outputName = "out.asm";
  bool speed = false;  // "-os": in-line fetches and stores, no literal table
  bool longCalls = false;  // "-l": calls and jumps that reach all program memory
};

struct RunState {
  // `console` receives the banner, the report and what the program prints;
  // `errors` the usage text and the diagnostics.
  RunState(std::FILE* console, std::FILE* errors) : console(console), errors(errors) {}

  // Ends the run: the message goes out with the current source position.
  [[noreturn]] void fail(std::string_view message, int status) const;
  // Reports without ending the run.
  void warn(std::string_view message) const;

  // The interpreter's data stack; overflow and underflow end the run.
  void push(std::int32_t value);
  std::int32_t pop();

  // Makes and enters a word of kind T (see Dictionary::define). A name
  // already present ends the run, unless its word is a library word: the
  // new word then takes the name over (see libraryDepth).
  template <class T, class... Args>
  T* define(Dictionary& dictionary, std::string_view name, Args&&... args) {
    T* word = dictionary.define<T>(name, std::forward<Args>(args)...);
    if (word == nullptr) {
      // define made nothing, so the arguments are still whole.
      word = dictionary.replace<T>(takeOverLibraryWord(dictionary, name), name, std::forward<Args>(args)...);
    }
    if (inLibrary()) libraryWords.insert(word);
    return word;
  }
  // True when `word` is a library word that a new word of its name would
  // take over.
  bool isLibraryWord(const Word* word) const { return libraryWords.contains(word); }
  // Keeps the label of `word`, a library word whose name a new word takes,
  // for the library word's routine: the new word gets another.
  void keepLabelOf(const Word* word);
  // Words defined now are library words.
  bool inLibrary() const { return libraryDepth != 0 && sources.depth() >= libraryDepth; }

  Settings settings;

  // Input: the source files being read and their tokens.
  SourceStack sources;
  Tokenizer tokens{sources};
  std::unordered_set<std::string> includedFiles;  // full names, folded
  InterpretStack stack;

  // Dictionaries: one for each state, and the built-in words that a
  // program's own word of the same name hides (found only where the
  // state's dictionary has no such word).
  Dictionary interpretWords;
  Dictionary compileWords;
  Dictionary yieldingInterpretWords;
  Dictionary yieldingCompileWords;
  ValueList values;   // the value word of each value
  LabelTable labels;  // the labels that words have taken
  std::int32_t wordsCount = 0;
  // Library words: those defined after "[library]" up to the end of the
  // file that holds it (and in the files it loads). A program may define a
  // word of the same name, which then takes the name over; words compiled
  // before keep referring to the library word. 0: no such file is open.
  std::size_t libraryDepth = 0;
  std::unordered_set<const Word*> libraryWords;

  // Definition state.
  bool compiling = false;       // compilation state
  bool deferredReturn = false;  // the last reference was a tail jump
  bool noTailCall = false;      // inside an RCALL definition
  bool inInterrupt = false;     // inside an interrupt handler
  bool printFromRom = false;    // ." compiles ROM strings
  ColonWord* definition = nullptr;  // the colon definition being compiled
  ControlFlow flow;                 // open control structures

  // Output: the assembly file, the tables written at its end, and the RAM
  // the program takes.
  std::FILE* console;
  std::FILE* errors;
  AsmOutput out;
  JumpOutput jumps() { return {out, settings.longCalls}; }
  LiteralTable literals;
  std::int32_t returnCount = 0;  // references through the return table
  std::vector<InterruptHandler> interrupts;
  StringTable strings;
  RomStrings rom;
  RamBanks banks;

  // The files the run writes that exist already, so that none of them is
  // ever read as a source.
  struct WrittenFile {
    FileId id;
    std::string name;
    AsmOutput* output;  // nullptr until opened
  };
  std::vector<WrittenFile> writtenFiles;
  // Ends the run when `input`, a file about to be read, is one that the run
  // writes; that output is then dropped, leaving the file as it was.
  void refuseIfWritten(const FileId& input);

 private:
  // The library word named `name`, which a new word is about to replace:
  // its label stays with its routine. Ends the run when the word of that
  // name is not a library word.
  Word* takeOverLibraryWord(Dictionary& dictionary, std::string_view name);
  [[noreturn]] void failDuplicate(std::string_view name) const;
};

}  // namespace kestrel

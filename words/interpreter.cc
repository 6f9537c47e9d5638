#include "words/interpreter.h"

#include "codegen/routine_block.h"
#include "reader/diagnostics.h"
#include "reader/include_path.h"
#include "reader/text.h"
#include "words/literal_words.h"
#include "words/run_state.h"

namespace kestrel {

namespace {

// Opens `name` and makes it the file being read; false when the file was
// read before in this run (it is then skipped with a warning). The input
// file may be any readable stream (a pipe, say); an included file must be a
// regular file, so that an include of a device cannot read on forever.
bool beginFile(RunState& c, const std::string& name, bool included) {
  std::string fullName = findSource(name, c.settings.includePath, c.settings.libraryDir);
  if (fullName.empty()) throwCannotOpen(name);
  if (!isReadableFile(fullName, included)) throwCannotOpen(name);
  if (!c.includedFiles.insert(folded(fullName)).second) {
    c.warn("Repeated inclusion of " + fullName);
    return false;
  }
  auto file = SourceFile::open(fullName, name);
  if (!file) throwCannotOpen(name);
  c.refuseIfWritten(file->id());
  c.tokens.dropLookahead();
  c.sources.push(std::move(file));
  return true;
}

// Closes the file being read and resumes the one that included it, which
// must still be the file that was being read.
void endFile(RunState& c) {
  std::string name = c.sources.current()->name();
  bool resumed = c.sources.pop();
  if (c.sources.depth() < c.libraryDepth) c.libraryDepth = 0;  // the library file ended
  c.out.text("; End of file: ").text(name).text(".").endLine();
  if (!resumed) {
    throw FatalError("Source file changed while it was read: " + c.sources.current()->path(),
                     kExitCannotOpen);
  }
}

void useNumber(RunState& c, std::int32_t value) {
  if (c.compiling) {
    compileNumber(c, value);
  } else {
    c.push(value);
  }
}

void interpretNumber(RunState& c, std::string_view token) {
  writeEcho(c.out, token);
  auto value = tokenValue(token);
  if (!value) c.fail("Funny number", kExitFunnyNumber);
  useNumber(c, *value);
}

// A prefixed number or quoted character is a number only when no word of
// that name is defined; returns false when the token is not one.
bool interpretPrefixedNumber(RunState& c, std::string_view token) {
  PrefixedNumber number = prefixedNumber(token);
  if (!number.isNumber) return false;
  writeEcho(c.out, token);
  if (!number.fits) c.fail("Funny number", kExitFunnyNumber);
  useNumber(c, number.value);
  return true;
}

// Looks a word up in the state's dictionary, then (for a token that is not
// a prefixed number) among the built-in words that yield to the program's
// own words of the same name.
void interpretWord(RunState& c, std::string_view token) {
  Dictionary& dictionary = c.compiling ? c.compileWords : c.interpretWords;
  Word* word = dictionary.find(token);
  if (word == nullptr) {
    if (interpretPrefixedNumber(c, token)) return;
    word = (c.compiling ? c.yieldingCompileWords : c.yieldingInterpretWords).find(token);
  }
  if (word == nullptr) c.fail("Unrecognized word: " + std::string(token), kExitBadWord);
  if (!isSilentWord(word->name())) writeEcho(c.out, word->name());
  word->execute(c);
}

}  // namespace

// Included files are not interpreted by a nested call: `fload` pushes the
// file, and this loop reads on from whatever file is on top, so any depth of
// includes runs in constant host stack.
void processFile(RunState& c, const std::string& name) {
  std::size_t outerDepth = c.sources.depth();
  if (!beginFile(c, name, false)) return;
  while (c.sources.depth() > outerDepth) {
    std::string_view token = c.tokens.next();
    if (token.empty()) {  // the end of the file being read
      endFile(c);
      continue;
    }
    if (isNumber(token)) {
      interpretNumber(c, token);
    } else {
      interpretWord(c, token);
    }
  }
}

void includeFile(RunState& c, const std::string& name) {
  c.out.text("; Processing file: ").text(name).text(".").endLine();
  beginFile(c, name, true);
}

}  // namespace kestrel

#include "words/source_words.h"

#include <string>

#include "reader/raw_text.h"
#include "words/builtin_words.h"
#include "words/interpreter.h"
#include "words/run_state.h"

namespace kestrel {

namespace {

void floadWord(RunState& c) { includeFile(c, std::string(c.tokens.next())); }

void commentWord(RunState& c) { skipComment(c.sources); }               // ( and assert(
void showCommentWord(RunState& c) { showComment(c.sources, c.console); }  // .(
void lineCommentWord(RunState& c) { skipLine(c.sources); }              // backslash

void leftBracketWord(RunState& c) { c.compiling = false; }   // [
void rightBracketWord(RunState& c) { c.compiling = true; }   // ]

// [library]: the words defined from here to the end of this file are
// library words, which a program's own word of the same name takes over.
void libraryWord(RunState& c) {
  if (c.libraryDepth == 0) c.libraryDepth = c.sources.depth();
}

}  // namespace

void registerSourceWords(RunState& c) {
  for (Dictionary* words : {&c.interpretWords, &c.compileWords}) {
    enterWords(c, *words, {{"(", commentWord}, {".(", showCommentWord}, {"\\", lineCommentWord}});
  }
  enterWords(c, c.interpretWords, {{"fload", floadWord}, {"]", rightBracketWord}});
  enterWords(c, c.compileWords, {{"assert(", commentWord}, {"[", leftBracketWord}});
  enterWords(c, c.yieldingInterpretWords, {{"[library]", libraryWord}});
}

}  // namespace kestrel

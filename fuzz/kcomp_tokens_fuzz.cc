// Fuzz target: compilations of token sequences drawn from the built-in
// words, numbers, comments and a few program-defined names, so that the
// fuzzer spends its time in the words' logic rather than in the tokenizer.
// Each input byte picks one token; its top bit picks a line break or a blank
// after it.
#include <cstdint>
#include <cstdlib>
#include <iterator>
#include <string>
#include <vector>

#include "driver/compiler.h"
#include "fuzz_sandbox.h"

namespace {

const char* const kVocabulary[] = {
    // interpretation state
    "fload", "code", "array", "variable", "cvariable", ":", ":zzz", "::", "2variable", "constant",
    ":interrupt", "]", "unremember", "org", "(", ".(", "\\", "+", "-", "*", "and", "or", "=", ".",
    "cr", "rstrings", "pstrings", "[if]", "[else]", "[then]", "cells", "chars", "0=",
    // compilation state
    "[code]", ";", "interrupt;", "[']", "[", "assert(", "[char]", "s\"", ".\"", "p.\"", "r.\"",
    "if", "else", "then", "begin", "again", "until", "while", "repeat", "do", "unloop", "leave",
    "loop", "exit", "literal", "double", "endcode",
    // numbers
    "0", "1", "-1", "8", "16", "38", "255", "256", "300", "4660", "65535", "65536", "-32768",
    "-32769", "224", "225", "2147483648", "123456789012345", "-",
    // names and text
    "a", "b", "A", "dup", "@", "!", "c@", "c!", "2>r", "main", "x\"", ")", "\"", "nop", "in.f",
    "other.f", "\tnop",
    // words that a program's own word of the same name hides, and prefixed numbers
    "?do", "+loop", "recurse", "case", "of", "endof", "endcase", "char", "/", "mod", "negate",
    "invert", "xor", "lshift", "rshift", "1+", "1-", "2*", "2/", "min", "max", "abs", "drop", "swap",
    "over", "<", ">", "$ff", "#10", "%101", "'a'", "-$8000",
};
static_assert(std::size(kVocabulary) == 128, "each input byte's low seven bits pick one token");

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static fuzz::Sandbox sandbox;
  static bool wroteOther = false;
  if (!wroteOther) {
    fuzz::Sandbox::writeFile("other.f", ": a ;\n5 constant five\n");
    wroteOther = true;
  }
  std::string source;
  for (std::size_t i = 0; i < size; ++i) {
    source += kVocabulary[(data[i] & 0x7f) % std::size(kVocabulary)];
    source += (data[i] & 0x80) ? '\n' : ' ';
  }
  fuzz::Sandbox::writeFile("in.f", source);
  std::vector<std::string> args = {"-r", "0", "in.f"};
  int status = kestrel::Compiler(sandbox.sink(), sandbox.sink()).run(args, nullptr);
  switch (status) {
    case 0: case 1: case 2: case 4: case 6: case 7: case 8: return 0;
    default: std::abort();
  }
}

// The words that open and close a routine in the output and enter it into
// the compile dictionary, and the words that place code.
#pragma once

#include <string_view>

namespace kestrel {

class ColonWord;
struct RunState;

// Makes and enters the word of a new definition.
using WordMaker = ColonWord* (*)(RunState& c, std::string_view name);
ColonWord* defineColonWord(RunState& c, std::string_view name);

// Opens a colon-style definition: clears the deferred return, counts the
// word, reads its name, writes the banner, header and label lines, enters
// the word made by `make` and switches to compilation state.
ColonWord& openColonDefinition(RunState& c, std::string_view kind, WordMaker make);

// ":", ":zzz", "::", "code", "org" and "unremember" between definitions;
// ";" and "[code]" inside them.
void registerDefiningWords(RunState& c);

}  // namespace kestrel

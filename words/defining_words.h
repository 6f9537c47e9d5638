// The words that open a new routine in the output and enter it into the
// compile dictionary, and the words that place code: ":", ":zzz", "::",
// "code", "[code]", "[']", "org" and "unremember".
#pragma once

#include <string_view>

namespace kestrel {

class ColonWord;
class Compiler;

// Makes and enters the word of a new definition.
using WordMaker = ColonWord* (*)(Compiler& c, std::string_view name);
ColonWord* defineColonWord(Compiler& c, std::string_view name);

// Opens a colon-style definition: clears the deferred return, counts the
// word, reads its name, writes the banner, header and label lines, enters
// the word made by `make` and switches to compilation state.
ColonWord& openColonDefinition(Compiler& c, std::string_view kind, WordMaker make);

// Built-in words.
void colonWord(Compiler& c);        // :
void sleepColonWord(Compiler& c);   // :zzz
void rcallColonWord(Compiler& c);   // ::
void codeWord(Compiler& c);         // code
void inlineCodeWord(Compiler& c);   // [code]
void tickWord(Compiler& c);         // [']
void orgWord(Compiler& c);
void unrememberWord(Compiler& c);

}  // namespace kestrel

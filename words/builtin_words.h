// The index of the built-in words: every family of words has a file in
// words/ that enters its own words, and registerBuiltinWords calls them all.
//
//   defining_words   : :zzz :: ; code [code] org unremember
//   data_words       constant variable cvariable 2variable array
//   control_flow     if else then begin again until while repeat do ?do
//                    loop +loop leave unloop exit recurse case of endof endcase
//   literal_words    literal double [char] ['] char
//   strings          s" ." p." r." rstrings pstrings
//   conditional      [if] [else] [then]
//   interrupt_words  :interrupt interrupt;
//   source_words     fload ( assert( .( \ [ ] [library]
//   arithmetic       + - * and or = 0= cells chars . cr / mod negate invert
//                    xor lshift rshift 1+ 1- 2* 2/ min max abs dup drop swap
//                    over < >
#pragma once

#include <initializer_list>

#include "reader/word.h"

namespace kestrel {

class Dictionary;
struct RunState;

void registerBuiltinWords(RunState& c);

struct BuiltinWord {
  const char* name;
  HostWord::Handler handler;
};

// Enters `words` into `dictionary`.
void enterWords(RunState& c, Dictionary& dictionary, std::initializer_list<BuiltinWord> words);

}  // namespace kestrel

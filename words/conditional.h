// Comments and conditional compilation: "(", "assert(", ".(", "\", "[if]",
// "[else]", "[then]", and "chars", which does nothing.
#pragma once

namespace kestrel {

class Compiler;

void commentWord(Compiler& c);       // ( and assert(
void showCommentWord(Compiler& c);   // .(
void lineCommentWord(Compiler& c);   // backslash
void ifDirectiveWord(Compiler& c);   // [if]
void elseDirectiveWord(Compiler& c); // [else]
void noEffectWord(Compiler& c);      // [then] and chars

}  // namespace kestrel

#include "words/builtin_words.h"

#include <iterator>

#include "codegen/control_flow.h"
#include "codegen/interrupts.h"
#include "codegen/literals.h"
#include "codegen/target_words.h"
#include "driver/compiler.h"
#include "reader/interpreter.h"
#include "words/arithmetic.h"
#include "words/conditional.h"
#include "words/data_words.h"
#include "words/defining_words.h"
#include "words/strings.h"

namespace kestrel {

namespace {

struct Builtin {
  const char* name;
  HostWord::Handler handler;
};

const Builtin kInterpretWords[] = {
    {"fload", floadWord},          {"code", codeWord},
    {"array", arrayWord},          {"variable", variableWord},
    {"cvariable", cvariableWord},  {":", colonWord},
    {":zzz", sleepColonWord},      {"::", rcallColonWord},
    {"2variable", twoVariableWord}, {"constant", constantWord},
    {":interrupt", beginInterruptWord}, {"]", rightBracketWord},
    {"unremember", unrememberWord}, {"org", orgWord},
    {"(", commentWord},            {".(", showCommentWord},
    {"\\", lineCommentWord},       {"+", addWord},
    {"-", subtractWord},           {"*", multiplyWord},
    {"and", andWord},              {"or", orWord},
    {"=", equalWord},              {".", printWord},
    {"cr", crWord},                {"rstrings", romStringsWord},
    {"pstrings", programStringsWord}, {"[if]", ifDirectiveWord},
    {"[else]", elseDirectiveWord}, {"[then]", noEffectWord},
    {"cells", cellsWord},          {"chars", noEffectWord},
    {"0=", zeroEqualWord},
};

const Builtin kCompileWords[] = {
    {"[code]", inlineCodeWord},    {";", semicolonWord},
    {"interrupt;", endInterruptWord}, {"[']", tickWord},
    {"[", leftBracketWord},        {"assert(", commentWord},
    {"(", commentWord},            {".(", showCommentWord},
    {"\\", lineCommentWord},       {"[char]", charWord},
    {"s\"", stringWord},           {".\"", printStringWord},
    {"p.\"", printProgramStringWord}, {"r.\"", printRomStringWord},
    {"if", ifWord},                {"else", elseWord},
    {"then", thenWord},            {"begin", beginWord},
    {"again", againWord},          {"until", untilWord},
    {"while", whileWord},          {"repeat", repeatWord},
    {"do", doWord},                {"unloop", unloopWord},
    {"leave", leaveWord},          {"loop", loopWord},
    {"exit", exitWord},            {"literal", literalWord},
    {"double", doubleWord},        {"[if]", ifDirectiveWord},
    {"[else]", elseDirectiveWord}, {"[then]", noEffectWord},
};

static_assert(std::size(kInterpretWords) == 33);
static_assert(std::size(kCompileWords) == 32);

template <std::size_t N>
void enter(Compiler& c, Dictionary& dictionary, const Builtin (&words)[N]) {
  for (const Builtin& word : words) {
    c.define<HostWord>(dictionary, word.name, word.handler);
  }
}

}  // namespace

void registerBuiltinWords(Compiler& c) {
  enter(c, c.interpretWords, kInterpretWords);
  enter(c, c.compileWords, kCompileWords);
}

}  // namespace kestrel

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

// Words that came later: a program's own word of the same name hides them,
// so programs that define such names compile as before.
const Builtin kYieldingInterpretWords[] = {
    {"char", pushCharWord},  {"/", divideWord},      {"mod", modWord},
    {"negate", negateWord},  {"invert", invertWord}, {"xor", xorWord},
    {"lshift", lshiftWord},  {"rshift", rshiftWord}, {"1+", onePlusWord},
    {"1-", oneMinusWord},    {"2*", twoStarWord},    {"2/", twoSlashWord},
    {"min", minWord},        {"max", maxWord},       {"abs", absWord},
    {"dup", dupWord},        {"drop", dropWord},     {"swap", swapWord},
    {"over", overWord},      {"<", lessWord},        {">", greaterWord},
};

const Builtin kYieldingCompileWords[] = {
    {"?do", questionDoWord}, {"+loop", plusLoopWord}, {"recurse", recurseWord},
    {"case", caseWord},      {"of", ofWord},          {"endof", endofWord},
    {"endcase", endcaseWord},
};

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
  enter(c, c.yieldingInterpretWords, kYieldingInterpretWords);
  enter(c, c.yieldingCompileWords, kYieldingCompileWords);
}

}  // namespace kestrel

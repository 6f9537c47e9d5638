#include "words/arithmetic.h"

#include <cinttypes>
#include <cstdio>

#include "reader/diagnostics.h"
#include "words/builtin_words.h"
#include "words/run_state.h"

namespace kestrel {

namespace {

// Arithmetic wraps modulo 2^32, as on a 32-bit host cell.
std::int32_t wrap(std::uint32_t value) { return static_cast<std::int32_t>(value); }
std::uint32_t bits(std::int32_t value) { return static_cast<std::uint32_t>(value); }

template <typename Op>
void binary(RunState& c, Op op) {
  std::int32_t a = c.pop();
  std::int32_t b = c.pop();
  c.push(op(b, a));
}

template <typename Op>
void unary(RunState& c, Op op) {
  c.push(op(c.pop()));
}

// Division truncates toward zero, as "/" and "mod" do on the target; the
// one quotient that does not fit wraps.
std::int32_t dividend(RunState& c, std::int32_t& divisor) {
  divisor = c.pop();
  std::int32_t b = c.pop();
  if (divisor == 0) c.fail("Division by zero.", kExitLimit);
  return b;
}

std::int32_t shifted(std::int32_t value, std::int32_t count, bool left) {
  if (bits(count) >= 32) return 0;
  return wrap(left ? bits(value) << count : bits(value) >> count);
}

void addWord(RunState& c) {
  binary(c, [](std::int32_t b, std::int32_t a) { return wrap(bits(b) + bits(a)); });
}

void subtractWord(RunState& c) {
  binary(c, [](std::int32_t b, std::int32_t a) { return wrap(bits(b) - bits(a)); });
}

void multiplyWord(RunState& c) {
  binary(c, [](std::int32_t b, std::int32_t a) { return wrap(bits(b) * bits(a)); });
}

void andWord(RunState& c) {
  binary(c, [](std::int32_t b, std::int32_t a) { return b & a; });
}

void orWord(RunState& c) {
  binary(c, [](std::int32_t b, std::int32_t a) { return b | a; });
}

void equalWord(RunState& c) {
  binary(c, [](std::int32_t b, std::int32_t a) { return b == a ? 1 : 0; });
}

void zeroEqualWord(RunState& c) { c.push(c.pop() == 0 ? 1 : 0); }

void divideWord(RunState& c) {
  std::int32_t a = 0;
  std::int32_t b = dividend(c, a);
  c.push(a == -1 ? wrap(0u - bits(b)) : b / a);
}

void modWord(RunState& c) {
  std::int32_t a = 0;
  std::int32_t b = dividend(c, a);
  c.push(a == -1 ? 0 : b % a);
}

void negateWord(RunState& c) {
  unary(c, [](std::int32_t a) { return wrap(0u - bits(a)); });
}

void invertWord(RunState& c) {
  unary(c, [](std::int32_t a) { return ~a; });
}

void xorWord(RunState& c) {
  binary(c, [](std::int32_t b, std::int32_t a) { return b ^ a; });
}

void lshiftWord(RunState& c) {
  binary(c, [](std::int32_t b, std::int32_t a) { return shifted(b, a, true); });
}

void rshiftWord(RunState& c) {
  binary(c, [](std::int32_t b, std::int32_t a) { return shifted(b, a, false); });
}

void onePlusWord(RunState& c) {
  unary(c, [](std::int32_t a) { return wrap(bits(a) + 1u); });
}

void oneMinusWord(RunState& c) {
  unary(c, [](std::int32_t a) { return wrap(bits(a) - 1u); });
}

void twoStarWord(RunState& c) {
  unary(c, [](std::int32_t a) { return wrap(bits(a) << 1); });
}

void twoSlashWord(RunState& c) {
  unary(c, [](std::int32_t a) { return a >> 1; });  // arithmetic shift
}

void minWord(RunState& c) {
  binary(c, [](std::int32_t b, std::int32_t a) { return b < a ? b : a; });
}

void maxWord(RunState& c) {
  binary(c, [](std::int32_t b, std::int32_t a) { return b > a ? b : a; });
}

void absWord(RunState& c) {
  unary(c, [](std::int32_t a) { return a < 0 ? wrap(0u - bits(a)) : a; });
}

void lessWord(RunState& c) {
  binary(c, [](std::int32_t b, std::int32_t a) { return b < a ? 1 : 0; });
}

void greaterWord(RunState& c) {
  binary(c, [](std::int32_t b, std::int32_t a) { return b > a ? 1 : 0; });
}

void dupWord(RunState& c) {
  std::int32_t a = c.pop();
  c.push(a);
  c.push(a);
}

void dropWord(RunState& c) { c.pop(); }

void swapWord(RunState& c) {
  std::int32_t a = c.pop();
  std::int32_t b = c.pop();
  c.push(a);
  c.push(b);
}

void overWord(RunState& c) {
  std::int32_t a = c.pop();
  std::int32_t b = c.pop();
  c.push(b);
  c.push(a);
  c.push(b);
}

void cellsWord(RunState& c) { c.push(wrap(bits(c.pop()) * 2u)); }

void printWord(RunState& c) { std::fprintf(c.console, "%" PRId32, c.pop()); }

void crWord(RunState& c) {
  std::fputc('\n', c.console);
  std::fflush(c.console);
}

void noEffectWord(RunState&) {}  // chars: a character takes one address unit

}  // namespace

void registerArithmeticWords(RunState& c) {
  enterWords(c, c.interpretWords,
             {{"+", addWord}, {"-", subtractWord}, {"*", multiplyWord}, {"and", andWord}, {"or", orWord},
              {"=", equalWord}, {"0=", zeroEqualWord}, {"cells", cellsWord}, {"chars", noEffectWord},
              {".", printWord}, {"cr", crWord}});
  enterWords(c, c.yieldingInterpretWords,
             {{"/", divideWord}, {"mod", modWord}, {"negate", negateWord}, {"invert", invertWord},
              {"xor", xorWord}, {"lshift", lshiftWord}, {"rshift", rshiftWord}, {"1+", onePlusWord},
              {"1-", oneMinusWord}, {"2*", twoStarWord}, {"2/", twoSlashWord}, {"min", minWord},
              {"max", maxWord}, {"abs", absWord}, {"dup", dupWord}, {"drop", dropWord},
              {"swap", swapWord}, {"over", overWord}, {"<", lessWord}, {">", greaterWord}});
}

}  // namespace kestrel

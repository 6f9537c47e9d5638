#include "words/arithmetic.h"

#include <cinttypes>
#include <cstdio>

#include "driver/compiler.h"
#include "reader/diagnostics.h"

namespace kestrel {

namespace {

// Arithmetic wraps modulo 2^32, as on a 32-bit host cell.
std::int32_t wrap(std::uint32_t value) { return static_cast<std::int32_t>(value); }
std::uint32_t bits(std::int32_t value) { return static_cast<std::uint32_t>(value); }

template <typename Op>
void binary(Compiler& c, Op op) {
  std::int32_t a = c.pop();
  std::int32_t b = c.pop();
  c.push(op(b, a));
}

template <typename Op>
void unary(Compiler& c, Op op) {
  c.push(op(c.pop()));
}

// Division truncates toward zero, as "/" and "mod" do on the target; the
// one quotient that does not fit wraps.
std::int32_t dividend(Compiler& c, std::int32_t& divisor) {
  divisor = c.pop();
  std::int32_t b = c.pop();
  if (divisor == 0) c.fail("Division by zero.", kExitLimit);
  return b;
}

std::int32_t shifted(std::int32_t value, std::int32_t count, bool left) {
  if (bits(count) >= 32) return 0;
  return wrap(left ? bits(value) << count : bits(value) >> count);
}

}  // namespace

void addWord(Compiler& c) {
  binary(c, [](std::int32_t b, std::int32_t a) { return wrap(bits(b) + bits(a)); });
}

void subtractWord(Compiler& c) {
  binary(c, [](std::int32_t b, std::int32_t a) { return wrap(bits(b) - bits(a)); });
}

void multiplyWord(Compiler& c) {
  binary(c, [](std::int32_t b, std::int32_t a) { return wrap(bits(b) * bits(a)); });
}

void andWord(Compiler& c) {
  binary(c, [](std::int32_t b, std::int32_t a) { return b & a; });
}

void orWord(Compiler& c) {
  binary(c, [](std::int32_t b, std::int32_t a) { return b | a; });
}

void equalWord(Compiler& c) {
  binary(c, [](std::int32_t b, std::int32_t a) { return b == a ? 1 : 0; });
}

void zeroEqualWord(Compiler& c) { c.push(c.pop() == 0 ? 1 : 0); }

void divideWord(Compiler& c) {
  std::int32_t a = 0;
  std::int32_t b = dividend(c, a);
  c.push(a == -1 ? wrap(0u - bits(b)) : b / a);
}

void modWord(Compiler& c) {
  std::int32_t a = 0;
  std::int32_t b = dividend(c, a);
  c.push(a == -1 ? 0 : b % a);
}

void negateWord(Compiler& c) {
  unary(c, [](std::int32_t a) { return wrap(0u - bits(a)); });
}

void invertWord(Compiler& c) {
  unary(c, [](std::int32_t a) { return ~a; });
}

void xorWord(Compiler& c) {
  binary(c, [](std::int32_t b, std::int32_t a) { return b ^ a; });
}

void lshiftWord(Compiler& c) {
  binary(c, [](std::int32_t b, std::int32_t a) { return shifted(b, a, true); });
}

void rshiftWord(Compiler& c) {
  binary(c, [](std::int32_t b, std::int32_t a) { return shifted(b, a, false); });
}

void onePlusWord(Compiler& c) {
  unary(c, [](std::int32_t a) { return wrap(bits(a) + 1u); });
}

void oneMinusWord(Compiler& c) {
  unary(c, [](std::int32_t a) { return wrap(bits(a) - 1u); });
}

void twoStarWord(Compiler& c) {
  unary(c, [](std::int32_t a) { return wrap(bits(a) << 1); });
}

void twoSlashWord(Compiler& c) {
  unary(c, [](std::int32_t a) { return a >> 1; });  // arithmetic shift
}

void minWord(Compiler& c) {
  binary(c, [](std::int32_t b, std::int32_t a) { return b < a ? b : a; });
}

void maxWord(Compiler& c) {
  binary(c, [](std::int32_t b, std::int32_t a) { return b > a ? b : a; });
}

void absWord(Compiler& c) {
  unary(c, [](std::int32_t a) { return a < 0 ? wrap(0u - bits(a)) : a; });
}

void lessWord(Compiler& c) {
  binary(c, [](std::int32_t b, std::int32_t a) { return b < a ? 1 : 0; });
}

void greaterWord(Compiler& c) {
  binary(c, [](std::int32_t b, std::int32_t a) { return b > a ? 1 : 0; });
}

void dupWord(Compiler& c) {
  std::int32_t a = c.pop();
  c.push(a);
  c.push(a);
}

void dropWord(Compiler& c) { c.pop(); }

void swapWord(Compiler& c) {
  std::int32_t a = c.pop();
  std::int32_t b = c.pop();
  c.push(a);
  c.push(b);
}

void overWord(Compiler& c) {
  std::int32_t a = c.pop();
  std::int32_t b = c.pop();
  c.push(b);
  c.push(a);
  c.push(b);
}

void cellsWord(Compiler& c) { c.push(wrap(bits(c.pop()) * 2u)); }

void printWord(Compiler& c) { std::fprintf(c.console, "%" PRId32, c.pop()); }

void crWord(Compiler& c) {
  std::fputc('\n', c.console);
  std::fflush(c.console);
}

}  // namespace kestrel

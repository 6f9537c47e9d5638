#include "words/arithmetic.h"

#include <cinttypes>
#include <cstdio>

#include "driver/compiler.h"

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

void cellsWord(Compiler& c) { c.push(wrap(bits(c.pop()) * 2u)); }

void printWord(Compiler& c) { std::fprintf(c.console, "%" PRId32, c.pop()); }

void crWord(Compiler& c) {
  std::fputc('\n', c.console);
  std::fflush(c.console);
}

}  // namespace kestrel

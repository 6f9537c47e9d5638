// Arithmetic instructions against hand-computed results and ALUSTA flags.
// Flags are written C=1, DC=2, Z=4, OV=8.
#include <gtest/gtest.h>

#include "sim.h"

namespace pic17sim::test {
namespace {

constexpr std::uint8_t C = kFlagC, DC = kFlagDC, Z = kFlagZ, OV = kFlagOV;

struct Case {
  const char* line;  // operating on f = 0x25
  std::uint8_t flagsIn, w, f;
  std::uint8_t wOut, fOut, flagsOut;
};

void check(const Case& c) {
  SCOPED_TRACE(c.line);
  Sim sim({c.line});
  sim.cpu.setW(c.w);
  sim.cpu.poke(0x25, c.f);
  sim.cpu.setFlags(0x0F, c.flagsIn);
  sim.steps(1);
  EXPECT_EQ(sim.cpu.w(), c.wOut);
  EXPECT_EQ(sim.cpu.peek(0x25), c.fOut);
  EXPECT_EQ(sim.flags(), c.flagsOut);
  EXPECT_EQ(sim.cpu.cycles(), 1u);
}

TEST(Arithmetic, Addition) {
  const Case cases[] = {
      {"addwf 0x25, 1", 0, 0x12, 0x34, 0x12, 0x46, 0},
      {"addwf 0x25, 1", C | DC | Z | OV, 0x12, 0x34, 0x12, 0x46, 0},
      {"addwf 0x25, 1", 0, 0x01, 0xFF, 0x01, 0x00, C | DC | Z},
      {"addwf 0x25, 1", 0, 0x7F, 0x01, 0x7F, 0x80, DC | OV},
      {"addwf 0x25, 1", 0, 0x80, 0x80, 0x80, 0x00, C | Z | OV},
      {"addwf 0x25, 1", 0, 0x08, 0x08, 0x08, 0x10, DC},
      {"addwf 0x25, 0", 0, 0x01, 0x02, 0x03, 0x02, 0},
      {"addwfc 0x25, 1", C, 0x7F, 0x00, 0x7F, 0x80, DC | OV},
      {"addwfc 0x25, 1", C, 0xFF, 0x00, 0xFF, 0x00, C | DC | Z},
      {"addwfc 0x25, 1", 0, 0xFF, 0x00, 0xFF, 0xFF, 0},
      {"addlw 0xff", 0, 0x01, 0x99, 0x00, 0x99, C | DC | Z},
      {"addlw 0x40", 0, 0x40, 0x99, 0x80, 0x99, OV},
  };
  for (const Case& c : cases) check(c);
}

TEST(Arithmetic, SubtractionSetsCarryWhenNoBorrow) {
  const Case cases[] = {
      {"subwf 0x25, 1", 0, 0x03, 0x05, 0x03, 0x02, C | DC},
      {"subwf 0x25, 1", C | DC, 0x05, 0x03, 0x05, 0xFE, 0},
      {"subwf 0x25, 1", 0, 0x05, 0x05, 0x05, 0x00, C | DC | Z},
      {"subwf 0x25, 1", 0, 0x01, 0x80, 0x01, 0x7F, C | OV},
      {"subwf 0x25, 0", 0, 0x01, 0x10, 0x0F, 0x10, C},
      {"subwfb 0x25, 1", 0, 0x03, 0x05, 0x03, 0x01, C | DC},
      {"subwfb 0x25, 1", 0, 0x00, 0x00, 0x00, 0xFF, 0},
      {"subwfb 0x25, 1", C, 0x00, 0x00, 0x00, 0x00, C | DC | Z},
      {"sublw 0x10", 0, 0x01, 0x99, 0x0F, 0x99, C},
      {"sublw 0x00", C, 0x01, 0x99, 0xFF, 0x99, 0},
      {"sublw 0x80", 0, 0x01, 0x99, 0x7F, 0x99, C | OV},
  };
  for (const Case& c : cases) check(c);
}

TEST(Arithmetic, IncrementAndDecrementSetAllFlagsIgnoringCarryIn) {
  const Case cases[] = {
      {"incf 0x25, 1", C, 0x00, 0x00, 0x00, 0x01, 0},
      {"incf 0x25, 1", 0, 0x00, 0xFF, 0x00, 0x00, C | DC | Z},
      {"incf 0x25, 1", 0, 0x00, 0x7F, 0x00, 0x80, DC | OV},
      {"incf 0x25, 0", 0, 0x00, 0x0F, 0x10, 0x0F, DC},
      {"decf 0x25, 1", C, 0x00, 0x00, 0x00, 0xFF, 0},
      {"decf 0x25, 1", 0, 0x00, 0x01, 0x00, 0x00, C | DC | Z},
      {"decf 0x25, 1", 0, 0x00, 0x80, 0x00, 0x7F, C | OV},
      {"decf 0x25, 0", 0, 0x00, 0x10, 0x0F, 0x10, C},
  };
  for (const Case& c : cases) check(c);
}

TEST(Arithmetic, NegwWritesFAndWithSZeroAlsoW) {
  const Case cases[] = {
      {"negw 0x25, 1", 0, 0x01, 0x99, 0x01, 0xFF, 0},
      {"negw 0x25, 0", 0, 0x01, 0x99, 0xFF, 0xFF, 0},
      {"negw 0x25, 1", 0, 0x00, 0x99, 0x00, 0x00, C | DC | Z},
      {"negw 0x25, 0", 0, 0x80, 0x99, 0x80, 0x80, DC | OV},
  };
  for (const Case& c : cases) check(c);
}

TEST(Arithmetic, DawAdjustsPackedBcdSums) {
  const Case cases[] = {
      {"daw 0x25, 0", 0, 0x9A, 0x00, 0x00, 0x00, C},            // 45 + 55
      {"daw 0x25, 0", 0, 0x0F, 0x00, 0x15, 0x15, 0},            // 09 + 06
      {"daw 0x25, 0", DC, 0x10, 0x00, 0x16, 0x16, DC},          // 09 + 07
      {"daw 0x25, 0", C | DC, 0x32, 0x00, 0x98, 0x98, C | DC},  // 99 + 99
      {"daw 0x25, 0", 0, 0xA0, 0x00, 0x00, 0x00, C},            // 50 + 50
      {"daw 0x25, 1", Z, 0x42, 0x00, 0x42, 0x42, Z},            // nothing to adjust
  };
  for (const Case& c : cases) check(c);
}

TEST(Arithmetic, FlagsOverwriteAResultStoredInAlusta) {
  Sim sim({"addwf 0x04, 1"});
  sim.cpu.poke(kAlusta, 0xF0);
  sim.cpu.setW(0x10);  // 0xF0 + 0x10 = 0x00 with C, Z; FS bits become 0
  sim.steps(1);
  EXPECT_EQ(sim.cpu.alusta(), C | Z);
}

TEST(Arithmetic, MultiplyIsUnsignedIntoProd) {
  Sim sim({"mulwf 0x25", "mullw 0x02"});
  sim.cpu.setW(0xFF);
  sim.cpu.poke(0x25, 0xFE);
  sim.cpu.setFlags(0x0F, Z);
  sim.steps(1);
  EXPECT_EQ(sim.cpu.peek(kProdh), 0xFD);
  EXPECT_EQ(sim.cpu.peek(kProdl), 0x02);
  sim.steps(1);
  EXPECT_EQ(sim.cpu.peek(kProdh), 0x01);
  EXPECT_EQ(sim.cpu.peek(kProdl), 0xFE);
  EXPECT_EQ(sim.flags(), Z);
  EXPECT_EQ(sim.cpu.w(), 0xFF);
}

}  // namespace
}  // namespace pic17sim::test

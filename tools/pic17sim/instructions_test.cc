// The instruction bodies against hand-computed results, ALUSTA flags and
// cycle counts.
#include <gtest/gtest.h>

#include "pic17sim/test_sim.h"

namespace pic17sim::test {
namespace {

// Flags are written C=1, DC=2, Z=4, OV=8.
constexpr std::uint8_t C = kFlagC, DC = kFlagDC, Z = kFlagZ, OV = kFlagOV;

// ---- Arithmetic.

TEST(Arithmetic, Addition) {
  const AluCase cases[] = {
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
  for (const AluCase& c : cases) checkAlu(c);
}

TEST(Arithmetic, SubtractionSetsCarryWhenNoBorrow) {
  const AluCase cases[] = {
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
  for (const AluCase& c : cases) checkAlu(c);
}

TEST(Arithmetic, IncrementAndDecrementSetAllFlagsIgnoringCarryIn) {
  const AluCase cases[] = {
      {"incf 0x25, 1", C, 0x00, 0x00, 0x00, 0x01, 0},
      {"incf 0x25, 1", 0, 0x00, 0xFF, 0x00, 0x00, C | DC | Z},
      {"incf 0x25, 1", 0, 0x00, 0x7F, 0x00, 0x80, DC | OV},
      {"incf 0x25, 0", 0, 0x00, 0x0F, 0x10, 0x0F, DC},
      {"decf 0x25, 1", C, 0x00, 0x00, 0x00, 0xFF, 0},
      {"decf 0x25, 1", 0, 0x00, 0x01, 0x00, 0x00, C | DC | Z},
      {"decf 0x25, 1", 0, 0x00, 0x80, 0x00, 0x7F, C | OV},
      {"decf 0x25, 0", 0, 0x00, 0x10, 0x0F, 0x10, C},
  };
  for (const AluCase& c : cases) checkAlu(c);
}

TEST(Arithmetic, NegwWritesFAndWithSZeroAlsoW) {
  const AluCase cases[] = {
      {"negw 0x25, 1", 0, 0x01, 0x99, 0x01, 0xFF, 0},
      {"negw 0x25, 0", 0, 0x01, 0x99, 0xFF, 0xFF, 0},
      {"negw 0x25, 1", 0, 0x00, 0x99, 0x00, 0x00, C | DC | Z},
      {"negw 0x25, 0", 0, 0x80, 0x99, 0x80, 0x80, DC | OV},
  };
  for (const AluCase& c : cases) checkAlu(c);
}

TEST(Arithmetic, DawAdjustsPackedBcdSums) {
  const AluCase cases[] = {
      {"daw 0x25, 0", 0, 0x9A, 0x00, 0x00, 0x00, C},            // 45 + 55
      {"daw 0x25, 0", 0, 0x0F, 0x00, 0x15, 0x15, 0},            // 09 + 06
      {"daw 0x25, 0", DC, 0x10, 0x00, 0x16, 0x16, DC},          // 09 + 07
      {"daw 0x25, 0", C | DC, 0x32, 0x00, 0x98, 0x98, C | DC},  // 99 + 99
      {"daw 0x25, 0", 0, 0xA0, 0x00, 0x00, 0x00, C},            // 50 + 50
      {"daw 0x25, 1", Z, 0x42, 0x00, 0x42, 0x42, Z},            // nothing to adjust
  };
  for (const AluCase& c : cases) checkAlu(c);
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

// ---- Logic, rotate, move and bit instructions.

TEST(Logic, OnlyZChanges) {
  const AluCase cases[] = {
      {"andwf 0x25, 1", C | DC | OV, 0xF0, 0x0F, 0xF0, 0x00, C | DC | OV | Z},
      {"andwf 0x25, 0", Z, 0xF0, 0x3C, 0x30, 0x3C, 0},
      {"iorwf 0x25, 1", 0, 0xF0, 0x0F, 0xF0, 0xFF, 0},
      {"iorwf 0x25, 0", 0, 0x00, 0x00, 0x00, 0x00, Z},
      {"xorwf 0x25, 1", 0, 0x5A, 0x5A, 0x5A, 0x00, Z},
      {"xorwf 0x25, 0", C, 0xFF, 0x0F, 0xF0, 0x0F, C},
      {"comf 0x25, 1", 0, 0x00, 0xFF, 0x00, 0x00, Z},
      {"comf 0x25, 0", Z, 0x00, 0x5A, 0xA5, 0x5A, 0},
      {"andlw 0x0f", 0, 0xF0, 0x99, 0x00, 0x99, Z},
      {"iorlw 0x01", Z, 0x80, 0x99, 0x81, 0x99, 0},
      {"xorlw 0xff", 0, 0xFF, 0x99, 0x00, 0x99, Z},
  };
  for (const AluCase& c : cases) checkAlu(c);
}

TEST(Logic, RotatesThroughCarryAndWithout) {
  const AluCase cases[] = {
      {"rlcf 0x25, 1", C, 0x00, 0x80, 0x00, 0x01, C},
      {"rlcf 0x25, 1", 0, 0x00, 0x81, 0x00, 0x02, C},
      {"rlcf 0x25, 0", C | Z, 0x00, 0x40, 0x81, 0x40, Z},
      {"rrcf 0x25, 1", C, 0x00, 0x01, 0x00, 0x80, C},
      {"rrcf 0x25, 1", 0, 0x00, 0x81, 0x00, 0x40, C},
      {"rrcf 0x25, 0", C, 0x00, 0x02, 0x81, 0x02, 0},
      {"rlncf 0x25, 1", 0, 0x00, 0x81, 0x00, 0x03, 0},
      {"rlncf 0x25, 0", C, 0x00, 0x40, 0x80, 0x40, C},
      {"rrncf 0x25, 1", 0, 0x00, 0x81, 0x00, 0xC0, 0},
      {"rrncf 0x25, 0", C, 0x00, 0x02, 0x01, 0x02, C},
      {"swapf 0x25, 1", Z, 0x00, 0x12, 0x00, 0x21, Z},
      {"swapf 0x25, 0", 0, 0x00, 0xA5, 0x5A, 0xA5, 0},
  };
  for (const AluCase& c : cases) checkAlu(c);
}

TEST(Logic, ClearSetAndMoveNeverTouchFlags) {
  const AluCase cases[] = {
      {"clrf 0x25, 1", C | DC | OV, 0x77, 0x55, 0x77, 0x00, C | DC | OV},
      {"clrf 0x25, 0", 0, 0x77, 0x55, 0x00, 0x00, 0},
      {"setf 0x25, 1", Z, 0x77, 0x55, 0x77, 0xFF, Z},
      {"setf 0x25, 0", 0, 0x77, 0x55, 0xFF, 0xFF, 0},
      {"movwf 0x25", Z, 0x00, 0x55, 0x00, 0x00, Z},
      {"movlw 0x00", 0, 0x77, 0x55, 0x00, 0x55, 0},
      {"nop", C | DC | Z | OV, 0x77, 0x55, 0x77, 0x55, C | DC | Z | OV},
  };
  for (const AluCase& c : cases) checkAlu(c);
}

TEST(Logic, BitOperations) {
  const AluCase cases[] = {
      {"bsf 0x25, 7", 0, 0x00, 0x00, 0x00, 0x80, 0},
      {"bsf 0x25, 0", 0, 0x00, 0x01, 0x00, 0x01, 0},
      {"bcf 0x25, 3", Z, 0x00, 0xFF, 0x00, 0xF7, Z},
      {"btg 0x25, 1", 0, 0x00, 0x02, 0x00, 0x00, 0},
      {"btg 0x25, 6", 0, 0x00, 0x00, 0x00, 0x40, 0},
  };
  for (const AluCase& c : cases) checkAlu(c);
}

TEST(Logic, WregIsRegisterTen) {
  Sim sim({"incf 0x0a, 1", "swapf 0x0a, 1", "addwf 0x0a, 1", "clrf 0x0a, 1"});
  sim.cpu.setW(0x11);
  sim.steps(3);
  EXPECT_EQ(sim.cpu.w(), 0x42);  // 0x12 -> 0x21 -> 0x21 + 0x21
  sim.steps(1);
  EXPECT_EQ(sim.cpu.w(), 0x00);
}

TEST(Logic, MovpfZIsSwitchableAndMovfpNeverSetsFlags) {
  for (bool setsZ : {true, false}) {
    Sim sim({"movpf 0x1a, 0x25", "movfp 0x25, 0x1b"});
    sim.cpu.movpfSetsZ = setsZ;
    sim.cpu.poke(0x25, 0x33);
    sim.steps(1);
    EXPECT_EQ(sim.cpu.peek(0x25), 0x00);
    EXPECT_EQ(sim.flags(), setsZ ? Z : 0);
    sim.cpu.setFlags(0x0F, 0);
    sim.cpu.poke(0x25, 0x00);
    sim.cpu.poke(0x1B, 0x77);
    sim.steps(1);
    EXPECT_EQ(sim.cpu.peek(0x1B), 0x00);
    EXPECT_EQ(sim.flags(), 0);
  }
}

TEST(Logic, MovlbAndMovlrSetHalvesOfBsr) {
  Sim sim({"movlb 0x05", "movlr 0x03", "movlb 0x0f", "dw 0xbb3f", "dw 0xb8f2"});
  sim.steps(1);
  EXPECT_EQ(sim.cpu.peek(kBsr), 0x05);
  sim.steps(1);
  EXPECT_EQ(sim.cpu.peek(kBsr), 0x35);
  sim.steps(1);
  EXPECT_EQ(sim.cpu.peek(kBsr), 0x3F);
  sim.steps(2);  // the unused fields are ignored: movlr 3 with bit 8 set, movlb 2
  EXPECT_EQ(sim.cpu.peek(kBsr), 0x32);
}

// ---- Conditional skips: the skipped instruction costs one extra cycle, no
// flags change, and the counting forms still write their result.

constexpr std::uint8_t All = 0x0F;
constexpr bool Skip = true;

TEST(Skip, SkipsCostOneCycleAndKeepFlags) {
  const AluCase cases[] = {
      {"decfsz 0x25, 1", 0, 0, 0x01, 0, 0x00, 0, Skip},
      {"decfsz 0x25, 1", All, 0, 0x00, 0, 0xFF, All},
      {"decfsz 0x25, 0", 0, 0, 0x02, 0x01, 0x02, 0},
      {"incfsz 0x25, 1", All, 0, 0xFF, 0, 0x00, All, Skip},
      {"incfsz 0x25, 0", 0, 0, 0xFF, 0, 0xFF, 0, Skip},
      {"incfsz 0x25, 1", 0, 0, 0x7F, 0, 0x80, 0},
      {"infsnz 0x25, 1", All, 0, 0xFF, 0, 0x00, All},
      {"infsnz 0x25, 1", 0, 0, 0x00, 0, 0x01, 0, Skip},
      {"dcfsnz 0x25, 1", 0, 0, 0x01, 0, 0x00, 0},
      {"dcfsnz 0x25, 0", All, 0, 0x00, 0xFF, 0x00, All, Skip},
      {"cpfslt 0x25", 0, 0x80, 0x7F, 0x80, 0x7F, 0, Skip},  // unsigned compare
      {"cpfslt 0x25", All, 0x80, 0x80, 0x80, 0x80, All},
      {"cpfsgt 0x25", All, 0x7F, 0x80, 0x7F, 0x80, All, Skip},
      {"cpfsgt 0x25", 0, 0x80, 0x80, 0x80, 0x80, 0},
      {"cpfseq 0x25", 0, 0x42, 0x42, 0x42, 0x42, 0, Skip},
      {"cpfseq 0x25", All, 0x42, 0x43, 0x42, 0x43, All},
      {"tstfsz 0x25", All, 0x42, 0x00, 0x42, 0x00, All, Skip},
      {"tstfsz 0x25", 0, 0x00, 0x01, 0x00, 0x01, 0},
      {"btfss 0x25, 7", 0, 0, 0x80, 0, 0x80, 0, Skip},
      {"btfss 0x25, 7", All, 0, 0x7F, 0, 0x7F, All},
      {"btfsc 0x25, 0", All, 0, 0xFE, 0, 0xFE, All, Skip},
      {"btfsc 0x25, 0", 0, 0, 0x01, 0, 0x01, 0},
  };
  for (const AluCase& c : cases) checkAlu(c);
}

TEST(Skip, CountingLoopRunsToZero) {
  // 3 passes of incf/decfsz, then the skip lands on the sleep.
  Sim sim({"movlw 0x03", "movwf 0x30", "incf 0x31, 1", "decfsz 0x30, 1", "goto 0x0002", "sleep"});
  while (!sim.cpu.sleeping()) ASSERT_EQ(sim.cpu.step(), Event::None);
  EXPECT_EQ(sim.cpu.peek(0x31), 3);
  // 2 + 3 * (incf 1 + decfsz 1) + 2 gotos * 2 + 1 skip + sleep 1
  EXPECT_EQ(sim.cpu.cycles(), 2u + 6u + 4u + 1u + 1u);
}

// ---- Jumps, calls and returns.

TEST(Control, GotoStaysInThePageOfTheNextInstruction) {
  Sim sim;
  sim.place(0x3FFF, {"goto 0x0123"});  // the next instruction is at 0x4000
  sim.cpu.setPc(0x3FFF);
  sim.steps(1);
  EXPECT_EQ(sim.cpu.pc(), 0x4123);
  EXPECT_EQ(sim.cpu.peek(kPclath), 0x41);
  EXPECT_EQ(sim.cpu.cycles(), 2u);
  EXPECT_EQ(sim.cpu.stackDepth(), 0);
}

TEST(Control, CallAndReturn) {
  Sim sim({"call 0x1005", "nop"});
  sim.place(0x1005, {"retlw 0x42"});
  sim.steps(1);
  EXPECT_EQ(sim.cpu.pc(), 0x1005);
  EXPECT_EQ(sim.cpu.peek(kPclath), 0x10);
  EXPECT_EQ(sim.cpu.stackDepth(), 1);
  EXPECT_EQ(sim.cpu.stackEntry(0), 0x0001);
  sim.steps(1);
  EXPECT_EQ(sim.cpu.pc(), 0x0001);
  EXPECT_EQ(sim.cpu.w(), 0x42);
  EXPECT_EQ(sim.cpu.peek(kPclath), 0x10);  // RETLW leaves PCLATH alone
  EXPECT_EQ(sim.cpu.cycles(), 4u);
}

TEST(Control, ReturnLeavesTheHighByteOfItsOwnAddressInPclath) {
  Sim sim({"lcall 0x10"});
  sim.place(0x2310, {"return"});
  sim.cpu.poke(kPclath, 0x23);
  sim.steps(1);
  EXPECT_EQ(sim.cpu.pc(), 0x2310);
  EXPECT_EQ(sim.cpu.peek(kPclath), 0x23);
  EXPECT_EQ(sim.cpu.cycles(), 2u);
  sim.steps(1);
  EXPECT_EQ(sim.cpu.pc(), 0x0001);
  EXPECT_EQ(sim.cpu.peek(kPclath), 0x23);  // high byte of 0x2311
  EXPECT_EQ(sim.cpu.cycles(), 4u);
}

// ---- Table reads and writes through TBLPTR and the 16-bit latch.

TEST(Table, ReadsArePipelinedThroughTheLatch) {
  Sim sim({"movlw 0x01", "movwf 0x0e", "clrf 0x0d, 1", "tablrd 0, 1, 0x25", "tlrd 1, 0x26",
           "tablrd 0, 1, 0x27", "tlrd 1, 0x28", "tlrd 0, 0x29"});
  sim.place(0x0100, {"dw 0x1234", "dw 0x5678"});
  sim.cpu.setTablat(0xAAAA);
  sim.cpu.setFlags(0x0F, kFlagZ);
  sim.steps(8);
  EXPECT_EQ(sim.cpu.peek(0x25), 0xAA);  // the priming read returns the old latch
  EXPECT_EQ(sim.cpu.peek(0x26), 0x12);
  EXPECT_EQ(sim.cpu.peek(0x27), 0x34);
  EXPECT_EQ(sim.cpu.peek(0x28), 0x56);
  EXPECT_EQ(sim.cpu.peek(0x29), 0x78);
  EXPECT_EQ(sim.cpu.tblptr(), 0x0102);
  EXPECT_EQ(sim.flags(), kFlagZ);
  EXPECT_EQ(sim.cpu.cycles(), 3u + 2u + 1u + 2u + 1u + 1u);
}

TEST(Table, PointerIncrementsOnlyWithIAndWraps) {
  Sim sim({"tablrd 1, 0, 0x25", "tablrd 1, 1, 0x25"});
  sim.cpu.setProgramWord(0xFFFF, 0xBEEF);
  sim.cpu.setTblptr(0xFFFF);
  sim.steps(1);
  EXPECT_EQ(sim.cpu.tblptr(), 0xFFFF);
  sim.steps(1);
  EXPECT_EQ(sim.cpu.peek(0x25), 0xBE);
  EXPECT_EQ(sim.cpu.tblptr(), 0x0000);
}

TEST(Table, ReadIntoPclJumpsInThreeCycles) {
  Sim sim({"tablrd 0, 0, 0x02"});
  sim.cpu.poke(kPclath, 0x05);
  sim.cpu.setTablat(0x0077);
  sim.steps(1);
  EXPECT_EQ(sim.cpu.pc(), 0x0577);
  EXPECT_EQ(sim.cpu.cycles(), 3u);
}

TEST(Table, WritesStoreTheWholeLatch) {
  Sim sim({"tlwt 1, 0x25", "tablwt 0, 1, 0x26", "tlwt 0, 0x25", "tablwt 1, 0, 0x26"});
  sim.cpu.setTblptr(0x0200);
  sim.cpu.poke(0x25, 0xAB);
  sim.cpu.poke(0x26, 0xCD);
  sim.steps(2);
  EXPECT_EQ(sim.cpu.programWord(0x0200), 0xABCD);
  EXPECT_EQ(sim.cpu.tblptr(), 0x0201);
  sim.steps(2);
  EXPECT_EQ(sim.cpu.programWord(0x0201), 0xCDAB);
  EXPECT_EQ(sim.cpu.tblptr(), 0x0201);
  EXPECT_EQ(sim.cpu.cycles(), 6u);
}

}  // namespace
}  // namespace pic17sim::test

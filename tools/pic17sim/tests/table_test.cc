// Table reads and writes through TBLPTR and the 16-bit latch.
#include <gtest/gtest.h>

#include "sim.h"

namespace pic17sim::test {
namespace {

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

// Jumps, calls, returns, PCL/PCLATH and the hardware stack.
#include <gtest/gtest.h>

#include "sim.h"

namespace pic17sim::test {
namespace {

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

TEST(Control, ReadingPclCopiesPchIntoPclath) {
  Sim sim;
  sim.place(0x1234, {"movfp 0x02, 0x0a"});
  sim.cpu.setPc(0x1234);
  sim.steps(1);
  EXPECT_EQ(sim.cpu.w(), 0x35);  // PC has already moved on
  EXPECT_EQ(sim.cpu.peek(kPclath), 0x12);
  EXPECT_EQ(sim.cpu.cycles(), 1u);
}

TEST(Control, WritingPclJumpsThroughPclathInTwoCycles) {
  Sim sim({"movlw 0x20", "movwf 0x03", "movlw 0x40", "movwf 0x02"});
  sim.steps(4);
  EXPECT_EQ(sim.cpu.pc(), 0x2040);
  EXPECT_EQ(sim.cpu.cycles(), 5u);
}

TEST(Control, ComputedJumpDoesNotCopyPchFirst) {
  // addwf PCL,F at 0x1234 with PCLATH = 0x07: jumps to 0x0735 + W.
  Sim sim;
  sim.place(0x1234, {"addwf 0x02, 1"});
  sim.cpu.setPc(0x1234);
  sim.cpu.poke(kPclath, 0x07);
  sim.cpu.setW(0x03);
  sim.steps(1);
  EXPECT_EQ(sim.cpu.pc(), 0x0738);
  EXPECT_EQ(sim.cpu.peek(kPclath), 0x07);
  EXPECT_EQ(sim.cpu.cycles(), 2u);
}

TEST(Control, StackOverflowAndUnderflowStopBeforeTheInstruction) {
  Sim sim({"call 0x0000"});
  sim.steps(16);
  EXPECT_EQ(sim.cpu.stackDepth(), 16);
  EXPECT_EQ(sim.cpu.step(), Event::StackOverflow);
  EXPECT_EQ(sim.cpu.pc(), 0x0000);
  EXPECT_EQ(sim.cpu.stackDepth(), 16);
  EXPECT_EQ(sim.cpu.cycles(), 32u);
  for (const char* ret : {"return", "retlw 0x00", "retfie"}) {
    Sim empty({ret});
    EXPECT_EQ(empty.cpu.step(), Event::StackUnderflow) << ret;
    EXPECT_EQ(empty.cpu.pc(), 0x0000);
    EXPECT_EQ(empty.cpu.cycles(), 0u);
  }
}

TEST(Control, ReservedOpcodesTrap) {
  for (std::uint16_t word : {0x0001, 0x0006, 0x00FF, 0x3500, 0x37FF, 0xB900, 0xBD00, 0xBFFF}) {
    Sim sim;
    sim.cpu.setProgramWord(0, word);
    EXPECT_EQ(sim.cpu.step(), Event::ReservedOpcode) << std::hex << word;
    EXPECT_EQ(sim.cpu.pc(), 0x0000);
  }
}

TEST(Control, ErasedMemoryIsACallToTheEndOfThePage) {
  Sim sim;
  sim.steps(1);
  EXPECT_EQ(sim.cpu.pc(), 0x1FFF);
  EXPECT_EQ(sim.cpu.stackDepth(), 1);
}

}  // namespace
}  // namespace pic17sim::test

// The core around the instructions: the register window, the program
// counter and the hardware stack, and the interrupt logic.
#include <gtest/gtest.h>

#include "pic17sim/test_sim.h"

namespace pic17sim::test {
namespace {

// ---- The register window: banking through BSR, unbanked registers, indirect
// access through FSR0/FSR1 with their post-modify modes.

TEST(Memory, BsrSelectsSfrAndGprBanksIndependently) {
  Sim sim({"movlb 0x05", "movlr 0x02", "movlw 0x11", "movwf 0x14", "movwf 0x40", "movwf 0x1c",
           "movwf 0x0b"});
  sim.steps(7);
  EXPECT_EQ(sim.cpu.peek(0x514), 0x11);  // SFR bank 5
  EXPECT_EQ(sim.cpu.peek(0x014), 0x00);
  EXPECT_EQ(sim.cpu.peek(0x240), 0x11);  // GPR bank 2
  EXPECT_EQ(sim.cpu.peek(0x040), 0x00);
  EXPECT_EQ(sim.cpu.peek(0x01C), 0x11);  // unbanked
  EXPECT_EQ(sim.cpu.peek(0x00B), 0x11);
}

TEST(Memory, MissingBanksReadZeroAndIgnoreWrites) {
  Sim sim({"movlr 0x04", "movlb 0x08", "setf 0x40, 1", "setf 0x11, 1", "movfp 0x40, 0x1a",
           "movfp 0x11, 0x1b"});
  sim.cpu.poke(0x1A, 0x55);
  sim.cpu.poke(0x1B, 0x55);
  sim.steps(6);
  EXPECT_EQ(sim.cpu.peek(0x1A), 0x00);
  EXPECT_EQ(sim.cpu.peek(0x1B), 0x00);
  EXPECT_EQ(sim.cpu.peek(0x040), 0x00);
  EXPECT_EQ(sim.cpu.peek(0x340), 0x00);
}

TEST(Memory, FsrModesFollowAlustaFsBits) {
  // FS1:FS0 = 01 (FSR0 increments), FS3:FS2 = 00 (FSR1 decrements).
  Sim sim({"movwf 0x00", "movwf 0x08", "bsf 0x04, 5", "movwf 0x00"});
  sim.cpu.poke(kAlusta, 0x10);
  sim.cpu.poke(kFsr0, 0x30);
  sim.cpu.poke(kFsr1, 0x50);
  sim.cpu.setW(0x99);
  sim.steps(2);
  EXPECT_EQ(sim.cpu.peek(0x30), 0x99);
  EXPECT_EQ(sim.cpu.peek(0x50), 0x99);
  EXPECT_EQ(sim.cpu.peek(kFsr0), 0x31);
  EXPECT_EQ(sim.cpu.peek(kFsr1), 0x4F);
  sim.steps(2);  // FS1 set: FSR0 unchanged
  EXPECT_EQ(sim.cpu.peek(0x31), 0x99);
  EXPECT_EQ(sim.cpu.peek(kFsr0), 0x31);
}

TEST(Memory, FsrWrapsAndIndirectAddressesAreBanked) {
  Sim sim({"movlr 0x01", "movwf 0x00", "movwf 0x00", "movwf 0x00"});
  sim.cpu.poke(kAlusta, 0xF0 & ~0x30);  // FSR0 post-decrement
  sim.cpu.poke(kFsr0, 0x21);
  sim.cpu.setW(0x42);
  sim.steps(4);
  EXPECT_EQ(sim.cpu.peek(0x121), 0x42);
  EXPECT_EQ(sim.cpu.peek(0x120), 0x42);
  EXPECT_EQ(sim.cpu.peek(0x01F), 0x42);  // below 0x20: unbanked
  EXPECT_EQ(sim.cpu.peek(kFsr0), 0x1E);
  Sim wrap({"movwf 0x08"});
  wrap.cpu.poke(kAlusta, 0x40);  // FSR1 post-increment
  wrap.cpu.poke(kFsr1, 0xFF);
  wrap.steps(1);
  EXPECT_EQ(wrap.cpu.peek(kFsr1), 0x00);
}

TEST(Memory, EachFsrMovesOncePerInstruction) {
  // incf INDF0 reads and writes one byte; movfp INDF0,INDF1 copies one.
  Sim sim({"incf 0x00, 1", "movfp 0x00, 0x08", "movfp 0x00, 0x00"});
  sim.cpu.poke(kAlusta, 0x50);  // both increment
  sim.cpu.poke(kFsr0, 0x30);
  sim.cpu.poke(kFsr1, 0x40);
  sim.cpu.poke(0x30, 0x07);
  sim.cpu.poke(0x31, 0x66);
  sim.steps(1);
  EXPECT_EQ(sim.cpu.peek(0x30), 0x08);
  EXPECT_EQ(sim.cpu.peek(kFsr0), 0x31);
  sim.steps(1);
  EXPECT_EQ(sim.cpu.peek(0x40), 0x66);
  EXPECT_EQ(sim.cpu.peek(kFsr0), 0x32);
  EXPECT_EQ(sim.cpu.peek(kFsr1), 0x41);
  sim.steps(1);
  EXPECT_EQ(sim.cpu.peek(kFsr0), 0x33);
}

TEST(Memory, IndfThroughAnIndfReadsZero) {
  Sim sim({"movfp 0x00, 0x1a", "movwf 0x08"});
  sim.cpu.poke(kFsr0, kIndf1);
  sim.cpu.poke(kFsr1, kIndf0);
  sim.cpu.poke(0x1A, 0x55);
  sim.cpu.setW(0x77);
  sim.steps(2);
  EXPECT_EQ(sim.cpu.peek(0x1A), 0x00);
  EXPECT_EQ(sim.cpu.peek(kFsr1), kIndf0);
  EXPECT_EQ(sim.cpu.peek(kFsr0), kIndf1);
}

TEST(Memory, MovfpAndMovpfReachBankedSfrsThroughP) {
  Sim sim({"movlb 0x01", "movlr 0x03", "movfp 0x40, 0x16", "movpf 0x16, 0x41"});
  sim.cpu.poke(0x340, 0x58);
  sim.steps(4);
  EXPECT_EQ(sim.cpu.peek(0x116), 0x58 | kTxif);  // PIR1: TXIF stays set
  EXPECT_EQ(sim.cpu.peek(0x341), 0x58 | kTxif);
}

TEST(Memory, OnlyGlintdIsWritableInCpusta) {
  Sim sim({"clrf 0x06, 1", "setf 0x06, 1"});
  sim.steps(1);
  EXPECT_EQ(sim.cpu.peek(kCpusta), kStkav | kNotTo | kNotPd);
  sim.steps(1);
  EXPECT_EQ(sim.cpu.peek(kCpusta), kStkav | kGlintd | kNotTo | kNotPd);
}

TEST(Memory, Txreg1InBankZeroIsTheConsole) {
  Sim sim({"movlw 0x48", "movwf 0x16", "movlb 0x01", "movwf 0x16", "movlb 0x00", "movlw 0x69",
           "movwf 0x16", "clrf 0x15, 1"});
  sim.steps(8);
  EXPECT_EQ(sim.console, "Hi");
  EXPECT_EQ(sim.cpu.peek(kTxsta1), kTrmt);
}

TEST(Memory, Rcreg1TakesTheReceivedBytesInOrder) {
  // movpf RCREG1 -> 0x20, 0x21 and 0x22; between them a write to PIR1 (SFR bank
  // 1), which cannot change RC1IF.
  Sim sim({"movpf 0x14, 0x20", "clrf 0x16, 1", "movpf 0x14, 0x21", "movpf 0x14, 0x22"});
  EXPECT_EQ(sim.cpu.peek(kPir1) & kRc1if, 0);
  sim.cpu.receive("ab");
  EXPECT_EQ(sim.cpu.peek(kRcreg1), 'a');
  EXPECT_EQ(sim.cpu.peek(kPir1) & kRc1if, kRc1if);
  sim.steps(1);
  EXPECT_EQ(sim.cpu.peek(0x20), 'a');
  EXPECT_EQ(sim.cpu.peek(kRcreg1), 'b');
  sim.cpu.poke(kBsr, 0x01);
  sim.steps(1);  // clrf PIR1
  sim.cpu.poke(kBsr, 0x00);
  EXPECT_EQ(sim.cpu.peek(kPir1), kTxif | kRc1if);
  sim.steps(1);
  EXPECT_EQ(sim.cpu.peek(0x21), 'b');
  EXPECT_EQ(sim.cpu.peek(kPir1) & kRc1if, 0);  // nothing left
  sim.steps(1);
  EXPECT_EQ(sim.cpu.peek(0x22), 'b');  // RCREG1 keeps the last byte
  EXPECT_EQ(sim.cpu.peek(kPir1) & kRc1if, 0);
}

TEST(Memory, ReceivedByteRaisesThePeripheralInterruptWhenEnabled) {
  Sim sim({"movlb 0x01", "bsf 0x17, 0", "movlb 0x00", "movpf 0x14, 0x20"});
  sim.cpu.receive("z");
  sim.steps(3);  // RC1IE set
  EXPECT_EQ(sim.cpu.peek(kIntsta) & kPeif, kPeif);
  sim.steps(1);
  EXPECT_EQ(sim.cpu.peek(kIntsta) & kPeif, 0);
}

// ---- The program counter through PCL and PCLATH, the hardware stack, and
// the words step() refuses to run.

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

// ---- Interrupt logic: GLINTD, vectors and priority, RETFIE, sleep and wake.

void enableInterrupts(Cpu& cpu) { cpu.poke(kCpusta, cpu.peek(kCpusta) & ~kGlintd); }

TEST(Interrupt, GlintdHoldsOffARequest) {
  Sim sim({"nop", "bcf 0x06, 4", "nop"});
  sim.place(kVectorInt, {"nop"});
  sim.cpu.poke(kIntsta, kInte);
  sim.cpu.raise(Source::IntPin);
  sim.steps(2);
  EXPECT_EQ(sim.cpu.pc(), 2);
  sim.steps(1);  // the response
  EXPECT_EQ(sim.cpu.pc(), kVectorInt);
  EXPECT_EQ(sim.cpu.stackDepth(), 1);
  EXPECT_EQ(sim.cpu.stackEntry(0), 2);
  EXPECT_EQ(sim.cpu.peek(kIntsta), kInte);  // INTF cleared
  EXPECT_FALSE(sim.cpu.interruptsEnabled());
  EXPECT_EQ(sim.cpu.cycles(), 4u);
}

TEST(Interrupt, VectorsInPriorityOrderAndRetfieReenables) {
  Sim sim({"nop"});
  for (std::uint16_t v : {kVectorInt, kVectorTmr0, kVectorT0cki, kVectorPeripheral}) sim.place(v, {"retfie"});
  sim.cpu.poke(kPie1, kTxif);  // TXIF is always set, so PEIF follows
  sim.cpu.write(kIntsta, 0x7F);
  EXPECT_EQ(sim.cpu.peek(kIntsta), 0xFF);
  enableInterrupts(sim.cpu);
  for (std::uint16_t v : {kVectorInt, kVectorTmr0, kVectorT0cki, kVectorPeripheral, kVectorPeripheral}) {
    sim.steps(1);
    EXPECT_EQ(sim.cpu.pc(), v);
    sim.steps(1);
    EXPECT_EQ(sim.cpu.pc(), 0);
    EXPECT_TRUE(sim.cpu.interruptsEnabled());
  }
  EXPECT_EQ(sim.cpu.peek(kIntsta), kPeif | 0x0F);
}

TEST(Interrupt, ResponseWithAFullStackIsAnOverflow) {
  Sim sim({"call 0x0000"});
  sim.steps(16);
  sim.cpu.poke(kIntsta, kT0ie);
  sim.cpu.raise(Source::Timer0);
  enableInterrupts(sim.cpu);
  EXPECT_EQ(sim.cpu.step(), Event::StackOverflow);
  EXPECT_EQ(sim.cpu.pc(), 0);
}

TEST(Interrupt, SleepWaitsForAnEnabledFlag) {
  Sim sim({"sleep", "nop", "clrwdt"});
  sim.place(kVectorInt, {"nop"});
  sim.steps(1);
  EXPECT_TRUE(sim.cpu.sleeping());
  EXPECT_EQ(sim.cpu.peek(kCpusta) & (kNotTo | kNotPd), kNotTo);
  sim.cpu.raise(Source::IntPin);
  EXPECT_EQ(sim.cpu.step(), Event::Asleep);
  sim.cpu.poke(kIntsta, sim.cpu.peek(kIntsta) | kInte);
  sim.steps(1);  // GLINTD set: wake and go on after the sleep
  EXPECT_EQ(sim.cpu.pc(), 2);
  sim.steps(1);
  EXPECT_EQ(sim.cpu.peek(kCpusta) & (kNotTo | kNotPd), kNotTo | kNotPd);
}

TEST(Interrupt, WakingWithInterruptsEnabledVectors) {
  Sim sim({"sleep", "nop"});
  sim.place(kVectorTmr0, {"nop"});
  sim.cpu.poke(kIntsta, kT0ie);
  enableInterrupts(sim.cpu);
  sim.steps(1);
  sim.cpu.raise(Source::Timer0);
  sim.steps(1);
  EXPECT_EQ(sim.cpu.pc(), kVectorTmr0);
  EXPECT_EQ(sim.cpu.stackEntry(0), 1);
  EXPECT_FALSE(sim.cpu.sleeping());
}

}  // namespace
}  // namespace pic17sim::test

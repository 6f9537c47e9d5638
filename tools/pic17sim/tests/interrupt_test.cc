// Interrupt logic: GLINTD, vectors and priority, RETFIE, sleep and wake.
#include <gtest/gtest.h>

#include "sim.h"

namespace pic17sim::test {
namespace {

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

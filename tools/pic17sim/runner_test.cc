// Stop conditions and scheduled interrupts of run().
#include <gtest/gtest.h>

#include <sstream>

#include "pic17sim/runner.h"
#include "pic17sim/test_sim.h"

namespace pic17sim::test {
namespace {

TEST(Runner, StopsAtAnAddressBeforeRunningIt) {
  Sim sim({"nop", "nop", "nop"});
  RunOptions options;
  options.stopAddresses = {2};
  EXPECT_EQ(run(sim.cpu, options), StopReason::StopAddress);
  EXPECT_EQ(sim.cpu.pc(), 2);
  EXPECT_EQ(sim.cpu.cycles(), 2u);
}

TEST(Runner, CycleLimitEndsABusyLoop) {
  Sim sim({"goto 0x0000"});
  RunOptions options;
  options.maxCycles = 11;
  EXPECT_EQ(run(sim.cpu, options), StopReason::CycleLimit);
  EXPECT_EQ(sim.cpu.cycles(), 12u);
}

TEST(Runner, PeriodicInterruptRunsTheHandlerWhileMainLoops) {
  Sim sim({"bcf 0x06, 4", "bsf 0x07, 0", "goto 0x0002"});
  sim.place(kVectorInt, {"incf 0x30, 1", "retfie"});
  RunOptions options;
  options.maxCycles = 1000;
  options.interrupts = {{Source::IntPin, 100, 100}};
  EXPECT_EQ(run(sim.cpu, options), StopReason::CycleLimit);
  EXPECT_EQ(sim.cpu.peek(0x30), 9);  // at 100, 200, ... 900
}

TEST(Runner, SleepSkipsToTheNextEnabledInterrupt) {
  Sim sim({"bsf 0x07, 1", "sleep", "bcf 0x07, 5", "incf 0x30, 1", "sleep"});
  RunOptions options;
  options.interrupts = {{Source::IntPin, 50, 0}, {Source::Timer0, 500, 0}};
  EXPECT_EQ(run(sim.cpu, options), StopReason::Sleep);
  EXPECT_EQ(sim.cpu.peek(0x30), 1);
  EXPECT_EQ(sim.cpu.cycles(), 503u);
  EXPECT_EQ(sim.cpu.pc(), 5);
  EXPECT_EQ(sim.cpu.peek(kIntsta), kT0ie | kIntf);  // INTF was raised, not enabled
}

TEST(Runner, SleepPastTheCycleLimitIsACycleLimit) {
  Sim sim({"bsf 0x07, 1", "sleep"});
  RunOptions options;
  options.maxCycles = 100;
  options.interrupts = {{Source::Timer0, 500, 0}};
  EXPECT_EQ(run(sim.cpu, options), StopReason::CycleLimit);
  EXPECT_EQ(sim.cpu.cycles(), 100u);
}

TEST(Runner, TraceShowsEachInstructionAndInterrupt) {
  Sim sim({"movlw 0x05", "sleep"});
  std::ostringstream trace;
  RunOptions options;
  options.trace = &trace;
  EXPECT_EQ(run(sim.cpu, options), StopReason::Sleep);
  EXPECT_EQ(trace.str(),
            "         0  0000  b005  movlw 0x05             W=00 ALUSTA=f0 BSR=00\n"
            "         1  0001  0003  sleep                  W=05 ALUSTA=f0 BSR=00\n");
  Sim interrupted({"nop"});
  interrupted.cpu.write(kCpusta, 0);
  interrupted.cpu.write(kIntsta, kInte | kIntf);
  trace.str("");
  options.stopAddresses = {kVectorInt};
  EXPECT_EQ(run(interrupted.cpu, options), StopReason::StopAddress);
  EXPECT_EQ(trace.str(), "         0  0000  interrupt -> 0008\n");
}

}  // namespace
}  // namespace pic17sim::test

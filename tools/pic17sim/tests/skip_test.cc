// Conditional skips: the skipped instruction costs one extra cycle, no
// flags change, and the counting forms still write their result.
#include <gtest/gtest.h>

#include "sim.h"

namespace pic17sim::test {
namespace {

struct Case {
  const char* line;  // operating on f = 0x25
  std::uint8_t w, f;
  std::uint8_t wOut, fOut;
  bool skips;
};

TEST(Skip, SkipsCostOneCycleAndKeepFlags) {
  const Case cases[] = {
      {"decfsz 0x25, 1", 0, 0x01, 0, 0x00, true},
      {"decfsz 0x25, 1", 0, 0x00, 0, 0xFF, false},
      {"decfsz 0x25, 0", 0, 0x02, 0x01, 0x02, false},
      {"incfsz 0x25, 1", 0, 0xFF, 0, 0x00, true},
      {"incfsz 0x25, 0", 0, 0xFF, 0, 0xFF, true},
      {"incfsz 0x25, 1", 0, 0x7F, 0, 0x80, false},
      {"infsnz 0x25, 1", 0, 0xFF, 0, 0x00, false},
      {"infsnz 0x25, 1", 0, 0x00, 0, 0x01, true},
      {"dcfsnz 0x25, 1", 0, 0x01, 0, 0x00, false},
      {"dcfsnz 0x25, 0", 0, 0x00, 0xFF, 0x00, true},
      {"cpfslt 0x25", 0x80, 0x7F, 0x80, 0x7F, true},  // unsigned compare
      {"cpfslt 0x25", 0x80, 0x80, 0x80, 0x80, false},
      {"cpfsgt 0x25", 0x7F, 0x80, 0x7F, 0x80, true},
      {"cpfsgt 0x25", 0x80, 0x80, 0x80, 0x80, false},
      {"cpfseq 0x25", 0x42, 0x42, 0x42, 0x42, true},
      {"cpfseq 0x25", 0x42, 0x43, 0x42, 0x43, false},
      {"tstfsz 0x25", 0x42, 0x00, 0x42, 0x00, true},
      {"tstfsz 0x25", 0x00, 0x01, 0x00, 0x01, false},
      {"btfss 0x25, 7", 0, 0x80, 0, 0x80, true},
      {"btfss 0x25, 7", 0, 0x7F, 0, 0x7F, false},
      {"btfsc 0x25, 0", 0, 0xFE, 0, 0xFE, true},
      {"btfsc 0x25, 0", 0, 0x01, 0, 0x01, false},
  };
  for (const Case& c : cases) {
    for (std::uint8_t flagsIn : {0x00, 0x0F}) {
      SCOPED_TRACE(c.line);
      Sim sim({c.line});
      sim.cpu.setW(c.w);
      sim.cpu.poke(0x25, c.f);
      sim.cpu.setFlags(0x0F, flagsIn);
      sim.steps(1);
      EXPECT_EQ(sim.cpu.w(), c.wOut);
      EXPECT_EQ(sim.cpu.peek(0x25), c.fOut);
      EXPECT_EQ(sim.flags(), flagsIn);
      EXPECT_EQ(sim.cpu.pc(), c.skips ? 2 : 1);
      EXPECT_EQ(sim.cpu.cycles(), c.skips ? 2u : 1u);
    }
  }
}

TEST(Skip, CountingLoopRunsToZero) {
  // 3 passes of incf/decfsz, then the skip lands on the sleep.
  Sim sim({"movlw 0x03", "movwf 0x30", "incf 0x31, 1", "decfsz 0x30, 1", "goto 0x0002", "sleep"});
  while (!sim.cpu.sleeping()) ASSERT_EQ(sim.cpu.step(), Event::None);
  EXPECT_EQ(sim.cpu.peek(0x31), 3);
  // 2 + 3 * (incf 1 + decfsz 1) + 2 gotos * 2 + 1 skip + sleep 1
  EXPECT_EQ(sim.cpu.cycles(), 2u + 6u + 4u + 1u + 1u);
}

}  // namespace
}  // namespace pic17sim::test

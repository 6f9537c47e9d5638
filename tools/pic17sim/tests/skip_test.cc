// Conditional skips: the skipped instruction costs one extra cycle, no
// flags change, and the counting forms still write their result.
#include <gtest/gtest.h>

#include "sim.h"

namespace pic17sim::test {
namespace {

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

}  // namespace
}  // namespace pic17sim::test

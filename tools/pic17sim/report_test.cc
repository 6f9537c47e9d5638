// The Forth data-stack dump.
#include <gtest/gtest.h>

#include "pic17sim/report.h"

namespace pic17sim {
namespace {

// A stack of 10, -2 and 0x1234 (top) with DSTACKORG = 0x40: FSR1 = 0x3A,
// the cell under the top at 0x3B/0x3C, the bottom one at 0x3D/0x3E.
Cpu stackOfThree() {
  Cpu cpu;
  cpu.poke(kFsr1, 0x3A);
  cpu.poke(0x1A, 0x12);
  cpu.poke(0x1B, 0x34);
  cpu.poke(0x3B, 0xFF);
  cpu.poke(0x3C, 0xFE);
  cpu.poke(0x3D, 0x00);
  cpu.poke(0x3E, 0x0A);
  cpu.poke(0x3F, 0x77);  // below the bottom cell: never shown
  return cpu;
}

TEST(Report, DataStackTopFirst) {
  const DataStackLayout layout{0x40, 0x1A, 0x1B};
  Cpu cpu = stackOfThree();
  EXPECT_EQ(dataStackLine(cpu, layout, false), "dstack depth=3: 4660 -2 10");
  EXPECT_EQ(dataStackLine(cpu, layout, true), "dstack depth=3: 0x1234 0xfffe 0x000a");
  cpu.poke(kFsr1, 0x3E);
  EXPECT_EQ(dataStackLine(cpu, layout, false), "dstack depth=1: 4660");
  cpu.poke(kFsr1, 0x40);
  EXPECT_EQ(dataStackLine(cpu, layout, false), "dstack depth=0:");
}

TEST(Report, DataStackInTheBankItsOriginNames) {
  Cpu cpu = stackOfThree();
  cpu.poke(0x23B, 0x80);
  cpu.poke(0x23C, 0x00);
  EXPECT_EQ(dataStackLine(cpu, {0x240, 0x1A, 0x1B}, false), "dstack depth=3: 4660 -32768 0");
}

TEST(Report, DataStackPointerOutsideTheStack) {
  Cpu cpu;
  cpu.poke(kFsr1, 0x42);
  EXPECT_EQ(dataStackLine(cpu, {0x40, 0x1A, 0x1B}, false),
            "dstack error: FSR1=0x42 does not fit DSTACKORG=0x40");
  cpu.poke(kFsr1, 0x3F);
  EXPECT_EQ(dataStackLine(cpu, {0x40, 0x1A, 0x1B}, false),
            "dstack error: FSR1=0x3f does not fit DSTACKORG=0x40");
}

}  // namespace
}  // namespace pic17sim

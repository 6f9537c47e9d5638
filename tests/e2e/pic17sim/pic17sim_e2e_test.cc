// The pic17sim program run on small programs assembled by gpasm: console
// text, exit status and report compared exactly. Cycle counts in the
// comments are the hand count the report must match.
#include <gtest/gtest.h>

#include "pic17sim/test_tools.h"

namespace pic17sim::test {
namespace {

struct Outcome {
  int status;
  std::string out, err;
};

// Runs pic17sim with `arguments`, its output going to files in `dir`.
Outcome runSim(const TempDir& dir, const std::string& arguments) {
  std::string out = dir.file("out.txt");
  std::string err = dir.file("err.txt");
  int status = runCommand(shellQuoted(PIC17SIM_EXE) + " " + arguments + " > " + shellQuoted(out) + " 2> " +
                          shellQuoted(err));
  return {status, readText(out), readText(err)};
}

class EndToEnd : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!haveGpasm()) GTEST_SKIP() << "gpasm is not installed";
  }

  // Assembles `body` as prog.asm and runs pic17sim on prog.hex.
  Outcome assembleAndRun(const std::string& body, const std::string& options) {
    if (assembleWithGpasm(dir_, "prog", body).empty()) return {-1, "", ""};
    return runSim(dir_, options + " " + shellQuoted(dir_.file("prog.hex")));
  }

  TempDir dir_;
};

TEST_F(EndToEnd, PrintsAStringFromProgramMemory) {
  Outcome r = assembleAndRun(
      "\torg 0\n"
      "\tgoto start\n"                 // 2
      "\torg 0x40\n"
      "start\tmovlw high msg\n"        // 1
      "\tmovwf TBLPTRH\n"              // 1
      "\tmovlw low msg\n"              // 1
      "\tmovwf TBLPTRL\n"              // 1
      "\ttablrd 0, 1, WREG\n"          // 2: prime the latch
      "next\ttlrd 0, WREG\n"           // per character: 1
      "\tiorlw 0\n"                    // 1
      "\tbtfsc ALUSTA, Z\n"            // 2 (skips)
      "\tgoto done\n"
      "\tmovwf TXREG1\n"               // 1
      "\ttablrd 0, 1, WREG\n"          // 2
      "\tgoto next\n"                  // 2
      "done\tsleep\n"                  // the end: 1 + 1 + 1 + 2 + 1
      "msg\tde \"Hello, world!\\n\", 0\n",
      "");
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.out, "Hello, world!\n");
  EXPECT_EQ(r.err, "stop=sleep pc=0x004d cycles=140 hwstack=0\n");  // 8 + 14 * 9 + 6
}

TEST_F(EndToEnd, InterruptHandlerRunsBetweenSleeps) {
  Outcome r = assembleAndRun(
      "count\tequ 0x20\n"
      "\torg 0\n"
      "\tgoto main\n"                  // 2
      "\torg 8\n"
      "\tgoto tick\n"                  // response 2 + goto 2
      "\torg 0x40\n"
      "main\tclrf count, F\n"          // 1
      "\tbsf INTSTA, INTE\n"           // 1
      "\tbcf CPUSTA, GLINTD\n"         // 1
      "wait\tsleep\n"                  // 1, then until cycle 1000, 2000, 3000
      "\tmovlw 3\n"                    // 1
      "\tcpfseq count\n"               // 1, 2 the third time
      "\tgoto wait\n"                  // 2
      "\tbcf INTSTA, INTE\n"           // 1
      "\tmovlw 'd'\n\tcall putc\n\tmovlw 'o'\n\tcall putc\n\tmovlw 'n'\n\tcall putc\n"
      "\tmovlw 'e'\n\tcall putc\n\tmovlw '\\n'\n\tcall putc\n"  // 5 * 6
      "halt\tsleep\n"                  // 1
      "tick\tincf count, F\n"          // 1
      "\tmovlw 't'\n"                  // 1
      "\tcall putc\n"                  // 2 + 3
      "\tretfie\n"                     // 2
      "putc\tmovwf TXREG1\n"
      "\treturn\n",
      "--int-every 1000");
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.out, "tttdone\n");
  // 3000 + 13 (response and handler) + 1 + 2 + 1 + 30 + 1
  EXPECT_EQ(r.err, "stop=sleep pc=0x0053 cycles=3048 hwstack=0\n");
}

TEST_F(EndToEnd, StopLabelPrintsAndDataStackFromTheListing) {
  Outcome r = assembleAndRun(
      "THIGH\tequ 0x1a\n"
      "TLOW\tequ 0x1b\n"
      "DSTACKORG\tequ 0x40\n"
      "\torg 0\n"
      "\tmovlw DSTACKORG - 6\n\tmovwf FSR1\n"
      "\tmovlw 0x12\n\tmovwf THIGH\n\tmovlw 0x34\n\tmovwf TLOW\n"
      "\tsetf 0x3b, F\n\tsetf 0x3c, F\n"
      "\tclrf 0x3d, F\n\tmovlw 7\n\tmovwf 0x3e\n"
      "there\tgoto there\n",
      "--stop-at there --print TLOW --dump-stack");
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.out, "");
  EXPECT_EQ(r.err,
            "stop=stop-address pc=0x000b cycles=11 hwstack=0\n"
            "TLOW = 0x34\n"
            "dstack depth=3: 4660 -1 7\n");
}

TEST_F(EndToEnd, ExitStatusNamesTheStop) {
  struct Case {
    const char* body;
    const char* options;
    int status;
    const char* report;
  };
  const Case cases[] = {
      {"\torg 0\nhere\tgoto here\n", "--max-cycles 100", 2, "stop=cycle-limit pc=0x0000 cycles=100 hwstack=0\n"},
      {"\torg 0\nhere\tcall here\n", "", 3, "stop=stack-overflow pc=0x0000 cycles=32 hwstack=16\n"},
      {"\torg 0\n\tnop\n\treturn\n", "", 4, "stop=stack-underflow pc=0x0001 cycles=1 hwstack=0\n"},
      {"\torg 0\n\tnop\n\tdata 0xbd00\n", "", 5, "stop=reserved-opcode pc=0x0001 cycles=1 hwstack=0\n"},
  };
  for (const Case& c : cases) {
    Outcome r = assembleAndRun(c.body, c.options);
    EXPECT_EQ(r.status, c.status) << c.body;
    EXPECT_EQ(r.err, c.report);
  }
}

TEST(EndToEndInput, BadInputIsReportedNotCrashedOn) {
  TempDir dir;
  dir.write("junk.hex", std::string("\x00\xff:garbage\n", 11));
  Outcome r = runSim(dir, shellQuoted(dir.file("junk.hex")));
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.err, "pic17sim: " + dir.file("junk.hex") + ":1: a record must start with ':'\n");
  r = runSim(dir, "--max-cycles");
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.err, "pic17sim: --max-cycles needs a value\n");
}

}  // namespace
}  // namespace pic17sim::test

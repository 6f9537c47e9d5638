// The command line, run in-process on hex files written by the tests.
#include <gtest/gtest.h>

#include <filesystem>
#include <initializer_list>
#include <sstream>
#include <string_view>

#include "pic17sim/cli.h"
#include "pic17sim/test_sim.h"
#include "pic17sim/test_tools.h"

namespace pic17sim::test {
namespace {

struct Result {
  int status;
  std::string out, err;
};

Result runCli(const std::vector<std::string>& args) {
  std::ostringstream out, err;
  int status = runCommandLine(args, out, err);
  return {status, out.str(), err.str()};
}

void writeProgram(const TempDir& dir, const std::string& name, std::initializer_list<std::string_view> lines) {
  std::vector<std::uint16_t> words;
  for (std::string_view line : lines) words.push_back(assemble(line));
  dir.write(name, hexImage(0, words));
}

constexpr const char* kStackSymbols =
    "SYMBOL TABLE\n"
    "DSTACKORG                         00000040\n"
    "THIGH                             0000001A\n"
    "TLOW                              0000001B\n"
    "mark                              0000000A\n";

// Prints "OK", leaves 5 on top of -1 on the data stack, sleeps.
void writeStackProgram(const TempDir& dir) {
  writeProgram(dir, "prog.hex",
               {"movlw 0x4f", "movwf 0x16", "movlw 0x4b", "movwf 0x16", "movlw 0x3c", "movwf 0x09",
                "movlw 0x05", "movwf 0x1b", "setf 0x3d, 1", "setf 0x3e, 1", "sleep"});
}

TEST(CommandLine, ListingBesideTheHexOrNamedGivesTheSymbols) {
  TempDir dir;
  writeStackProgram(dir);
  dir.write("prog.lst", kStackSymbols);
  Result r = runCli({dir.file("prog.hex"), "--print", "TLOW", "--print=0x3d:2", "--dump-stack"});
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.out, "OK");
  EXPECT_EQ(r.err,
            "stop=sleep pc=0x000b cycles=11 hwstack=0\n"
            "TLOW = 0x05\n"
            "0x3d = 0xff 0xff\n"
            "dstack depth=2: 5 -1\n");
  std::filesystem::rename(dir.file("prog.lst"), dir.file("other.lst"));
  r = runCli({"-q", "--symbols", dir.file("other.lst"), "--stop-at", "mark", "--dump-stack=hex",
              dir.file("prog.hex")});
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.err, "dstack depth=2: 0x0005 0xffff\n");
}

TEST(CommandLine, CycleLimitAndMovpfChoice) {
  TempDir dir;
  writeProgram(dir, "p.hex", {"movpf 0x1a, 0x25", "goto 0x0001"});
  Result r = runCli({"--max-cycles", "6", "--print", "ALUSTA", dir.file("p.hex")});
  EXPECT_EQ(r.status, kExitCycleLimit);
  EXPECT_EQ(r.err, "stop=cycle-limit pc=0x0001 cycles=7 hwstack=0\nALUSTA = 0xf4\n");
  r = runCli({"--max-cycles", "6", "--movpf-z", "off", "-q", "--print", "ALUSTA", dir.file("p.hex")});
  EXPECT_EQ(r.err, "ALUSTA = 0xf0\n");
}

TEST(CommandLine, ScheduledTimerWakesTheSleepingProgram) {
  TempDir dir;
  writeProgram(dir, "p.hex", {"bsf 0x07, 1", "sleep", "movlw 0x21", "movwf 0x16", "bcf 0x07, 1", "sleep"});
  Result r = runCli({"--timer-at", "0x100", dir.file("p.hex")});
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.out, "!");
  EXPECT_EQ(r.err, "stop=sleep pc=0x0006 cycles=260 hwstack=0\n");
  r = runCli({"--int-every", "100", dir.file("p.hex")});  // INTE is never set
  EXPECT_EQ(r.err, "stop=sleep pc=0x0002 cycles=2 hwstack=0\n");
}

TEST(CommandLine, InputTextsReachTheReceiverInOrder) {
  // Copies RCREG1 to TXREG1 while RC1IF (PIR1 bit 0, SFR bank 1) is set.
  TempDir dir;
  writeProgram(dir, "echo.hex", {"movlb 0x01", "btfss 0x16, 0", "sleep", "movlb 0x00",
                                  "movfp 0x14, 0x16", "goto 0x0000"});
  Result r = runCli({"-q", "--input", "ab", "--input=c d", dir.file("echo.hex")});
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.out, "abc d");
  r = runCli({"-q", dir.file("echo.hex")});
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.out, "");
}

TEST(CommandLine, ControlReachingNoCodeStopsWithStatusSix) {
  // A jump, a long call into the other page, running off the end, and an
  // interrupt whose vector the program leaves empty; "reached from" names
  // the instruction (or the interrupted address).
  struct Case {
    std::initializer_list<std::string_view> program;
    std::vector<std::string> options;
    const char* message;
  };
  const Case cases[] = {
      {{"nop", "goto 0x0005"}, {}, "pic17sim: no code at 0x0005, reached from 0x0001\n"},
      {{"movlw 0x20", "movwf 0x03", "lcall 0x00"}, {}, "pic17sim: no code at 0x2000, reached from 0x0002\n"},
      {{"movlw 0x01", "movwf 0x16"}, {}, "pic17sim: no code at 0x0002, reached from 0x0001\n"},
      {{"bsf 0x07, 1", "bcf 0x06, 4", "goto 0x0002"}, {"--timer-at", "9"},
       "pic17sim: no code at 0x0010, reached from 0x0002\n"},
  };
  for (const Case& c : cases) {
    TempDir dir;
    writeProgram(dir, "p.hex", c.program);
    std::vector<std::string> args = c.options;
    args.push_back(dir.file("p.hex"));
    Result r = runCli(args);
    EXPECT_EQ(r.status, kExitNoCode) << c.message;
    EXPECT_TRUE(r.err.starts_with(c.message)) << r.err;
    EXPECT_NE(r.err.find("\nstop=no-code pc="), std::string::npos) << r.err;
  }
  // The same jump into a filled word runs on.
  TempDir dir;
  writeProgram(dir, "p.hex", {"nop", "goto 0x0003", "nop", "sleep"});
  EXPECT_EQ(runCli({"-q", dir.file("p.hex")}).status, 0);
}

TEST(CommandLine, BadInputExitsWithStatusOne) {
  TempDir dir;
  writeStackProgram(dir);
  std::string hex = dir.file("prog.hex");
  dir.write("bad.hex", ":00000001FE\n");
  const std::pair<std::vector<std::string>, std::string> cases[] = {
      {{}, "no hex file given"},
      {{hex, hex}, "more than one hex file: " + hex},
      {{"--bogus", hex}, "unknown option: --bogus"},
      {{hex, "--max-cycles"}, "--max-cycles needs a value"},
      {{hex, "--input"}, "--input needs a value"},
      {{"--max-cycles", "1e6", hex}, "--max-cycles: not a number: 1e6"},
      {{"--int-every=0", hex}, "--int-every: the period must not be 0"},
      {{"--movpf-z", "yes", hex}, "--movpf-z: expected on or off, not yes"},
      {{"--dump-stack=oct", hex}, "--dump-stack: expected dec or hex, not oct"},
      {{"--trace=1", hex}, "--trace takes no value"},
      {{"--stop-at", "nowhere", hex}, "unknown symbol: nowhere"},
      {{"--stop-at", "0x10000", hex}, "--stop-at: no such program address: 0x10000"},
      {{"--print", "0xfff:2", hex}, "--print: no such data address: 0xfff:2"},
      {{"--print", "WREG:0", hex}, "--print: count must be 1 to 256: WREG:0"},
      {{"--dump-stack", hex}, "--dump-stack: no symbol DSTACKORG (is the listing there?)"},
      {{"--symbols", dir.file("none.lst"), hex}, "cannot open " + dir.file("none.lst")},
      {{dir.file("none.hex")}, "cannot open " + dir.file("none.hex")},
      {{dir.file("bad.hex")}, dir.file("bad.hex") + ":1: checksum mismatch"},
  };
  for (const auto& [args, message] : cases) {
    Result r = runCli(args);
    EXPECT_EQ(r.status, kExitBadInput) << message;
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(r.err, "pic17sim: " + message + "\n");
  }
}

}  // namespace
}  // namespace pic17sim::test

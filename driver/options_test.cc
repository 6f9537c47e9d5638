#include "driver/options.h"

#include <gtest/gtest.h>

namespace kestrel {
namespace {

using Problem = CommandLine::Problem;

TEST(OptionsTest, IncludeDirectoriesFollowTheEnvironmentValue) {
  std::string path = includePathFromEnvironment("C:\\lib");
  EXPECT_EQ(path, "C:\\lib;");
  CommandLine line = parseCommandLine({"-i", "D:\\inc;", "-I", "E:\\x", "prog.f"}, path);
  EXPECT_EQ(line.includePath, "C:\\lib;D:\\inc;E:\\x;");
  EXPECT_EQ(includePathFromEnvironment("a;b;"), "a;b;");
  EXPECT_EQ(includePathFromEnvironment(""), "");
  EXPECT_EQ(includePathFromEnvironment(nullptr), "");
}

TEST(OptionsTest, OptionsMatchWholeArgumentsInAnyCase) {
  CommandLine line = parseCommandLine({"-O", "prog.asm", "-OS", "a.f", "-x", "-r", "4096"}, "");
  EXPECT_EQ(line.outputName, "prog.asm");
  EXPECT_TRUE(line.speed);
  EXPECT_EQ(line.inputName, "-x");  // unknown options are file names; the last one counts
  EXPECT_EQ(line.romStart, 4096);
  EXPECT_EQ(line.problem, Problem::kNone);
  EXPECT_FALSE(parseCommandLine({"-osx"}, "").speed);
  EXPECT_FALSE(line.longCalls);
  EXPECT_TRUE(parseCommandLine({"-L", "a.f"}, "").longCalls);
  CommandLine l = parseCommandLine({"-lc", "a.f"}, "");
  EXPECT_FALSE(l.longCalls);
  EXPECT_EQ(l.inputName, "a.f");
}

TEST(OptionsTest, StackSizeLimits) {
  EXPECT_EQ(parseCommandLine({"-s", "64"}, "").stackSize, 64u);
  EXPECT_EQ(parseCommandLine({"-s", "217"}, "").stackSize, 217u);
  EXPECT_EQ(parseCommandLine({"-s", "218"}, "").problem, Problem::kStackTooBig);
  EXPECT_EQ(parseCommandLine({"-s", "-1"}, "").problem, Problem::kStackTooBig);
  EXPECT_EQ(parseCommandLine({"-s", "63"}, "").problem, Problem::kStackTooSmall);
  EXPECT_EQ(parseCommandLine({"-s", "abc"}, "").problem, Problem::kStackTooSmall);
  // Values too large for 32 bits are out of range, never wrapped into it.
  EXPECT_EQ(parseCommandLine({"-s", "4294967360"}, "").problem, Problem::kStackTooBig);
  EXPECT_EQ(parseCommandLine({"-s", "-4294967232"}, "").problem, Problem::kStackTooBig);
  EXPECT_EQ(parseCommandLine({"-s", "99999999999999999999999999999"}, "").problem, Problem::kStackTooBig);
  // The scan stops at the first problem.
  EXPECT_EQ(parseCommandLine({"-s", "10", "-o"}, "").problem, Problem::kStackTooSmall);
  EXPECT_EQ(parseCommandLine({"-o", "x", "-s"}, "").problem, Problem::kMissingValue);
}

TEST(OptionsTest, RomStartMustFitInThirtyTwoSignedBits) {
  EXPECT_EQ(parseCommandLine({"-r", "2147483647"}, "").romStart, 2147483647);
  EXPECT_EQ(parseCommandLine({"-r", "-2147483648"}, "").romStart, INT32_MIN);
  EXPECT_EQ(parseCommandLine({"-r", " +12abc"}, "").romStart, 12);
  for (const char* value : {"2147483648", "-2147483649", "4294967296", "18446744073709551617"}) {
    EXPECT_EQ(parseCommandLine({"-r", value}, "").problem, Problem::kRomStartOutOfRange) << value;
  }
}

}  // namespace
}  // namespace kestrel

// Expected outputs given in part: where the part's blocks may lie in the
// output, and what a mismatch reports.
#include <gtest/gtest.h>

#include "case_runner.h"

namespace e2e {
namespace {

const std::string kOutput = "one\ntwo\nthree\nfour\nfive\n";

TEST(PartOfOutput, WithoutGapsTheWholeOutputMustMatch) {
  EXPECT_EQ(partMismatch(kOutput, kOutput), "");
  EXPECT_EQ(partMismatch("", ""), "");
  EXPECT_NE(partMismatch("one\ntwo\nthree\nfour\n", kOutput), "");
  EXPECT_NE(partMismatch("two\nthree\nfour\nfive\n", kOutput), "");
  EXPECT_NE(partMismatch("", kOutput), "");
}

TEST(PartOfOutput, BlockBetweenGapsMatchesContiguousLinesAnywhere) {
  EXPECT_EQ(partMismatch("@...@\ntwo\nthree\n@...@\n", kOutput), "");
  EXPECT_EQ(partMismatch("@...@\none\n@...@\n", kOutput), "");
  EXPECT_EQ(partMismatch("@...@\nfive\n@...@\n", kOutput), "");
  EXPECT_EQ(partMismatch("@...@\n", kOutput), "");
  // The lines are all there, but not one after the other.
  EXPECT_NE(partMismatch("@...@\ntwo\nfour\n@...@\n", kOutput), "");
  // A line must match whole, not as the start of a longer one.
  EXPECT_NE(partMismatch("@...@\nthr\n@...@\n", kOutput), "");
}

TEST(PartOfOutput, BlocksWithoutALeadingOrTrailingGapAreAnchored) {
  EXPECT_EQ(partMismatch("one\ntwo\n@...@\n", kOutput), "");
  EXPECT_EQ(partMismatch("@...@\nfour\nfive\n", kOutput), "");
  EXPECT_EQ(partMismatch("one\n@...@\nfive\n", kOutput), "");
  EXPECT_EQ(partMismatch("one\ntwo\n@...@\nthree\nfour\nfive\n", kOutput), "");  // the gap may be empty
  EXPECT_NE(partMismatch("two\n@...@\n", kOutput), "");
  EXPECT_NE(partMismatch("@...@\nfour\n", kOutput), "");
}

TEST(PartOfOutput, BlocksMustFollowInOrderWithoutOverlapping) {
  EXPECT_EQ(partMismatch("@...@\ntwo\n@...@\nfour\n@...@\n", kOutput), "");
  EXPECT_NE(partMismatch("@...@\nfour\n@...@\ntwo\n@...@\n", kOutput), "");
  EXPECT_NE(partMismatch("@...@\ntwo\nthree\n@...@\nthree\n@...@\n", kOutput), "");
  // The end block may not reuse lines an earlier block took.
  EXPECT_NE(partMismatch("@...@\nfour\nfive\n@...@\nfive\n", kOutput), "");
  EXPECT_NE(partMismatch("one\ntwo\nthree\n@...@\nthree\nfour\nfive\n", kOutput), "");
}

TEST(PartOfOutput, RepeatedLinesAreFoundAtTheirFirstFit) {
  const std::string output = "a\nb\na\nb\nc\n";
  EXPECT_EQ(partMismatch("@...@\na\nb\nc\n", output), "");
  EXPECT_EQ(partMismatch("@...@\na\nb\n@...@\na\nb\n@...@\n", output), "");
  EXPECT_NE(partMismatch("@...@\na\nb\n@...@\na\nb\n@...@\na\n@...@\n", output), "");
}

TEST(PartOfOutput, MismatchNamesThePartLineThatWasNotFound) {
  EXPECT_EQ(partMismatch("@...@\ntwo\n@...@\nsix\nseven\n@...@\n", kOutput),
            "the lines from line 4 of the part (\"six\" ...) are not in the output after its line 2");
  EXPECT_EQ(partMismatch("zero\n@...@\n", kOutput), "the lines from line 1 of the part (\"zero\" ...) do not start the output");
  EXPECT_EQ(partMismatch("@...@\nsix\n", kOutput), "the lines from line 2 of the part (\"six\" ...) do not end the output");
}

TEST(PartOfOutput, LastLineEndIsCompared) {
  EXPECT_EQ(partMismatch("@...@\nfive\n", kOutput), "");
  EXPECT_NE(partMismatch("@...@\nfive", kOutput), "");
  EXPECT_NE(partMismatch("@...@\nfive\n", "four\nfive"), "");
  EXPECT_EQ(partMismatch("@...@\nfive\n@...@\n", kOutput), "");
}

TEST(PartOfOutput, TabsAndBlanksAreCompared) {
  const std::string output = "\tmovlw 0x1\n\tcall _x\n";
  EXPECT_EQ(partMismatch("@...@\n\tcall _x\n", output), "");
  EXPECT_NE(partMismatch("@...@\n\tcall _x \n", output), "");
  EXPECT_NE(partMismatch("@...@\n    call _x\n", output), "");
}

}  // namespace
}  // namespace e2e

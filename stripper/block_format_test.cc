#include "stripper/block_format.h"

#include <gtest/gtest.h>

#include <string>

namespace kestrel::strip {
namespace {

TEST(BlockFormatTest, HeaderKindComesFromFourCharactersAtColumn6) {
  EXPECT_EQ(parseHeader(";!### FORTH Word: dup").kind, RoutineKind::Forth);
  EXPECT_EQ(parseHeader(";!### RCALL Word: emit").kind, RoutineKind::Rcall);
  EXPECT_EQ(parseHeader(";!### CODE  Word: c@").kind, RoutineKind::Code);
  EXPECT_EQ(parseHeader(";!### SLEEP Word: nap").kind, RoutineKind::Other);
  EXPECT_EQ(parseHeader(";!### FORTRAN:    x").kind, RoutineKind::Forth);
  EXPECT_EQ(parseHeader(";!###FORTH Word:  x").kind, RoutineKind::Other);
  EXPECT_EQ(parseHeader(";!### FOR").kind, RoutineKind::Other);
  EXPECT_EQ(parseHeader(";!### FORTH Word: 2dup over ").name, "2dup over ");
  EXPECT_EQ(parseHeader(";!### FORTH Word: ").name, "");
}

TEST(BlockFormatTest, RootsAreExactlyMainAndInterruptRoutines) {
  EXPECT_TRUE(parseHeader(";!### CODE  Word: main").root);
  EXPECT_FALSE(parseHeader(";!### FORTH Word: Main").root);
  EXPECT_FALSE(parseHeader(";!### FORTH Word: main ").root);
  EXPECT_TRUE(parseHeader(";!### Interrupt:  tick").root);
  EXPECT_TRUE(parseHeader(";!### Interrupt").root);
  EXPECT_FALSE(parseHeader(";!### Interrup").root);
  EXPECT_FALSE(parseHeader(";!### interrupt:  tick").root);
}

TEST(BlockFormatTest, BlockEndsAtSemicolonAndNineteenStars) {
  EXPECT_TRUE(endsBlock(";" + std::string(19, '*') + "x"));
  EXPECT_FALSE(endsBlock(";" + std::string(18, '*') + "x*"));
  EXPECT_FALSE(endsBlock(" ;" + std::string(19, '*')));
}

}  // namespace
}  // namespace kestrel::strip

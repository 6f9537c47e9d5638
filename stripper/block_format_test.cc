#include "stripper/block_format.h"

#include <gtest/gtest.h>

#include <string>

namespace kestrel::strip {
namespace {

TEST(BlockFormatTest, KindsOfTheFiveHeaderTexts) {
  EXPECT_EQ(parseHeader(";!### FORTH Word: dup").kind, RoutineKind::Forth);
  EXPECT_EQ(parseHeader(";!### RCALL Word: emit").kind, RoutineKind::Rcall);
  EXPECT_EQ(parseHeader(";!### CODE  Word: c@").kind, RoutineKind::Code);
  EXPECT_EQ(parseHeader(";!### SLEEP Word: nap").kind, RoutineKind::Other);
  EXPECT_EQ(parseHeader(";!### Interrupt:  tick").kind, RoutineKind::Other);
  // Only four characters at column 6 count.
  EXPECT_EQ(parseHeader(";!### FORTRAN:    x").kind, RoutineKind::Forth);
  EXPECT_EQ(parseHeader(";!###FORTH Word:  x").kind, RoutineKind::Other);
  EXPECT_EQ(parseHeader(";!### FOR").kind, RoutineKind::Other);
}

TEST(BlockFormatTest, NameRunsFromColumn18ToLineEnd) {
  EXPECT_EQ(parseHeader(";!### FORTH Word: 2dup over ").name, "2dup over ");
  EXPECT_EQ(parseHeader(";!### Interrupt:  tick").name, "tick");
  EXPECT_EQ(parseHeader(";!### FORTH Word: ").name, "");
  EXPECT_EQ(parseHeader(";!###").name, "");
  std::string longName(500, 'n');
  EXPECT_EQ(parseHeader(";!### FORTH Word: " + longName).name, longName);
}

TEST(BlockFormatTest, RootsAreExactlyMainAndInterruptRoutines) {
  EXPECT_TRUE(parseHeader(";!### FORTH Word: main").root);
  EXPECT_TRUE(parseHeader(";!### CODE  Word: main").root);
  EXPECT_FALSE(parseHeader(";!### FORTH Word: Main").root);
  EXPECT_FALSE(parseHeader(";!### FORTH Word: main ").root);
  EXPECT_FALSE(parseHeader(";!### FORTH Word: mainly").root);
  EXPECT_TRUE(parseHeader(";!### Interrupt:  tick").root);
  EXPECT_TRUE(parseHeader(";!### Interrupt").root);
  EXPECT_FALSE(parseHeader(";!### Interrup").root);
  EXPECT_FALSE(parseHeader(";!### interrupt:  tick").root);
  EXPECT_FALSE(parseHeader(";!### SLEEP Word: nap").root);
}

TEST(BlockFormatTest, BlockEndsAtSemicolonAndNineteenStars) {
  const std::string stars19(19, '*');
  EXPECT_TRUE(endsBlock(";" + stars19));
  EXPECT_TRUE(endsBlock(";" + std::string(51, '*')));
  EXPECT_TRUE(endsBlock(";" + stars19 + "anything"));
  EXPECT_FALSE(endsBlock(";" + std::string(18, '*')));
  EXPECT_FALSE(endsBlock(";" + std::string(18, '*') + "x*"));
  EXPECT_FALSE(endsBlock(" ;" + stars19));
  EXPECT_FALSE(endsBlock(""));
}

TEST(BlockFormatTest, ReferenceKeywordsAreExactAndCaseSensitive) {
  EXPECT_EQ(referenceIsCall("goto"), false);
  EXPECT_EQ(referenceIsCall("call"), true);
  EXPECT_EQ(referenceIsCall("lcall"), true);
  EXPECT_EQ(referenceIsCall("pushaddr"), true);
  EXPECT_EQ(referenceIsCall("CALL"), std::nullopt);
  EXPECT_EQ(referenceIsCall("Goto"), std::nullopt);
  EXPECT_EQ(referenceIsCall("calls"), std::nullopt);
  EXPECT_EQ(referenceIsCall("rcall"), std::nullopt);
}

}  // namespace
}  // namespace kestrel::strip

#include "stripper/routine_reader.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

namespace kestrel::strip {
namespace {

// A routine record in words: "name|label|kind|root|call _a goto _b".
std::string describe(const RoutineTable& table, std::size_t index) {
  const Routine& routine = table.routines[index];
  std::string text = std::string(routine.name) + "|" + std::string(table.labels.text(routine.label)) + "|" +
                     std::to_string(static_cast<int>(routine.kind)) + "|" + (routine.root ? "root" : "") + "|";
  for (const Reference& reference : table.referencesOf(index)) {
    text += reference.isCall ? "call " : "goto ";
    text += table.labels.text(reference.target);
    text += " ";
  }
  return text;
}

std::vector<std::string> readAll(const std::string& text) {
  std::istringstream in(text);
  Scanner scanner(in);
  RoutineTable table = readRoutineTable(scanner);
  EXPECT_TRUE(scanner.atEnd());
  std::vector<std::string> described;
  for (std::size_t i = 0; i < table.routines.size(); ++i) described.push_back(describe(table, i));
  return described;
}

using Described = std::vector<std::string>;

const std::string kBanner = ";***************************************************";
const std::string kBannerStart = ";" + std::string(19, '*');

TEST(RoutineReaderTest, CommentsAreSkippedButOnlyExactKeywordsCount) {
  std::string text =
      ";!### Interrupt:  tick\n"
      "_tick\n"
      "\t; call _commented\n"
      "\tmovlw 0x1 ;call _trailing\n"
      "\tCALL _capitals\n"
      "\tcalls _plural\n"
      "\tcall\n"
      "\n"
      "   _nextLine\n"
      "\tgoto ; call _afterComment\n"
      + kBanner + "\n";
  // A keyword takes the next token as its target even when it is a comment,
  // and the rest of that comment is then read as tokens.
  EXPECT_EQ(readAll(text), (Described{"tick|_tick|3|root|call _nextLine goto ; call _afterComment "}));
}

TEST(RoutineReaderTest, LongCallsAndJumpsAreReferences) {
  // What kcomp -l writes: the lcall and the lgoto macro name their target;
  // the conditional jump lgotonz only ever goes to local labels.
  std::string text =
      ";!### FORTH Word: far\n"
      "_far\n"
      "\tmovlw high _dup\n"
      "\tmovwf PCLATH\n"
      "\tlcall _dup\n"
      "\tlgotonz __loop0x1\n"
      "\tLGOTO _capitals\n"
      "\tlgoto _swap\n"
      + kBanner + "\n";
  EXPECT_EQ(readAll(text), (Described{"far|_far|0||call _dup goto _swap "}));
}

TEST(RoutineReaderTest, BlockEndsAtFirstBannerTokenEvenMidLine) {
  std::string text =
      ";!### SLEEP Word: nap\n"
      "_nap call _first " + kBanner + " call _sameLine\n"
      "\tcall _outside\n"
      ";!### CODE  Word: main\n"
      "_main\n"
      "\tgoto " + kBannerStart + "\n"  // the banner is taken as a target
      "\tcall _stillInside\n"
      ";!### FORTH Word: notAHeader\n"  // inside a block: a comment
      "\tcall _last\n"
      + kBanner + "\n";
  EXPECT_EQ(readAll(text), (Described{
                               "nap|_nap|3||call _first ",
                               "main|_main|2|root|goto " + kBannerStart + " call _stillInside call _last ",
                           }));
}

TEST(RoutineReaderTest, TheRoutineLabelledMainIsARootWhateverItsName) {
  std::string text = ";!### FORTH Word: MAIN\n_main\n" + kBanner + "\n" +
                     ";!### FORTH Word: Main\n_Main\n" + kBanner + "\n" +
                     ";!### FORTH Word: x\n_main_\n" + kBanner + "\n";
  EXPECT_EQ(readAll(text), (Described{"MAIN|_main|0|root|", "Main|_Main|0||", "x|_main_|0||"}));
}

TEST(RoutineReaderTest, EndOfInputEndsAnOpenBlock) {
  EXPECT_EQ(readAll(";!### FORTH Word: a\n_a\n\tcall _b\n\tcall"), (Described{"a|_a|0||call _b "}));
  EXPECT_EQ(readAll(";!### FORTH Word: a\r\n"), (Described{"a||0||"}));
  EXPECT_EQ(readAll(";!###"), (Described{"||3||"}));
}

}  // namespace
}  // namespace kestrel::strip

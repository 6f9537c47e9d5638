#include "stripper/block_copier.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "stripper/removal.h"
#include "stripper/routine_reader.h"

namespace kestrel::strip {
namespace {

struct Copy {
  std::string text;
  std::string report;
};

// Both passes over the same text, as the program does them.
Copy stripText(const std::string& input) {
  std::istringstream firstIn(input);
  Scanner first(firstIn);
  RoutineTable table = readRoutineTable(first);
  std::vector<bool> keptLabels = findKeptLabels(table, findKeptRoutines(table));

  std::istringstream secondIn(input);
  Scanner second(secondIn);
  std::ostringstream out, report;
  copyKeptBlocks(second, table, keptLabels, out, report);
  return Copy{out.str(), report.str()};
}

const std::string kBanner = ";***************************************************";

TEST(BlockCopierTest, RestOfLabelAndBannerLinesIsCopied) {
  std::string input =
      ";!### FORTH Word: main\n"
      "  _main\t; kept label\n"
      "\treturn\n" +
      kBanner + " tail of banner\n" +
      ";!### FORTH Word: gone\n"
      "_gone \tcall _x\n" +
      kBanner + "\t;after\n";
  EXPECT_EQ(stripText(input).text, ";!### FORTH Word: main\n_main\n\t; kept label\n\treturn\n" + kBanner +
                                       " tail of banner\n" + "\t;after\n");
}

TEST(BlockCopierTest, DroppingEndsAtBannerTokenWhereverItStands) {
  // Unlike the first pass, dropping does not skip comments.
  std::string input =
      ";!### FORTH Word: gone\n"
      "_gone\n"
      "\t; comment ;******************* ends it here\n"
      "\treturn\n" +
      kBanner + "\n";
  EXPECT_EQ(stripText(input).text, " ends it here\n\treturn\n" + kBanner + "\n");
}

// An empty rest of a line is only written when a line end follows it.
TEST(BlockCopierTest, EndOfInputRightAfterHeaderOrToken) {
  EXPECT_EQ(stripText(";!### FORTH Word: main").text, ";!### FORTH Word: main\n");
  EXPECT_EQ(stripText(";!### FORTH Word: main\n_main").text, ";!### FORTH Word: main\n_main\n");
  EXPECT_EQ(stripText(";!### FORTH Word: main\n_main\n").text, ";!### FORTH Word: main\n_main\n\n");
  EXPECT_EQ(stripText(";!### FORTH Word: gone\n_gone " + kBanner).text, "");
  Copy gone = stripText("x\n;!### FORTH Word: gone\n");
  EXPECT_EQ(gone.text, "x\n");
  EXPECT_EQ(gone.report, "Stripping gone\n");
}

}  // namespace
}  // namespace kestrel::strip
